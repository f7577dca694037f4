// The diagram panel (<div id="diagram">): the diagrams of the form's run or
// of a table's member, each an SVG with its downloads, or why there is
// none.
import { diagramSvg, savePng, saveSvg } from './diagram_view.js';

const panel = document.getElementById('diagram');
const tools = document.getElementById('diagram-tools');

// `value` is the module's answer: { diagrams, problems, style }.
export function showDiagrams(value) {
  const figures = value.diagrams.map((layout) => {
    const svg = diagramSvg(layout, value.style);
    const figure = document.createElement('figure');
    // The downloads' buttons, as the page's markup captions them.
    const buttons = tools.content.cloneNode(true);
    const saves = { svg: () => saveSvg(svg), png: () => savePng(svg, value.style) };
    for (const b of buttons.querySelectorAll('[data-save]')) b.addEventListener('click', saves[b.dataset.save]);
    figure.append(svg, buttons);
    return figure;
  });
  panel.replaceChildren(...value.problems.map(problemLine), ...figures);
}

function problemLine(text) {
  const p = document.createElement('p');
  p.className = 'problem';
  p.textContent = text;
  return p;
}

// A diagram that could not be drawn: why.
export function showProblem(text) {
  panel.replaceChildren(problemLine(text));
}

export function clearDiagrams() {
  panel.replaceChildren();
}
