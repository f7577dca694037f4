// The page's side of the table workers: the table worker and, where the
// machine has more cores, helpers that run the engine on parts of a long
// table for it, each started from the one script inlined in the page (a
// blob: URL, the one kind of worker the page's Content-Security-Policy
// allows), with the module's WebAssembly compiled once and handed over.
// Each table is numbered as it is given; what the table worker tells of it
// goes to the page's handlers, and each question about the table shown is
// answered as a promise.
import workerSource from 'pilaro:worker';

// One helper a core besides the two of the page's thread and the table
// worker, at most three: on two cores a helper only takes their time.
const helperCount = () => Math.min(3, Math.max(0, (navigator.hardwareConcurrency || 1) - 2));

// The compiled module as a worker takes it, or, where a browser cannot
// hand a compiled module over, its bytes.
function post(worker, message, compiled, wasm, transfer = []) {
  try {
    worker.postMessage({ ...message, module: compiled }, transfer);
  } catch {
    worker.postMessage({ ...message, wasm: wasm.slice() }, transfer);
  }
}

// `tell(message)` takes what the worker tells of a table:
// { kind: 'opened' | 'rows' | 'finished' | 'refused' | 'failed', table, … }.
// `compiled` is the page's module compiled (a WebAssembly.Module), `wasm`
// its bytes.
export function startTableRunner(compiled, wasm, tell) {
  const url = URL.createObjectURL(new Blob([workerSource], { type: 'text/javascript' }));
  const worker = new Worker(url);
  let helpers = Array.from({ length: helperCount() }, () => new Worker(url));
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

  // A helper that fails leaves the table worker to run every row itself.
  const lose = () => {
    if (!helpers.length) return;
    for (const helper of helpers) helper.terminate();
    helpers = [];
    worker.postMessage({ kind: 'helpersLost' });
  };
  const channels = helpers.map(() => new MessageChannel());
  const ports = channels.map((channel) => channel.port1);
  post(worker, { kind: 'start', helpers: ports }, compiled, wasm, ports);
  helpers.forEach((helper, index) => {
    helper.onmessage = ({ data }) => {
      if (data.kind === 'failed') lose();
    };
    helper.onerror = lose;
    const port = channels[index].port2;
    post(helper, { kind: 'helper', tableWorker: port }, compiled, wasm, [port]);
  });
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
