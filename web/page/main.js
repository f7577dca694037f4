// The page: the form built from the C++ control table, its events handed
// to the form's rules in the C++ module, and what they answer put on the
// page.
import createPilaroModule from 'pilaro:module';
import wasmBinary from 'pilaro:wasm';

import { clearFormDiagrams, markFormDiagrams, showFormDiagrams } from './diagram_panel.js';
import { buildForm } from './form_view.js';
import { showHelp } from './help_dialog.js';
import { ask, showMessage } from './message_dialog.js';
import { plain } from './module_values.js';
import { printReport, prepareReport } from './printed_report.js';
import { restoreInputs, saveInputs } from './saved_inputs.js';
import { startTableView } from './table_view.js';
import { textMeasure } from './text_measure.js';

function start({ pilaro, compiled }) {
  const state = new pilaro.State();
  const form = buildForm(document.getElementById('form'), pilaro, state);
  form.showLists(plain(pilaro.lists(state)));
  const staleHint = pilaro.staleHint();

  const show = (controls) => {
    for (const control of controls) form.controls.get(control.control).hidden = !control.shown;
  };
  const showControls = () => show(plain(pilaro.shownControls(state)));
  // What the module says a pick changed: after a switch of method, the
  // grade lists, the emptied read-outs, what shows and the form's size.
  const pick = (list) => {
    if (list.selectedIndex < 0) return;
    const change = plain(pilaro.pick(state, list.id, list.value));
    form.showLists(change.lists);
    for (const { control, text } of change.fields) form.controls.get(control).value = text;
    show(change.shown);
    for (const moved of change.places) form.move(moved);
    form.resize(plain(pilaro.windowBox(state)));
    if (change.resultsCleared) clearFormDiagrams();
  };
  const choose = (option) => {
    if (option.checked) pilaro.choose(state, option.id);
    showControls();
  };
  // Greys the results while the form shows other inputs than their run read.
  const markStale = () => {
    const stale = pilaro.stale(state, form.controlTexts());
    for (const readOut of form.readOuts) {
      if (stale) readOut.dataset.stale = 'true';
      else delete readOut.dataset.stale;
      readOut.title = stale ? staleHint : '';
    }
    markFormDiagrams(stale);
  };
  const edited = () => {
    saveInputs(form);
    markStale();
  };
  const focusOf = (name) => (name ? form.focusables.get(name) : null);

  // Each list picked as it is restored: the method first, whose grades
  // the grade lists then offer.
  restoreInputs(form, pick);
  form.options.forEach(choose);
  showControls();

  for (const list of form.lists) list.addEventListener('change', () => pick(list));
  for (const option of form.options) option.addEventListener('change', () => choose(option));
  form.element.addEventListener('change', edited);
  form.element.addEventListener('input', edited);

  let measure = null;
  const run = () => {
    const texts = form.controlTexts();
    const outcome = plain(pilaro.run(state, texts));
    for (const readOut of outcome.readOuts) form.controls.get(readOut.field).value = readOut.text;
    // The diagram of the run just made, from the same texts.
    if (outcome.done) {
      measure ??= textMeasure();
      showFormDiagrams(pilaro.formDiagram(state, texts, measure), staleHint);
    }
    markStale();
    if (outcome.message) showMessage(outcome.message, focusOf(outcome.focus));
  };
  form.buttons.get('run').addEventListener('click', run);
  // Enter in a field typed into runs, once an input method has committed.
  for (const input of form.inputs) {
    if (!input.dataset.enterRuns) continue;
    input.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || event.isComposing) return;
      event.preventDefault();
      run();
    });
  }
  form.buttons.get('print').addEventListener('click', () => {
    const outcome = plain(pilaro.print(state, form.controlTexts()));
    if (outcome.message) showMessage(outcome.message, focusOf(outcome.focus));
    if (outcome.prints) printReport(pilaro, state, outcome);
  });
  // The browser's own print command prints the same report, or the reason
  // there is none.
  window.addEventListener('beforeprint', () =>
    prepareReport(pilaro, state, plain(pilaro.print(state, form.controlTexts()))),
  );

  // 示例 fills in the worked design example, asking first where it would
  // replace what was typed.
  document.getElementById('example').addEventListener('click', async () => {
    const question = pilaro.exampleQuestion(state, form.controlTexts());
    if (question && !(await ask(question))) return;
    const example = plain(pilaro.example(state));
    for (const { control, text } of example.entries) {
      const list = form.controls.get(control);
      list.value = text;
      pick(list);
    }
    for (const { control, text } of example.fields) form.controls.get(control).value = text;
    const option = form.focusables.get(example.option);
    option.checked = true;
    choose(option);
    edited();
  });
  // 清空 returns the form to how it opened, results and diagram included.
  document.getElementById('clear').addEventListener('click', async () => {
    if (!(await ask(pilaro.clearQuestion()))) return;
    for (const { control, text } of plain(pilaro.clear(state)))
      form.controls.get(control).value = text;
    form.showLists(plain(pilaro.lists(state)));
    for (const option of form.options) option.checked = false;
    showControls();
    clearFormDiagrams();
    edited();
  });
  document
    .getElementById('help-open')
    .addEventListener('click', () => showHelp(plain(pilaro.help())));

  form.element.removeAttribute('aria-busy');
  document.body.dataset.ready = 'true';
  performance.mark('pilaro-ready');

  // The tables run in workers of their own, ready a little later.
  startTableView(compiled, wasmBinary).then(
    () => {
      document.body.dataset.tables = 'ready';
    },
    (error) => showMessage(pilaro.tablesNotStarted(String(error.message))),
  );
}

// The WebAssembly is compiled once, for the page and its workers alike.
async function started() {
  const compiled = await WebAssembly.compile(wasmBinary);
  const pilaro = await createPilaroModule({
    instantiateWasm(imports, receive) {
      WebAssembly.instantiate(compiled, imports).then((instance) => receive(instance, compiled));
      return {};
    },
  });
  return { pilaro, compiled };
}

// The one message the module cannot give: that it did not start.
started().then(start, (error) => {
  showMessage(`程序无法启动：${error}`);
});
