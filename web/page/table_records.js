// A table's text as records of cells (papaparse), in the form the module's
// openTable takes them, all at once: every record's cells in turn as UTF-8
// and each cell's length in bytes, how many cells each record has, and the
// line each starts on (the first line is 1). Which records count, and what
// their cells mean, is the module's to say.
//   recordsOf(Papa, text, delimiter) -> { bytes, lengths, counts, lines, unclosedAt }
// `unclosedAt` is the line of a record whose quoted cell is never closed,
// or 0.

const highSurrogate = (unit) => unit >= 0xd800 && unit < 0xdc00;
const lowSurrogate = (unit) => unit >= 0xdc00 && unit < 0xe000;

// How many bytes TextEncoder gives for a cell: a lone surrogate is encoded
// as U+FFFD, three bytes.
function utf8Length(cell) {
  let bytes = cell.length;
  for (let i = 0; i < cell.length; ++i) {
    const unit = cell.charCodeAt(i);
    if (unit < 0x80) continue;
    if (unit < 0x800) bytes += 1;
    else {
      bytes += 2; // three bytes; a pair, four for its two units
      if (highSurrogate(unit) && i + 1 < cell.length && lowSurrogate(cell.charCodeAt(i + 1)))
        i += 1;
    }
  }
  return bytes;
}

// Every cell's bytes in turn, as encoding each on its own gives them: one
// encoding of them all (far quicker than one a cell), unless two cells meet
// where a lone high surrogate ends one and a lone low one starts the next,
// which together would make a pair.
function cellBytes(encoder, cells) {
  let pairs = false;
  for (let k = 1; k < cells.length && !pairs; ++k) {
    const before = cells[k - 1];
    pairs =
      before.length > 0 &&
      cells[k].length > 0 &&
      highSurrogate(before.charCodeAt(before.length - 1)) &&
      lowSurrogate(cells[k].charCodeAt(0));
  }
  if (!pairs) return encoder.encode(cells.join(''));
  const buffer = new Uint8Array(cells.reduce((sum, cell) => sum + cell.length * 3, 0));
  let used = 0;
  for (const cell of cells) used += encoder.encodeInto(cell, buffer.subarray(used)).written;
  return buffer.subarray(0, used);
}

const newlinesIn = (text) => {
  let count = 0;
  for (let at = text.indexOf('\n'); at !== -1; at = text.indexOf('\n', at + 1)) count += 1;
  return count;
};

// The line each record starts on, from the records alone: each record
// spans the line breaks in its cells and the one that ends it. Null where
// that does not account for every line break of the text, as where
// papaparse drops blanks after a closing quote: the caller then counts
// them record by record.
function linesOfRecords(text, rows, linebreak) {
  const lines = new Array(rows.length);
  const ending = newlinesIn(linebreak ?? '');
  const total = newlinesIn(text);
  if (total === (rows.length - 1) * ending) {
    // No cell holds a line break.
    for (let r = 0; r < rows.length; ++r) lines[r] = 1 + r * ending;
    return lines;
  }
  let line = 1;
  for (let r = 0; r < rows.length; ++r) {
    lines[r] = line;
    for (const cell of rows[r]) line += newlinesIn(cell);
    if (r + 1 < rows.length) line += ending;
  }
  return line - 1 === total ? lines : null;
}

// Record by record, the line of each from papaparse's position after it.
function steppedRecords(Papa, text, delimiter) {
  const rows = [];
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
      rows.push(result.data);
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
  return { rows, lines, unclosedAt };
}

// The records, all at once where the text parses without a fault and its
// line breaks are all accounted for (the usual table), else one by one.
function parsedRecords(Papa, text, delimiter) {
  const parsed = Papa.parse(text, { delimiter, quoteChar: '"', skipEmptyLines: false });
  if (parsed.errors.length === 0) {
    const lines = linesOfRecords(text, parsed.data, parsed.meta.linebreak);
    if (lines) return { rows: parsed.data, lines, unclosedAt: 0 };
  }
  return steppedRecords(Papa, text, delimiter);
}

export function recordsOf(Papa, whole, delimiter) {
  // Without a byte-order mark, as papaparse reads it, so that its positions
  // are the text's.
  const text = whole.startsWith('\uFEFF') ? whole.slice(1) : whole;
  const { rows, lines, unclosedAt } = parsedRecords(Papa, text, delimiter);
  const counts = new Array(rows.length);
  const cells = [];
  for (let r = 0; r < rows.length; ++r) {
    counts[r] = rows[r].length;
    for (const cell of rows[r]) cells.push(cell);
  }
  const bytes = cellBytes(new TextEncoder(), cells);
  const lengths = cells.map(utf8Length);
  return { bytes, lengths, counts, lines, unclosedAt };
}
