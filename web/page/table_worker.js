// The table worker: load-case tables run by the module off the page's
// thread, so that a long table never freezes the page. It reads a table's
// text into records (papaparse), has the module run them a few at a time
// with progress, and answers with what the module writes: the results as
// pilaro-batch's CSV (and its cells), the summary, the rows' marks, the
// members' diagrams, the workbook and the table saved.
import createPilaroModule from 'pilaro:module';
import { unzipSync } from 'fflate';
import Papa from 'papaparse';
import { SaxesParser } from 'saxes';
import writeExcelFile from 'write-excel-file/universal';

import { recordsOf } from './table_records.js';
import { textMeasure } from './text_measure.js';

// Rows run between two looks at the messages: a few at first, then as
// many as take about a tenth of a second.
const firstStep = 20;
const stepTime = 100; // ms

let pilaro = null;
let measure = null;
let table = null; // { number, run }
const tell = (message, transfer = []) => postMessage(message, transfer);
// The answer to a question, about the table it was asked about.
const answer = (question, message, transfer = []) =>
  tell({ question: question.question, table: question.table, ...message }, transfer);

function forget() {
  table?.run.delete();
  table = null;
}

// A turn for the messages that came in meanwhile (a message, unlike a
// timer, is not held back by the browser).
const turns = new MessageChannel();
const pause = () =>
  new Promise((resolve) => {
    turns.port1.onmessage = () => resolve();
    turns.port2.postMessage(null);
  });

// The first line (from 1) whose bytes are no text in the encoding; a line
// break is never part of a character in UTF-8 or GB18030.
function firstBadLine(bytes, decoder) {
  let line = 1;
  for (let start = 0; start <= bytes.length; line += 1) {
    const end = bytes.indexOf(0x0a, start);
    const stop = end === -1 ? bytes.length : end;
    try {
      decoder.decode(bytes.subarray(start, stop));
    } catch {
      return line;
    }
    if (end === -1) break;
    start = end + 1;
  }
  return line;
}

// The text of the table, read as the module says its bytes are encoded;
// null, with the module's refusal, for bytes that are no such text.
function textOf(source) {
  if (source.text !== undefined) return { text: source.text };
  const bytes = new Uint8Array(source.bytes);
  const decoder = new TextDecoder(pilaro.tableEncoding(bytes), { fatal: true });
  try {
    return { text: decoder.decode(bytes) };
  } catch {
    return { refusal: pilaro.neitherEncoding(bytes, firstBadLine(bytes, decoder)) };
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

// A workbook's table, its parts read in the order the module asks for
// them; { refusal } when the module refuses the workbook.
function workbookRun(bytes, name) {
  let parts = {};
  try {
    parts = unzipSync(bytes);
  } catch {
    // No archive to read: the module tells what is missing.
  }
  const book = new pilaro.Workbook(name);
  try {
    for (let part = book.wanted(); part; part = book.wanted()) {
      const events = parts[part] ? xmlEvents(parts[part]) : null;
      book.read(events ?? '', events !== null);
    }
    const refusal = book.refusal();
    return refusal ? { refusal } : { run: new pilaro.TableRun(book) };
  } finally {
    book.delete();
  }
}

// A file's separator is the module's to find from its first lines, as
// pilaro-batch finds it; pasted cells come with theirs.
function delimiterOf(text, delimiter) {
  if (delimiter) return delimiter;
  const body = text.startsWith('\uFEFF') ? text.slice(1) : text;
  return pilaro.separatorOf(body.slice(0, 1 << 16));
}

// The table run of a file's bytes or a pasted text: { run } or { refusal }.
function tableOf(source, delimiter) {
  if (source.bytes) {
    const bytes = new Uint8Array(source.bytes);
    const kind = pilaro.fileKind(bytes, source.name ?? '');
    if (kind.refusal) return { refusal: kind.refusal };
    if (kind.kind === 'workbook') return workbookRun(bytes, source.name ?? '');
  }
  const { text, refusal } = textOf(source);
  if (refusal) return { refusal };
  const records = recordsOf(Papa, text, delimiterOf(text, delimiter));
  if (records.unclosedAt) return { refusal: pilaro.unclosedQuote(records.unclosedAt) };
  return {
    run: new pilaro.TableRun(records.bytes, records.lengths, records.counts, records.lines),
  };
}

async function results(question) {
  forget();
  const { source, delimiter } = question;
  const { run, refusal: unreadable } = tableOf(source, delimiter);
  if (unreadable) {
    answer(question, { refusal: unreadable });
    return;
  }
  table = { number: question.table, run };
  const refusal = run.refusal();
  if (refusal) {
    answer(question, { refusal });
    return;
  }
  const total = run.rowCount();
  let done = 0;
  let step = firstStep;
  while (!run.finished()) {
    const start = performance.now();
    const now = run.run(step);
    const took = performance.now() - start;
    step = Math.max(1, Math.round(((now - done) * stepTime) / Math.max(took, 1)));
    done = now;
    tell({ kind: 'progress', table: question.table, done, total });
    await pause(); // a newer table, or a question, may come in between
    if (table?.number !== question.table) return answer(question, {});
  }
  const csv = run.csv();
  // Shown as exported, but for the messages, which the screen tells in
  // Chinese.
  const results = Papa.parse(new TextDecoder().decode(run.shownCsv()), { delimiter: ',' }).data;
  // The CSV ends with a line break, which papaparse reads as one more row.
  if (results.length && results.at(-1).length === 1 && results.at(-1)[0] === '') results.pop();
  answer(
    question,
    {
      header: results[0],
      rows: results.slice(1),
      marks: run.marks(),
      members: run.members(),
      summary: run.summary(),
      csv,
    },
    [csv.buffer],
  );
}

// The questions below are about the table run last; one about an older
// table is answered with nothing.
const current = (question) => (table?.number === question.table ? table.run : null);

function diagrams(question) {
  measure ??= textMeasure();
  answer(question, { value: current(question)?.diagrams(question.member, measure) });
}

async function workbook(question) {
  if (!current(question)) return answer(question, {});
  const sheet = table.run.sheet();
  const bold = (value) => ({ value, type: String, fontWeight: 'bold' });
  const cell = (c) => {
    if (c === null) return null;
    if (typeof c === 'string') return { value: c, type: String };
    return c.format
      ? { value: c.number, type: Number, format: c.format }
      : { value: c.number, type: Number };
  };
  const data = [
    ...sheet.header.map((names) => names.map(bold)),
    ...sheet.rows.map((row) => row.map(cell)),
  ];
  const columns = sheet.widths.map((width) => ({ width }));
  const blob = await writeExcelFile(data, {
    sheet: sheet.name,
    columns,
    stickyRowsCount: sheet.header.length,
  }).toBlob();
  answer(question, { blob });
}

function saved(question) {
  const bytes = current(question)?.savedTable();
  answer(question, { bytes }, bytes ? [bytes.buffer] : []);
}

const handlers = { results, diagrams, workbook, saved };

onmessage = async ({ data }) => {
  try {
    if (data.kind === 'start') {
      pilaro = await createPilaroModule({ wasmBinary: data.wasm });
      tell({ kind: 'ready' });
      pilaro.warmUpEngine(); // before the first table comes, as a rule
      return;
    }
    await handlers[data.kind](data);
  } catch (error) {
    const message = String(error?.message ?? error);
    if (data.question === undefined) tell({ message });
    else answer(data, { failure: message });
  }
};
