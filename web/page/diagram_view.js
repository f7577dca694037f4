// A diagram as SVG, drawn from the module's layout of it (where every text,
// line and marker goes, in which colour): the page adds nothing of its own
// but the elements. Each load case's marker carries its verdict (pass,
// fail, or design for a design, which has none) and its name. Saved as SVG, or as PNG through a canvas.
import { download } from './downloads.js';
import { diagramFont } from './text_measure.js';

const svgNs = 'http://www.w3.org/2000/svg';
let clips = 0; // each drawing's clip path has an id of its own

function element(name, attributes = {}, ...children) {
  const e = document.createElementNS(svgNs, name);
  for (const [key, value] of Object.entries(attributes)) e.setAttribute(key, String(value));
  e.append(...children);
  return e;
}

const fill = (c) => ({ fill: c.colour, 'fill-opacity': c.opacity });
const stroke = (c, width) => ({
  stroke: c.colour,
  'stroke-opacity': c.opacity,
  'stroke-width': width,
});

function text(t, attributes = {}) {
  const e = element('text', {
    x: t.x,
    y: t.y,
    'font-size': t.pixels,
    'font-weight': t.bold ? 'bold' : 'normal',
    ...fill(t),
    ...attributes,
  });
  e.textContent = t.text;
  return e;
}

function line(from, to, attributes) {
  return element('line', { x1: from.x, y1: from.y, x2: to.x, y2: to.y, ...attributes });
}

function legend(entry, style) {
  const sample = entry.line
    ? line(
        { x: entry.x, y: entry.y },
        { x: entry.x + style.legendLineLength, y: entry.y },
        stroke(entry.sample, style.legendLineWidth),
      )
    : element('circle', {
        cx: entry.x + style.legendMarkerOffset,
        cy: entry.y,
        r: style.markerRadius,
        ...fill(entry.sample),
        ...stroke(style.outline, style.markerOutline),
      });
  return [text(entry.name), sample];
}

function axes(layout, style) {
  const { plot } = layout;
  const grid = (tick) => stroke(tick.zero ? style.axis : style.grid, style.gridWidth);
  const parts = [];
  for (const tick of layout.ticksM)
    parts.push(
      line({ x: tick.at, y: plot.y }, { x: tick.at, y: plot.y + plot.height }, grid(tick)),
      text(tick.label),
    );
  for (const tick of layout.ticksN)
    parts.push(
      line({ x: plot.x, y: tick.at }, { x: plot.x + plot.width, y: tick.at }, grid(tick)),
      text(tick.label),
    );
  parts.push(
    element('rect', { ...plot, fill: 'none', ...stroke(style.axis, style.gridWidth) }),
    text(layout.across),
    text(
      { ...layout.up, x: 0, y: 0 },
      { transform: `translate(${layout.up.x} ${layout.up.y}) rotate(-90)` },
    ),
  );
  return parts;
}

function curve(layout, style) {
  if (!layout.cap.length) return [];
  const [from, to] = layout.cap;
  return [
    line(from, to, {
      ...stroke(style.curve, style.capWidth),
      'stroke-dasharray': style.capDash.join(' '),
    }),
    element('polyline', {
      points: layout.curve.map((p) => `${p.x},${p.y}`).join(' '),
      fill: 'none',
      ...stroke(style.curve, style.curveWidth),
      'stroke-linecap': 'round',
      'stroke-linejoin': 'round',
    }),
  ];
}

function loads(layout, style) {
  const markers = layout.markers.map((m) => {
    const title = element('title');
    title.textContent = m.name;
    return element(
      'circle',
      {
        cx: m.x,
        cy: m.y,
        r: style.markerRadius,
        ...fill(style[m.kind]),
        ...stroke(style.outline, style.markerOutline),
        'data-verdict': m.kind,
        'data-row': m.line,
      },
      title,
    );
  });
  const labels = layout.labels.flatMap((label) => [
    element('rect', { ...label.ground, ...fill(style.labelGround) }),
    text(label.name),
  ]);
  return [...markers, ...labels];
}

export function diagramSvg(layout, style) {
  clips += 1;
  const clip = `pilaro-plot-${clips}`;
  const title = element('title');
  title.textContent = layout.title;
  return element(
    'svg',
    {
      xmlns: svgNs,
      width: style.width,
      height: style.height,
      viewBox: `0 0 ${style.width} ${style.height}`,
      'font-family': diagramFont,
      'data-stem': layout.stem,
    },
    title,
    element('defs', {}, element('clipPath', { id: clip }, element('rect', layout.plot))),
    element('rect', {
      x: 0,
      y: 0,
      width: style.width,
      height: style.height,
      ...fill(style.background),
    }),
    text(layout.heading),
    text(layout.section),
    ...layout.legend.flatMap((entry) => legend(entry, style)),
    ...axes(layout, style),
    element(
      'g',
      { 'clip-path': `url(#${clip})` },
      ...curve(layout, style),
      ...loads(layout, style),
    ),
  );
}

function svgBlob(svg) {
  return new Blob([new XMLSerializer().serializeToString(svg)], { type: 'image/svg+xml' });
}

export function saveSvg(svg) {
  download(`${svg.dataset.stem}.svg`, svgBlob(svg));
}

// The drawing at the PNG's size of pilaro-batch's drawings.
export async function savePng(svg, style) {
  const url = URL.createObjectURL(svgBlob(svg));
  try {
    const image = new Image();
    image.src = url;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = style.pngWidth;
    canvas.height = style.pngHeight;
    canvas.getContext('2d').drawImage(image, 0, 0, style.pngWidth, style.pngHeight);
    const png = await new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
    download(`${svg.dataset.stem}.png`, png);
  } finally {
    URL.revokeObjectURL(url);
  }
}
