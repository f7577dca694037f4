// A table's text as records of cells (papaparse), in the form the module's
// openTable takes them, all at once: every record's cells in turn as UTF-8
// and each cell's length in bytes, how many cells each record has, and the
// line each starts on (the first line is 1). Which records count, and what
// their cells mean, is the module's to say.
//   recordsOf(Papa, text, delimiter) -> { bytes, lengths, counts, lines, unclosedAt }
// `unclosedAt` is the line of a record whose quoted cell is never closed,
// or 0.
export function recordsOf(Papa, whole, delimiter) {
  // Without a byte-order mark, as papaparse reads it, so that its positions
  // are the text's.
  const text = whole.startsWith('\uFEFF') ? whole.slice(1) : whole;
  const encoder = new TextEncoder();
  // Three bytes at most for each UTF-16 unit; the cells are parts of the text.
  const buffer = new Uint8Array(text.length * 3);
  let used = 0;
  const lengths = [];
  const counts = [];
  const lines = [];
  let line = 1;
  let counted = 0; // how far the line breaks have been counted
  let unclosedAt = 0;
  Papa.parse(text, {
    delimiter,
    quoteChar: '"',
    skipEmptyLines: false,
    step(result) {
      lines.push(line);
      counts.push(result.data.length);
      for (const cell of result.data) {
        const { written } = encoder.encodeInto(cell, buffer.subarray(used));
        used += written;
        lengths.push(written);
      }
      if (!unclosedAt && result.errors.some((e) => e.code === 'MissingQuotes')) unclosedAt = line;
      // The next record starts where this one ended.
      const end = result.meta.cursor;
      for (
        let at = text.indexOf('\n', counted);
        at !== -1 && at < end;
        at = text.indexOf('\n', at + 1)
      )
        line += 1;
      counted = end;
    },
  });
  return { bytes: buffer.subarray(0, used), lengths, counts, lines, unclosedAt };
}
