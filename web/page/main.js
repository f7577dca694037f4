// The page: the window's form built from the C++ control table, its events
// handed to the C++ module, and what the module answers put on the page.
import createPilaroModule from 'pilaro:module';
import wasmBinary from 'pilaro:wasm';

import { showDiagrams } from './diagram_panel.js';
import { buildForm } from './form_view.js';
import { showMessage } from './message_dialog.js';
import { printReport, prepareReport } from './printed_report.js';
import { restoreInputs, saveInputs } from './saved_inputs.js';
import { startTableView } from './table_view.js';
import { textMeasure } from './text_measure.js';

function start(pilaro) {
  const state = new pilaro.State();
  const form = buildForm(document.getElementById('Form1'), pilaro);

  const showAreaField = () => {
    const area = pilaro.areaField(state);
    form.controls.get(area.field).hidden = !area.shown;
  };
  const pick = (list) => {
    if (list.selectedIndex >= 0) pilaro.pick(state, list.id, list.value);
  };
  const choose = (option) => {
    if (option.checked) pilaro.choose(state, option.id);
    showAreaField();
  };

  restoreInputs(form);
  form.lists.forEach(pick);
  form.options.forEach(choose);
  showAreaField();

  for (const list of form.lists) list.addEventListener('change', () => pick(list));
  for (const option of form.options) option.addEventListener('change', () => choose(option));
  form.element.addEventListener('change', () => saveInputs(form));
  form.element.addEventListener('input', () => saveInputs(form));

  let measure = null;
  form.controls.get('cmdrun').addEventListener('click', () => {
    const outcome = pilaro.run(state, form.controlTexts());
    if (!outcome.done) {
      showMessage(outcome.message);
      return;
    }
    for (const readOut of outcome.readOuts) form.controls.get(readOut.field).value = readOut.text;
    measure ??= textMeasure();
    showDiagrams(pilaro.formDiagram(state, form.controlTexts(), measure));
  });
  form.controls.get('cmdprint').addEventListener('click', () => printReport(pilaro, state));
  // The browser's own print command prints the same report.
  window.addEventListener('beforeprint', () => prepareReport(pilaro, state));

  form.element.removeAttribute('aria-busy');
  document.body.dataset.ready = 'true';
  performance.mark('pilaro-ready');

  // The tables run in a worker of their own, ready a little later.
  startTableView(wasmBinary).then(
    () => {
      document.body.dataset.tables = 'ready';
    },
    (error) => showMessage(pilaro.tablesNotStarted(String(error.message))),
  );
}

// The one message the module cannot give: that it did not start.
createPilaroModule({ wasmBinary }).then(start, (error) => {
  showMessage(`程序无法启动：${error}`);
});
