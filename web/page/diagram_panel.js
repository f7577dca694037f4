// The diagram panel (<div id="diagram">): the diagrams of the form's run or
// of a table's member, each an SVG with its downloads, or why there is
// none.
import { diagramSvg, savePng, saveSvg } from './diagram_view.js';

const panel = document.getElementById('diagram');

function button(caption, action) {
  const b = document.createElement('button');
  b.type = 'button';
  b.textContent = caption;
  b.addEventListener('click', action);
  return b;
}

// `value` is the module's answer: { diagrams, problems, style }.
export function showDiagrams(value) {
  const figures = value.diagrams.map((layout) => {
    const svg = diagramSvg(layout, value.style);
    const figure = document.createElement('figure');
    const tools = document.createElement('div');
    tools.className = 'tools';
    tools.append(
      button('下载 SVG', () => saveSvg(svg)),
      button('下载 PNG', () => savePng(svg, value.style)),
    );
    figure.append(svg, tools);
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
