// A workbook's first sheet as the tests compare two of them: its name, its
// frozen rows, its columns' widths, its filter, and its cells' values,
// types, number formats and boldness, as ExcelJS reads them.
export async function sheetOf(ExcelJS, file) {
  const workbook = new ExcelJS.Workbook();
  if (typeof file === 'string') await workbook.xlsx.readFile(file);
  else await workbook.xlsx.load(file);
  const sheet = workbook.worksheets[0];
  const rows = [];
  sheet.eachRow({ includeEmpty: true }, (row) => {
    const cells = [];
    row.eachCell({ includeEmpty: true }, (cell) =>
      cells.push([cell.value, cell.type, cell.numFmt ?? null, Boolean(cell.font?.bold)]),
    );
    while (cells.length && cells.at(-1)[0] === null) cells.pop();
    rows.push(cells);
  });
  return {
    name: sheet.name,
    frozen: sheet.views[0]?.ySplit,
    widths: sheet.columns.map((c) => c.width),
    filter: sheet.autoFilter ?? null,
    rows,
  };
}
