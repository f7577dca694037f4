// The table worker: load-case tables run by the module off the page's
// thread, so that a long table never freezes the page. It reads a table's
// text into records (papaparse), or a workbook's parts into XML events
// (fflate, saxes), has the module open them and run them a
// few rows at a time, and tells the page each step's rows as the module
// shows them; then what the finished table gives (the summary, the
// members, pilaro-batch's CSV), and on request a member's diagrams, the
// workbook and the table saved. Every rule is the module's: this file
// moves texts and bytes.
import createPilaroModule from 'pilaro:module';
import { unzipSync, zipSync } from 'fflate';
import Papa from 'papaparse';
import { SaxesParser } from 'saxes';

import { plain } from './module_values.js';
import { recordsOf } from './table_records.js';
import { textMeasure } from './text_measure.js';

// Rows run between two looks at the messages: a few at first, so that the
// first rows show at once, then as many as take about this long.
const firstStep = 20;
// Short steps keep the page writing rows while the next are run, so that
// little is left to write after the last.
const stepTime = 10; // ms
// Where the page has helpers (other workers of this script, one a core),
// they run the engine on the rows past the first step, each a chunk in
// turn, and this worker writes each row from its answer, in order.
const chunkRows = 32;
// The browser compiles the code that runs often well, after a while: each
// worker runs its own table of 400 rows a dozen times while it waits for
// the first (about half a second of one core; a table that comes meanwhile
// stops it). Fewer left the first long table a tenth or more slower.
const warmUps = 12;

/** @type {import('pilaro:module').PilaroModule} */
let pilaro = null;
/** @type {import('pilaro:module').TextMeasure} */
let measure = null;
let open = 0; // the number of the table the module holds, 0 for none
const tellPage = (message, transfer = []) => postMessage(message, transfer);

// The helpers' ports; for each table, the answers come in (first row ->
// { count, bytes }) and how many helpers have finished with it.
/** @type {MessagePort[]} */
let helpers = [];
const answers = new Map();
const finished = new Map();
const waiters = []; // loops waiting for a helper, woken by any news
const wake = () => {
  for (const resolve of waiters.splice(0)) resolve();
};
const news = () =>
  new Promise((resolve) => {
    waiters.push(resolve);
  });
const answersOf = (table) => {
  if (!answers.has(table)) answers.set(table, new Map());
  return answers.get(table);
};
function heard({ data }) {
  if (data.kind === 'answers') answersOf(data.table).set(data.first, data);
  else finished.set(data.table, (finished.get(data.table) ?? 0) + 1);
  wake();
}
// Forgets what came in for tables older than `table`.
function forgetBefore(table) {
  for (const map of [answers, finished])
    for (const number of map.keys()) if (number < table) map.delete(number);
}

// A turn for the messages that came in meanwhile (a message, unlike a
// timer, is not held back by the browser).
const pause = () =>
  new Promise((resolve) => {
    const turn = new MessageChannel();
    turn.port1.onmessage = () => resolve();
    turn.port2.postMessage(null);
  });

// Whether the decoder reads these bytes whole.
function decodes(decoder, bytes) {
  try {
    decoder.decode(bytes);
    return true;
  } catch {
    return false;
  }
}

// The text of the table, read as the module says its bytes are encoded;
// the module's refusal for bytes that are no such text.
function textOf(source) {
  if (source.text !== undefined) return { text: source.text };
  const bytes = new Uint8Array(source.bytes);
  const decoder = new TextDecoder(pilaro.tableEncoding(bytes), { fatal: true });
  try {
    return { text: decoder.decode(bytes) };
  } catch {
    return { refusal: pilaro.undecodableText(bytes, (line) => decodes(decoder, line)) };
  }
}

// A part of a workbook as the events the module takes (web/page_workbook.h):
// its elements, attributes and texts as the XML parser gives them; null
// for XML that is not well formed.
function xmlEvents(bytes) {
  const parser = new SaxesParser();
  const events = [];
  parser.on('opentag', (tag) => {
    let event = `\x01${tag.name}`;
    for (const [name, value] of Object.entries(tag.attributes)) event += `\x02${name}\x02${value}`;
    events.push(event);
  });
  parser.on('text', (text) => events.push(`\x03${text}`));
  parser.on('cdata', (text) => events.push(`\x03${text}`));
  parser.on('closetag', (tag) => events.push(`\x04${tag.name}`));
  try {
    parser.write(new TextDecoder().decode(bytes)).close();
  } catch {
    return null;
  }
  return events.join('');
}

// A workbook's table opened by the module, its parts read in the order the
// module asks for them, or why not.
function openedWorkbook(bytes, name) {
  let parts = {};
  try {
    parts = unzipSync(bytes);
  } catch {
    // No archive to read: the module tells what is missing.
  }
  pilaro.startWorkbook(name);
  for (let part = pilaro.workbookPartWanted(); part; part = pilaro.workbookPartWanted()) {
    const events = parts[part] ? xmlEvents(parts[part]) : null;
    pilaro.readWorkbookPart(events ?? '', events !== null);
  }
  return plain(pilaro.openWorkbookTable());
}

// The table opened by the module, or why not: the file is of a kind it
// refuses, the bytes are no text, a quoted cell is never closed, or the
// module refuses the records. The module finds the separator from the
// text's first lines, for a file and for pasted cells alike.
function opened(source) {
  const refused = (refusal) => ({ refusal, rowCount: 0, columns: [] });
  if (source.bytes) {
    const bytes = new Uint8Array(source.bytes);
    const kind = plain(pilaro.fileKind(bytes, source.name ?? ''));
    if (kind.refusal) return refused(kind.refusal);
    if (kind.kind === 'workbook') return openedWorkbook(bytes, source.name ?? '');
  }
  const { text, refusal } = textOf(source);
  if (refusal) return refused(refusal);
  // The first lines as bytes: the browser's encoder is far quicker than the
  // module's for a string.
  const head = new TextEncoder().encode(text.slice(0, 1 << 16));
  const records = recordsOf(Papa, text, pilaro.tableSeparator(head));
  if (records.unclosedAt) return refused(pilaro.unclosedQuote(records.unclosedAt));
  return plain(
    pilaro.openTable({
      cells: records.bytes,
      cellLengths: records.lengths,
      recordCells: records.counts,
      lines: records.lines,
    }),
  );
}

// The answers that came in for the table from row `first` on, as many
// chunks in a row as make up about `count` rows, as one run of bytes; null
// for none.
function answersFrom(table, first, count) {
  const came = answersOf(table);
  const parts = [];
  let at = first;
  while (came.has(at) && at - first < count) {
    const chunk = came.get(at);
    came.delete(at);
    parts.push(chunk.bytes);
    at += chunk.count;
  }
  if (!parts.length) return null;
  const bytes = new Uint8Array(parts.reduce((sum, part) => sum + part.length, 0));
  let used = 0;
  for (const part of parts) {
    bytes.set(part, used);
    used += part.length;
  }
  return { bytes, rows: at - first };
}

// The table's next rows: run here, or written from the helpers' answers.
// Where the helpers cannot answer (one failed, or an answer is not for its
// row) this worker runs the rest itself. Null while it waits for them.
function nextRows(number, run, step, helped) {
  if (!helped.now || run < firstStep)
    return plain(pilaro.runTableRows(helped.now ? firstStep - run : step));
  const given = answersFrom(number, run, step);
  if (given) {
    const rows = plain(pilaro.takeTableRows(given.bytes));
    if (rows.rowsRun !== run + given.rows) helped.now = false;
    if (rows.rowsRun > run) return rows;
    return plain(pilaro.runTableRows(step));
  }
  if ((finished.get(number) ?? 0) < helpers.length) return null;
  helped.now = false;
  return plain(pilaro.runTableRows(step));
}

// Table 0 is the worker's own, run while it waits for the page's first
// (warmUpTable): nothing of it is told.
async function runTable({ table: number, source }) {
  const tell = number > 0 ? tellPage : () => {};
  const opening = opened(source);
  // A refused table replaces nothing: the table shown stays, and so does
  // one still running, with its helpers' answers.
  if (opening.refusal) return tell({ kind: 'refused', table: number, refusal: opening.refusal });
  open = number;
  forgetBefore(number);
  wake(); // a loop waiting for the helpers on an older table ends
  tell({ kind: 'opened', table: number, rowCount: opening.rowCount, columns: opening.columns });
  const helped = { now: number > 0 && helpers.length > 0 && opening.rowCount > firstStep };
  if (helped.now) {
    const records = plain(pilaro.tableRecords());
    helpers.forEach((port, helper) =>
      port.postMessage({ kind: 'answer', table: number, records, helper, helpers: helpers.length }),
    );
  }
  let step = firstStep;
  let run = 0;
  while (run < opening.rowCount) {
    const start = performance.now();
    const rows = nextRows(number, run, step, helped);
    if (rows) {
      const took = performance.now() - start;
      step = Math.max(1, Math.round((rows.marks.length * stepTime) / Math.max(took, 1)));
      run = rows.rowsRun;
      tell({ kind: 'rows', table: number, ...rows }, [rows.cellEnds.buffer]);
      if (run >= opening.rowCount) break;
      await pause(); // a newer table, or a question, may come in between
    } else await news();
    if (open !== number) return; // a newer table replaced it
  }
  answers.delete(number);
  const end = plain(pilaro.tableEnd());
  tell({ kind: 'finished', table: number, ...end }, [end.csv.buffer]);
}

// A helper's part of a table: the engine's answers for its chunks of the
// rows past the first step, each told to the table worker as it is had.
// The helper opens the records the table worker opened (or, for its own
// warm-up table, reads it). Whatever happens, the table worker is told
// when the helper is done with the table.
let answering = 0; // the latest table given to this helper
async function answerTable(given, tableWorker) {
  const { table: number, records, source, helper, helpers: count } = given;
  answering = number;
  try {
    const opening = records ? plain(pilaro.openTable(records)) : opened(source);
    if (opening.refusal) return;
    for (
      let first = firstStep + helper * chunkRows;
      first < opening.rowCount;
      first += count * chunkRows
    ) {
      const bytes = pilaro.tableAnswers(first, chunkRows);
      const rows = Math.min(chunkRows, opening.rowCount - first);
      if (number > 0)
        tableWorker.postMessage({ kind: 'answers', table: number, first, count: rows, bytes }, [
          bytes.buffer,
        ]);
      await pause();
      if (answering !== number) return; // a newer table replaced it
    }
  } finally {
    if (number > 0) tableWorker.postMessage({ kind: 'answered', table: number });
  }
}

// The questions below are about the table the page shows; one about a
// table the module no longer holds is answered with nothing.
const answer = (question, message, transfer = []) =>
  tellPage({ question: question.question, table: question.table, ...message }, transfer);
const holds = (question) => question.table === open;

function diagrams(question) {
  measure ??= textMeasure();
  const value = holds(question) ? plain(pilaro.tableDiagrams(question.member, measure)) : null;
  answer(question, { value });
}

// The workbook's parts as the module writes them, zipped.
function workbook(question) {
  if (!holds(question)) return answer(question, {});
  const parts = plain(pilaro.tableWorkbook());
  const zipped = zipSync(Object.fromEntries(parts.map((part) => [part.name, part.bytes])));
  answer(question, { bytes: zipped }, [zipped.buffer]);
}

function saved(question) {
  const bytes = holds(question) ? pilaro.savedTable() : null;
  answer(question, { bytes }, bytes ? [bytes.buffer] : []);
}

const handlers = { table: runTable, diagrams, workbook, saved };

// The module from the page's compiled WebAssembly, or from its bytes.
/** @param {{ module?: WebAssembly.Module, wasm?: Uint8Array }} given */
function started({ module, wasm }) {
  if (!module) return createPilaroModule({ wasmBinary: wasm });
  return createPilaroModule({
    instantiateWasm(imports, receive) {
      WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module));
      return {};
    },
  });
}

// A helper: its module, then the table worker's tables on the port that
// comes with its start. It warms up as the table worker does, unless a
// table comes first.
async function startHelper(data) {
  const tableWorker = data.tableWorker;
  pilaro = await started(data);
  tableWorker.onmessage = ({ data: table }) => answerTable(table, tableWorker).catch(() => {});
  tellPage({ kind: 'ready' });
  const warmUp = {
    table: 0,
    source: { bytes: pilaro.warmUpTable().buffer },
    helper: 0,
    helpers: 1,
  };
  for (let i = 0; i < warmUps && !answering; ++i) await answerTable(warmUp, tableWorker);
}

onmessage = async ({ data }) => {
  try {
    if (data.kind === 'helper') return await startHelper(data);
    if (data.kind === 'start') {
      helpers = data.helpers ?? [];
      for (const port of helpers) port.onmessage = heard;
      pilaro = await started(data);
      tellPage({ kind: 'ready' });
      // Before the first table comes, as a rule; a table that comes
      // meanwhile replaces it.
      const warmUp = { table: 0, source: { bytes: pilaro.warmUpTable().buffer } };
      for (let i = 0; i < warmUps && open === 0; ++i) await runTable(warmUp);
      return;
    }
    if (data.kind === 'helpersLost') {
      helpers = [];
      return wake();
    }
    await handlers[data.kind](data);
  } catch (error) {
    const message = String(error?.message ?? error);
    if (data.kind === 'start' || data.kind === 'helper') tellPage({ kind: 'failed', message });
    else if (data.question === undefined) tellPage({ kind: 'failed', table: data.table, message });
    else answer(data, { failure: message });
  }
};
