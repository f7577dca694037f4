// The printed report: the C++ report lines, placed by the report's own
// zone and shrink rules on the printed width, measured in the print font.
const report = document.getElementById('report');
const canvas = document.createElement('canvas').getContext('2d');

function measure(family) {
  return (text, pointSize) => {
    canvas.font = `${pointSize}pt ${family}`;
    return canvas.measureText(text).width;
  };
}

export function prepareReport(pilaro, state) {
  const width = report.getBoundingClientRect().width;
  const printed = pilaro.report(state, width, measure(getComputedStyle(report).fontFamily));
  report.style.fontSize = `${printed.pointSize}pt`;
  report.replaceChildren(
    ...printed.lines.map((runs) => {
      const line = document.createElement('div');
      line.className = 'line';
      for (const run of runs) {
        const span = document.createElement('span');
        span.textContent = run.text;
        span.style.setProperty('--x', `${run.x}px`);
        line.append(span);
      }
      return line;
    }),
  );
}

export function printReport(pilaro, state) {
  prepareReport(pilaro, state);
  window.print();
}
