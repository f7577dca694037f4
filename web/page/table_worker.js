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
const stepTime = 25; // ms

/** @type {import('pilaro:module').PilaroModule} */
let pilaro = null;
/** @type {import('pilaro:module').TextMeasure} */
let measure = null;
let open = 0; // the number of the table the module holds, 0 for none
const tellPage = (message, transfer = []) => postMessage(message, transfer);

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
  const records = recordsOf(Papa, text, pilaro.tableSeparator(text.slice(0, 1 << 16)));
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

// Table 0 is the worker's own, run while it waits for the page's first
// (warmUpTable): nothing of it is told.
async function runTable({ table: number, source }) {
  const tell = number > 0 ? tellPage : () => {};
  const opening = opened(source);
  // A refused table replaces nothing: the table shown stays, and so does
  // one still running.
  if (opening.refusal) return tell({ kind: 'refused', table: number, refusal: opening.refusal });
  open = number;
  tell({ kind: 'opened', table: number, rowCount: opening.rowCount, columns: opening.columns });
  let step = firstStep;
  for (;;) {
    const start = performance.now();
    const rows = plain(pilaro.runTableRows(step));
    const took = performance.now() - start;
    step = Math.max(1, Math.round((rows.marks.length * stepTime) / Math.max(took, 1)));
    tell({ kind: 'rows', table: number, ...rows }, [rows.cellEnds.buffer]);
    if (rows.rowsRun >= opening.rowCount) break;
    await pause(); // a newer table, or a question, may come in between
    if (open !== number) return; // a newer table replaced it
  }
  const end = plain(pilaro.tableEnd());
  tell({ kind: 'finished', table: number, ...end }, [end.csv.buffer]);
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

onmessage = async ({ data }) => {
  try {
    if (data.kind === 'start') {
      pilaro = await createPilaroModule({ wasmBinary: data.wasm });
      tellPage({ kind: 'ready' });
      // Before the first table comes, as a rule; a table that comes
      // meanwhile replaces it.
      await runTable({ table: 0, source: { bytes: pilaro.warmUpTable().buffer } });
      return;
    }
    await handlers[data.kind](data);
  } catch (error) {
    const message = String(error?.message ?? error);
    if (data.kind === 'start') tellPage({ kind: 'failed', message });
    else if (data.question === undefined) tellPage({ kind: 'failed', table: data.table, message });
    else answer(data, { failure: message });
  }
};
