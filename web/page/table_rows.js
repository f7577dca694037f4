// The results (<table id="results">): two header rows as in the workbook,
// the Chinese headings with their units above the CSV's names, then a row
// for each load case as the module shows it, marked as the module marks
// it, the rows the summary names in bold. The compact view shows the
// columns the module puts in it, in its order (what names a row, then its
// answers); 显示全部列 shows every column. The name stays in view when the
// table scrolls sideways.
//
// Rows are written as they come from the worker, a few milliseconds at a
// time between turns of the page, so that the page never stalls; each
// <tbody> of them is laid out by the browser only when it comes into view.
// The table is aria-busy while rows wait to be written.

const sliceTime = 8; // ms of writing before the page has its turn
const rowsPerBody = 100;

const nextTurn = () =>
  new Promise((resolve) => {
    const turn = new MessageChannel();
    turn.port1.onmessage = () => resolve();
    turn.port2.postMessage(null);
  });

// A row of `count` cells of `tag`, which is copied for each row: quicker
// for a long table than making each cell.
function emptyRow(tag, role, count) {
  const row = document.createElement('tr');
  row.setAttribute('role', 'row');
  for (let k = 0; k < count; ++k) {
    const cell = document.createElement(tag);
    cell.setAttribute('role', role);
    row.append(cell);
  }
  return row;
}

function filledRow(empty, texts) {
  const row = empty.cloneNode(true);
  let cell = row.firstChild;
  for (const text of texts) {
    if (text) cell.textContent = text;
    cell = cell.nextSibling;
  }
  return row;
}

// `table` the results' element, `allColumns` the checkbox of the full view.
export function resultsTable(table, allColumns) {
  let columns = []; // the module's columns: { chinese, english, compactPlace }
  let parts = []; // the rows as they came: { cells, cellEnds, marks, first }
  let received = 0;
  let rowCount = 0;
  let governing = new Set();
  let widths = [];
  let view = []; // the columns shown, in order
  let written = 0; // rows in the page for this view
  let writer = null; // the writing under way
  let round = 0; // a new table or view stops the writing of the last
  const whenWritten = [];

  const viewOf = () =>
    allColumns.checked
      ? columns.map((_, k) => k)
      : columns
          .map((column, k) => ({ k, place: column.compactPlace }))
          .filter((c) => c.place >= 0)
          .sort((a, b) => a.place - b.place)
          .map((c) => c.k);

  function setWidths() {
    const template = view.map((k) => `calc(${widths[k] ?? 4}ch + 12px)`).join(' ');
    if (table.style.getPropertyValue('--columns') !== template)
      table.style.setProperty('--columns', template);
  }

  // The header rows and no row yet, in the view chosen.
  function begin() {
    round += 1;
    writer = null;
    table.removeAttribute('aria-busy');
    written = 0;
    view = viewOf();
    const head = document.createElement('thead');
    const headings = emptyRow('th', 'columnheader', view.length);
    head.append(
      filledRow(
        headings,
        view.map((k) => columns[k].chinese),
      ),
      filledRow(
        headings,
        view.map((k) => columns[k].english),
      ),
    );
    table.replaceChildren(head);
    setWidths();
    write();
  }

  // Writes the rows received, a slice at a time; one writer at a time.
  function write() {
    if (writer || written >= received) return;
    const mine = round;
    table.setAttribute('aria-busy', 'true');
    writer = (async () => {
      await nextTurn();
      if (mine !== round) return;
      const empty = emptyRow('td', 'cell', view.length);
      const count = columns.length;
      let part = 0;
      let body = table.tBodies[table.tBodies.length - 1] ?? null;
      while (written < received) {
        const start = performance.now();
        while (written < received && performance.now() - start < sliceTime) {
          while (parts[part].first + parts[part].marks.length <= written) part += 1;
          const { cells, cellEnds, marks, first } = parts[part];
          const k = written - first;
          const row = /** @type {HTMLElement} */ (empty.cloneNode(true));
          let cell = row.firstChild;
          for (const column of view) {
            const at = k * count + column;
            const start = at === 0 ? 0 : cellEnds[at - 1];
            if (cellEnds[at] > start) cell.textContent = cells.slice(start, cellEnds[at]);
            cell = cell.nextSibling;
          }
          row.setAttribute('data-mark', marks[k]);
          if (governing.has(written)) row.dataset.governing = 'true';
          if (written % rowsPerBody === 0) {
            body = document.createElement('tbody');
            body.style.setProperty('--rows', Math.min(rowsPerBody, rowCount - written));
            table.append(body);
          }
          body.append(row);
          written += 1;
        }
        await nextTurn();
        if (mine !== round) return;
      }
      writer = null;
      table.removeAttribute('aria-busy');
      for (const resolve of whenWritten.splice(0)) resolve();
    })();
  }

  allColumns.addEventListener('change', () => {
    if (columns.length) begin();
  });

  return {
    // A new table's columns; nothing of the last stays.
    start(newColumns, rows) {
      columns = newColumns;
      rowCount = rows;
      parts = [];
      received = 0;
      governing = new Set();
      widths = [];
      table.setAttribute('aria-rowcount', String(rowCount + 2));
      begin();
    },
    // Rows just run: { cells, cellEnds, marks, widths }.
    add(rows) {
      parts.push({ ...rows, first: received });
      received += rows.marks.length;
      widths = rows.widths;
      setWidths();
      write();
    },
    // The rows the summary names, from 0.
    finish(rows) {
      governing = new Set(rows);
      for (const k of rows)
        if (k < written)
          table.tBodies[Math.floor(k / rowsPerBody)].rows[k % rowsPerBody].dataset.governing =
            'true';
    },
    // Resolves once every row received is in the page.
    written: () =>
      writer ? new Promise((resolve) => whenWritten.push(resolve)) : Promise.resolve(),
    clear() {
      round += 1;
      writer = null;
      columns = [];
      parts = [];
      received = 0;
      table.removeAttribute('aria-rowcount');
      table.removeAttribute('aria-busy');
      table.style.removeProperty('--columns');
      table.replaceChildren();
      for (const resolve of whenWritten.splice(0)) resolve();
    },
  };
}
