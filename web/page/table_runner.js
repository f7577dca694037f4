// The page's side of the table worker: the worker started from its source
// inlined in the page (a blob: URL, the one kind of worker the page's
// Content-Security-Policy allows), with the module's WebAssembly handed
// over. Each table is numbered as it is given; what the worker tells of it
// goes to the page's handlers, and each question about the table shown is
// answered as a promise.
import workerSource from 'pilaro:worker';

// `tell(message)` takes what the worker tells of a table:
// { kind: 'opened' | 'rows' | 'finished' | 'refused' | 'failed', table, … }.
export function startTableRunner(wasm, tell) {
  const url = URL.createObjectURL(new Blob([workerSource], { type: 'text/javascript' }));
  const worker = new Worker(url);
  URL.revokeObjectURL(url);
  let given = 0; // the latest table's number
  let asked = 0;
  const waiting = new Map(); // question's number -> its promise's resolve
  let ready;
  const started = new Promise((resolve, reject) => {
    ready = { resolve, reject };
  });

  worker.onmessage = ({ data }) => {
    if (data.kind === 'ready') return ready.resolve();
    if (data.question === undefined) {
      if (data.table === undefined) return ready.reject(new Error(data.message));
      return tell(data);
    }
    const resolve = waiting.get(data.question);
    waiting.delete(data.question);
    resolve?.(data);
  };
  worker.onerror = (event) => ready.reject(new Error(event.message));
  worker.postMessage({ kind: 'start', wasm: wasm.slice() });

  // A question about the table `table` (the one shown).
  const ask = (kind, table, message = {}) =>
    new Promise((resolve) => {
      asked += 1;
      waiting.set(asked, resolve);
      worker.postMessage({ kind, question: asked, table, ...message });
    });

  return {
    started,
    // A table from a file's bytes ({ bytes }) or from pasted text
    // ({ text }); its number.
    run(source) {
      given += 1;
      worker.postMessage(
        { kind: 'table', table: given, source },
        source.bytes ? [source.bytes] : [],
      );
      return given;
    },
    // Each resolves with the worker's answer, which is empty when the
    // worker no longer holds the table.
    diagrams: (table, member) => ask('diagrams', table, { member }),
    workbook: (table) => ask('workbook', table),
    savedTable: (table) => ask('saved', table),
  };
}
