// The load-case table view: a table pasted from a spreadsheet or opened
// from a file (CSV, Unicode text, an .xlsx workbook), run by the table worker; its results in
// <table id="results"> as pilaro-batch's CSV has them, each row marked, the
// members' summary, each member's diagrams, and the downloads.
import { clearDiagrams, showDiagrams, showProblem } from './diagram_panel.js';
import { download } from './downloads.js';
import { showMessage } from './message_dialog.js';
import { startTableRunner } from './table_runner.js';

const byId = (id) => document.getElementById(id);
const rowsPerFrame = 250;

// Rows of cells made as copies of one empty row, which is quicker for a
// long table than making each cell.
function rowMaker(tag, role, count) {
  const empty = document.createElement('tr');
  empty.setAttribute('role', 'row');
  for (let k = 0; k < count; ++k) {
    const cell = document.createElement(tag);
    cell.setAttribute('role', role);
    empty.append(cell);
  }
  return (texts) => {
    const row = empty.cloneNode(true);
    let cell = row.firstChild;
    for (const text of texts) {
      if (text) cell.textContent = text;
      cell = cell.nextSibling;
    }
    return row;
  };
}

// Each column as wide as its longest text, up to a limit (a longer text is
// cut short on screen, whole in the cell): the rows share the columns
// without the page laying out every row of a long table at once.
function columnWidths(header, rows) {
  const width = (text) => {
    let w = 0;
    for (const c of text) w += c.codePointAt(0) >= 0x2e80 ? 2 : 1; // CJK: two columns
    return w;
  };
  return header
    .map((name, k) => {
      let widest = width(name);
      for (const row of rows) widest = Math.max(widest, width(row[k] ?? ''));
      return `calc(${Math.min(widest, 48) + 2}ch + 12px)`;
    })
    .join(' ');
}

const nextFrame = () => new Promise((resolve) => requestAnimationFrame(resolve));

export function startTableView(wasm) {
  const progress = byId('tableprogress');
  const status = byId('tablestatus');
  const results = byId('results');
  const summary = byId('summary');
  const memberList = byId('member');
  const paste = byId('tablepaste');
  const exports = ['tablesave', 'exportcsv', 'exportxlsx'].map(byId);
  let shown = null; // { name, csv } of the table shown
  let drawing = 0; // the results being written into the page

  const runner = startTableRunner(wasm, {
    onProgress(done, total) {
      progress.max = total;
      progress.value = done;
      status.textContent = `${done} / ${total}`;
    },
  });

  async function writeRows(answer, number) {
    results.replaceChildren(document.createElement('thead'));
    results.style.setProperty('--columns', columnWidths(answer.header, answer.rows));
    results.tHead.append(rowMaker('th', 'columnheader', answer.header.length)(answer.header));
    const cells = rowMaker('td', 'cell', answer.header.length);
    const { mark, governing } = answer.marks;
    // A body for each part written, which the browser lays out only when
    // it comes into view.
    for (let start = 0; start < answer.rows.length; start += rowsPerFrame) {
      const part = document.createElement('tbody');
      const rows = answer.rows.slice(start, start + rowsPerFrame);
      part.style.setProperty('--rows', rows.length);
      rows.forEach((texts, k) => {
        const row = cells(texts);
        row.dataset.mark = mark[start + k];
        if (governing[start + k]) row.dataset.governing = 'true';
        part.append(row);
      });
      results.append(part);
      await nextFrame();
      if (number !== drawing) return false;
    }
    return true;
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
    const answer = await runner.diagrams(index);
    if (answer?.value) showDiagrams(answer.value);
    else if (answer?.failure) showProblem(answer.failure);
  }

  // A new table replaces the one shown, whether it runs or is refused.
  function forget() {
    shown = null;
    for (const b of exports) b.disabled = true;
    results.replaceChildren();
    summary.textContent = '';
    showMembers([]);
    clearDiagrams();
  }

  async function run(name, source, delimiter) {
    const number = ++drawing;
    document.body.dataset.table = 'running';
    performance.mark('pilaro-table-start');
    forget();
    progress.hidden = false;
    progress.removeAttribute('value');
    status.textContent = '';
    const answer = await runner.run(source, delimiter);
    if (!answer || number !== drawing) return;
    progress.hidden = true;
    performance.mark('pilaro-table-run');
    if (answer.refusal || answer.failure) {
      document.body.dataset.table = 'refused';
      showMessage(answer.refusal ?? answer.failure);
      return;
    }
    summary.textContent = answer.summary;
    status.textContent = name;
    showMembers(answer.members);
    if (!(await writeRows(answer, number))) return;
    shown = { name, csv: answer.csv };
    for (const b of exports) b.disabled = false;
    if (answer.members.length) await drawMember(0);
    performance.mark('pilaro-table-done');
    document.body.dataset.table = 'done';
  }

  // Pasted cells are tab-separated; a file's separator is found from its
  // first line.
  const runPasted = () => run(paste.dataset.name, { text: paste.value }, '\t');
  paste.addEventListener('paste', (event) => {
    const text = event.clipboardData?.getData('text/plain');
    if (!text) return;
    event.preventDefault();
    paste.value = text;
    runPasted();
  });
  byId('tablerun').addEventListener('click', runPasted);

  const file = byId('tablefile');
  file.addEventListener('change', async () => {
    const chosen = file.files[0];
    if (!chosen) return;
    const bytes = await chosen.arrayBuffer();
    file.value = ''; // the same file may be opened again
    run(chosen.name, { bytes, name: chosen.name }, null);
  });

  memberList.addEventListener('change', () => drawMember(Number(memberList.value)));

  const stem = () => (shown?.name ?? 'pilaro').replace(/\.[^.]*$/, '');
  byId('exportcsv').addEventListener('click', () => {
    download(`${stem()}-results.csv`, new Blob([shown.csv], { type: 'text/csv' }));
  });
  byId('exportxlsx').addEventListener('click', async () => {
    const answer = await runner.workbook();
    if (answer?.blob) download(`${stem()}-results.xlsx`, answer.blob);
  });
  byId('tablesave').addEventListener('click', async () => {
    const answer = await runner.savedTable();
    if (answer?.bytes) download(`${stem()}.csv`, new Blob([answer.bytes], { type: 'text/csv' }));
  });

  return runner.started;
}
