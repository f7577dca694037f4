// The page: the form built from the C++ control table, its events handed
// to the form's rules in the C++ module, and what they answer put on the
// page.
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
  const form = buildForm(document.getElementById('form'), pilaro);

  const showControls = () => {
    for (const control of pilaro.shownControls(state))
      form.controls.get(control.control).hidden = !control.shown;
  };
  const pick = (list) => {
    if (list.selectedIndex >= 0) pilaro.pick(state, list.id, list.value);
  };
  const choose = (option) => {
    if (option.checked) pilaro.choose(state, option.id);
    showControls();
  };

  restoreInputs(form);
  form.lists.forEach(pick);
  form.options.forEach(choose);
  showControls();

  for (const list of form.lists) list.addEventListener('change', () => pick(list));
  for (const option of form.options) option.addEventListener('change', () => choose(option));
  form.element.addEventListener('change', () => saveInputs(form));
  form.element.addEventListener('input', () => saveInputs(form));

  let measure = null;
  form.buttons.get('run').addEventListener('click', () => {
    const texts = form.controlTexts();
    const outcome = pilaro.run(state, texts);
    for (const readOut of outcome.readOuts) form.controls.get(readOut.field).value = readOut.text;
    // The diagram of the run just made, from the same texts.
    if (outcome.done) {
      measure ??= textMeasure();
      showDiagrams(pilaro.formDiagram(state, texts, measure));
    }
    if (outcome.message) showMessage(outcome.message);
  });
  form.buttons.get('print').addEventListener('click', () => {
    const outcome = pilaro.print(state, form.controlTexts());
    if (outcome.message) showMessage(outcome.message);
    if (outcome.prints) printReport(pilaro, state, outcome);
  });
  // The browser's own print command prints the same report, or the reason
  // there is none.
  window.addEventListener('beforeprint', () =>
    prepareReport(pilaro, state, pilaro.print(state, form.controlTexts())));

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
