// The diagram panel (<div id="diagram">): the diagrams of the form's run or
// of a table's member, each an SVG with its downloads, or why there is
// none. The form's diagrams are greyed with a word of why while the form's
// results are stale; while they are shown, no member is chosen in the
// member list, so that choosing any member draws it again.
import { diagramSvg, savePng, saveSvg } from './diagram_view.js';
import { plain } from './module_values.js';

const panel = document.getElementById('diagram');
const tools = /** @type {HTMLTemplateElement} */ (document.getElementById('diagram-tools'));
const members = /** @type {HTMLSelectElement} */ (document.getElementById('member'));

// `answer` is the module's: { diagrams, problems, style }.
export function showDiagrams(answer) {
  delete panel.dataset.source;
  delete panel.dataset.stale;
  const value = plain(answer);
  const figures = value.diagrams.map((layout) => {
    const svg = diagramSvg(layout, value.style);
    const figure = document.createElement('figure');
    // The downloads' buttons, as the page's markup captions them.
    const buttons = /** @type {DocumentFragment} */ (tools.content.cloneNode(true));
    const saves = { svg: () => saveSvg(svg), png: () => savePng(svg, value.style) };
    const marked = /** @type {NodeListOf<HTMLButtonElement>} */ (
      buttons.querySelectorAll('[data-save]')
    );
    for (const b of marked) b.addEventListener('click', saves[b.dataset.save]);
    figure.append(svg, buttons);
    return figure;
  });
  panel.replaceChildren(...value.problems.map(problemLine), ...figures);
}

// The diagrams of the form's run; `hint` is what they say while stale.
export function showFormDiagrams(value, hint) {
  showDiagrams(value);
  panel.dataset.source = 'form';
  panel.dataset.hint = hint;
  members.selectedIndex = -1;
}

// Greys the form's diagrams, or gives them their colours back.
export function markFormDiagrams(stale) {
  if (panel.dataset.source !== 'form') return;
  if (stale) panel.dataset.stale = 'true';
  else delete panel.dataset.stale;
}

export function clearFormDiagrams() {
  if (panel.dataset.source === 'form') clearDiagrams();
}

function problemLine(text) {
  const p = document.createElement('p');
  p.className = 'problem';
  p.textContent = text;
  return p;
}

// A diagram that could not be drawn: why.
export function showProblem(text) {
  clearDiagrams();
  panel.append(problemLine(text));
}

export function clearDiagrams() {
  delete panel.dataset.source;
  delete panel.dataset.stale;
  panel.replaceChildren();
}
