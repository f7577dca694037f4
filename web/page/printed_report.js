// The printed report: the C++ report lines, placed by the report's own
// zone and shrink rules on the printed width, measured in the print font.
// Where the form refuses to print (no run yet, stale results), the page
// holds that message instead, so that the browser's own print command
// prints no sheet either.
import { plain } from './module_values.js';

const report = document.getElementById('report');
const canvas = document.createElement('canvas').getContext('2d');

function measure(family) {
  return (text, pointSize) => {
    canvas.font = `${pointSize}pt ${family}`;
    return canvas.measureText(text).width;
  };
}

function line(runs) {
  const element = document.createElement('div');
  element.className = 'line';
  for (const run of runs) {
    const span = document.createElement('span');
    span.textContent = run.text;
    span.style.setProperty('--x', `${run.x}px`);
    element.append(span);
  }
  return element;
}

// `outcome`: the module's answer to printing the state now.
export function prepareReport(pilaro, state, outcome) {
  if (!outcome.prints) {
    const refusal = document.createElement('p');
    refusal.className = 'refusal';
    refusal.textContent = outcome.message;
    report.replaceChildren(refusal);
    return;
  }
  const width = report.getBoundingClientRect().width;
  const printed = plain(pilaro.report(state, width, measure(getComputedStyle(report).fontFamily)));
  report.style.fontSize = `${printed.pointSize}pt`;
  report.replaceChildren(...printed.lines.map(line));
}

export function printReport(pilaro, state, outcome) {
  prepareReport(pilaro, state, outcome);
  window.print();
}
