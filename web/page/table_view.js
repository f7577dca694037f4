// The load-case table view: a table pasted from a spreadsheet or opened
// from a file (CSV, Unicode text, an .xlsx workbook), run by the table
// worker; its rows in <table id="results"> as they are run, the members'
// summary (which folds), each member's diagrams, and the downloads. A
// table that is refused leaves the one shown as it was. While a table is
// read, run or written, the section is aria-busy.
import { clearDiagrams, showDiagrams, showProblem } from './diagram_panel.js';
import { download } from './downloads.js';
import { showMessage } from './message_dialog.js';
import { resultsTable } from './table_rows.js';
import { startTableRunner } from './table_runner.js';

/** @type {(id: string) => any} */
const byId = (id) => document.getElementById(id);
const xlsxType = 'application/vnd.openxmlformats-officedocument.spreadsheetml.sheet';

// `compiled` is the module's WebAssembly compiled, `wasm` its bytes.
export function startTableView(compiled, wasm) {
  /** @type {HTMLElement} */
  const section = byId('tables');
  /** @type {HTMLProgressElement} */
  const progress = byId('tableprogress');
  /** @type {HTMLElement} */
  const status = byId('tablestatus');
  /** @type {HTMLDetailsElement} */
  const summaryFold = byId('summaryfold');
  /** @type {HTMLElement} */
  const summary = byId('summary');
  /** @type {HTMLSelectElement} */
  const memberList = byId('member');
  /** @type {HTMLTextAreaElement} */
  const paste = byId('tablepaste');
  /** @type {HTMLButtonElement[]} */
  const exports = ['tablesave', 'exportcsv', 'exportxlsx'].map(byId);
  const results = resultsTable(byId('results'), byId('allcolumns'));
  const waiting = new Map(); // the tables given and not yet opened or refused: number -> name
  let shown = { table: 0, name: '', csv: null, complete: true };

  function markBusy() {
    const busy = waiting.size > 0 || !shown.complete;
    if (busy) section.setAttribute('aria-busy', 'true');
    else section.removeAttribute('aria-busy');
    progress.hidden = !busy;
    if (!busy) status.textContent = shown.name;
  }

  function showMembers(members) {
    memberList.replaceChildren(
      ...members.map((subject, index) => {
        const option = document.createElement('option');
        option.value = String(index);
        option.textContent = subject;
        return option;
      }),
    );
    memberList.disabled = members.length === 0;
  }

  async function drawMember(index) {
    const answer = await runner.diagrams(shown.table, index);
    if (answer.value) showDiagrams(answer.value);
    else if (answer.failure) showProblem(answer.failure);
  }

  // What the worker tells of each table; a table older than the one shown
  // is past.
  const told = {
    opened({ table, rowCount, columns }) {
      if (table < shown.table) return;
      shown = { table, name: waiting.get(table), csv: null, complete: false };
      for (const number of waiting.keys()) if (number <= table) waiting.delete(number);
      for (const b of exports) b.disabled = true;
      summary.textContent = '';
      summaryFold.hidden = true;
      showMembers([]);
      clearDiagrams();
      progress.max = rowCount;
      progress.value = 0;
      status.textContent = `0 / ${rowCount}`;
      results.start(columns, rowCount);
      markBusy();
    },
    rows(rows) {
      if (rows.table !== shown.table) return;
      results.add(rows);
      progress.value = rows.rowsRun;
      status.textContent = `${rows.rowsRun} / ${progress.max}`;
    },
    async finished({ table, summary: text, members, governing, csv }) {
      if (table !== shown.table) return;
      summary.textContent = text;
      summaryFold.hidden = text === '';
      showMembers(members);
      results.finish(governing);
      await results.written();
      if (table !== shown.table) return;
      shown.csv = csv;
      for (const b of exports) b.disabled = false;
      if (members.length) await drawMember(0);
      shown.complete = true;
      markBusy();
    },
    refused({ table, refusal }) {
      waiting.delete(table);
      markBusy();
      if (table > shown.table) showMessage(refusal);
    },
    failed({ table, message }) {
      waiting.delete(table);
      if (table === shown.table) shown.complete = true;
      markBusy();
      showMessage(message);
    },
  };
  const runner = startTableRunner(compiled, wasm, (message) => told[message.kind](message));

  function run(name, source) {
    waiting.set(runner.run(source), name);
    progress.removeAttribute('value');
    markBusy();
  }

  // Pasted cells find their separator as a file does.
  const runPasted = () => run(paste.dataset.name, { text: paste.value });
  paste.addEventListener('paste', (event) => {
    const text = event.clipboardData?.getData('text/plain');
    if (!text) return;
    event.preventDefault();
    paste.value = text;
    runPasted();
  });
  byId('tablerun').addEventListener('click', runPasted);

  /** @type {HTMLInputElement} */
  const file = byId('tablefile');
  file.addEventListener('change', async () => {
    const chosen = file.files[0];
    if (!chosen) return;
    // Busy from the moment the file is chosen.
    section.setAttribute('aria-busy', 'true');
    const bytes = await chosen.arrayBuffer();
    file.value = ''; // the same file may be opened again
    run(chosen.name, { bytes, name: chosen.name });
  });

  memberList.addEventListener('change', () => drawMember(Number(memberList.value)));

  const stem = () => (shown.name || 'pilaro').replace(/\.[^.]*$/, '');
  byId('exportcsv').addEventListener('click', () => {
    download(`${stem()}-results.csv`, new Blob([shown.csv], { type: 'text/csv' }));
  });
  byId('exportxlsx').addEventListener('click', async () => {
    const answer = await runner.workbook(shown.table);
    if (answer.bytes)
      download(`${stem()}-results.xlsx`, new Blob([answer.bytes], { type: xlsxType }));
  });
  byId('tablesave').addEventListener('click', async () => {
    const answer = await runner.savedTable(shown.table);
    if (answer.bytes) download(`${stem()}.csv`, new Blob([answer.bytes], { type: 'text/csv' }));
  });

  return runner.started;
}
