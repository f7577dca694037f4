// The widths of texts in the font the page draws its diagrams with, as the
// module's diagram layout asks for them. The fonts a Windows or Mac PC has
// for Chinese, else WenQuanYi Zen Hei: pilaro-batch's drawing font without
// the bitmaps for small sizes (the "Sharp" face) that a browser would
// draw, with the same widths.
export const diagramFont =
  '"Microsoft YaHei", "PingFang SC", "WenQuanYi Zen Hei", "Noto Sans CJK SC", "Droid Sans Fallback", sans-serif';

function canvas() {
  if (typeof OffscreenCanvas !== 'undefined') return new OffscreenCanvas(1, 1).getContext('2d');
  return document.createElement('canvas').getContext('2d');
}

// { width(text, pixels, bold), ascent(pixels), height(pixels) }
export function textMeasure() {
  const context = canvas();
  const use = (pixels, bold) => {
    context.font = `${bold ? 'bold ' : ''}${pixels}px ${diagramFont}`;
  };
  const metrics = (pixels) => {
    use(pixels, false);
    return context.measureText('M');
  };
  return {
    width(text, pixels, bold) {
      use(pixels, bold);
      return context.measureText(text).width;
    },
    ascent: (pixels) => metrics(pixels).fontBoundingBoxAscent,
    height(pixels) {
      const m = metrics(pixels);
      return m.fontBoundingBoxAscent + m.fontBoundingBoxDescent;
    },
  };
}
