// The page's side of the table worker: the worker started from its source
// inlined in the page (a blob: URL, the one kind of worker the page's
// Content-Security-Policy allows), with the module's WebAssembly handed
// over, and each question answered as a promise.
import workerSource from 'pilaro:worker';

export function startTableRunner(wasm, { onProgress }) {
  const url = URL.createObjectURL(new Blob([workerSource], { type: 'text/javascript' }));
  const worker = new Worker(url);
  URL.revokeObjectURL(url);
  let table = 0; // the latest table's number
  let asked = 0;
  const waiting = new Map(); // question's number -> its promise's resolve
  let ready;
  const started = new Promise((resolve, reject) => {
    ready = { resolve, reject };
  });

  worker.onmessage = ({ data }) => {
    if (data.kind === 'ready') return ready.resolve();
    if (data.kind === 'progress') {
      if (data.table === table) onProgress(data.done, data.total);
      return;
    }
    if (data.question === undefined) return ready.reject(new Error(data.message));
    const resolve = waiting.get(data.question);
    waiting.delete(data.question);
    // An answer about a table no longer shown is dropped.
    resolve?.(data.table === table ? data : null);
  };
  worker.onerror = (event) => ready.reject(new Error(event.message));
  worker.postMessage({ kind: 'start', wasm: wasm.slice() });

  const ask = (kind, message, transfer = []) =>
    new Promise((resolve) => {
      asked += 1;
      waiting.set(asked, resolve);
      worker.postMessage({ kind, question: asked, table, ...message }, transfer);
    });

  return {
    started,
    // A table from a file's bytes or from pasted text. Resolves with the
    // results ({ refusal } when the table does not run, { failure } when
    // the worker failed), or null when a newer table came first.
    run(source, delimiter) {
      table += 1;
      return ask('results', { source, delimiter }, source.bytes ? [source.bytes] : []);
    },
    diagrams: (member) => ask('diagrams', { member }),
    workbook: () => ask('workbook', {}),
    savedTable: () => ask('saved', {}),
  };
}
