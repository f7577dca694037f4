// What the page's table worker can call: a load-case table run as
// pilaro-batch runs it, and everything written of it, as plain values
// (embind's value objects, and its vectors for lists). Nothing here decides
// anything; each call goes to table/, diagram/ and web/'s page table.
//
// The module owns the worker's table: the one shown, or the one being run
// to replace it, and a workbook while it is read. A table that is refused
// replaces nothing; one that runs replaces the last. So the page never
// releases anything, and a refused file or paste leaves the table shown as
// it was.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "web/bound_values.h"
#include "web/diagram_values.h"
#include "web/page_font_measure.h"
#include "web/page_table.h"
#include "web/page_text.h"
#include "web/page_workbook.h"
#include "web/table_warm_up.h"

namespace pilaro::web {
namespace {

using emscripten::val;

// The records of a table as the page's CSV reading gives them, all at
// once: every cell in turn as UTF-8, each cell's length in bytes, how many
// cells each record has and the line each starts on (numeric arrays).
struct TableRecords {
    std::string cells;
    val cellLengths = val::undefined();
    val recordCells = val::undefined();
    val lines = val::undefined();
};

// The same records given back, the cells as bytes (a Uint8Array).
struct HeldRecords {
    val cells = val::undefined();
    val cellLengths = val::undefined();
    val recordCells = val::undefined();
    val lines = val::undefined();
};

// A table opened: why it is refused, or how many rows it has and its
// columns.
struct TableOpening {
    std::string refusal;
    std::size_t rowCount = 0;
    std::vector<ShownColumn> columns;
};

// ShownRows as the page takes them, each list made in one call rather than
// read out item by item: the cells' ends as a Uint32Array, the marks as an
// array of their names ("design", "pass", "fail" or "none"), the widths
// as a Float64Array.
struct RowsRun {
    val cells = val("");  // a string
    val cellEnds = val::undefined();
    val marks = val::undefined();
    val widths = val::undefined();
    std::size_t rowsRun = 0;  // so far
};

// What a finished table gives besides its rows.
struct TableEnd {
    std::string summary;
    std::vector<std::string> members;    // 构件 P1, as the summary names them
    std::vector<std::size_t> governing;  // the rows the summary names, from 0
    val csv = val::undefined();          // pilaro-batch's CSV, as bytes
};

// What a file's bytes are: "text" or "workbook"; "" when the file is
// refused, and why.
struct FileKind {
    std::string kind;
    std::string refusal;
};

struct WorkbookFile {
    std::string name;
    val bytes = val::undefined();
};

// A typed array of `type` (Uint32Array, Float64Array) of its own holding
// the values, made in one call.
template <typename T>
val copiedArray(const char* type, const std::vector<T>& values) {
    return val::global(type).new_(emscripten::typed_memory_view(values.size(), values.data()));
}

std::unique_ptr<PageTable>& table() {
    static std::unique_ptr<PageTable> theTable;
    return theTable;
}

std::unique_ptr<PageWorkbook>& workbook() {
    static std::unique_ptr<PageWorkbook> theWorkbook;
    return theWorkbook;
}

// The table of the records, which replaces the table held unless it is
// refused.
TableOpening opened(std::vector<table::CellRow> records) {
    auto opening = std::make_unique<PageTable>(std::move(records));
    if (!opening->refusal().empty()) return {opening->refusal(), 0, {}};
    table() = std::move(opening);
    return {"", table()->rowCount(), table()->columns()};
}

std::string encodingOf(const std::string& bytes) {
    return std::string(tableEncoding(bytes));
}

// `decodes(bytes)`: whether the page's decoder reads a line's bytes.
std::string undecodable(const std::string& bytes, val decodes) {
    return undecodableText(bytes, [&decodes](std::string_view line) {
        const auto* data = reinterpret_cast<const unsigned char*>(line.data());
        return decodes(val(emscripten::typed_memory_view(line.size(), data))).as<bool>();
    });
}

std::string notStarted(const std::string& reason) {
    return tablesNotStarted(reason);
}

std::string separatorOf(const std::string& text) {
    return std::string(1, tableSeparator(text));
}

// The records of the table held, as openTable takes them: for a helper
// worker, which opens the same table.
HeldRecords tableRecords() {
    HeldRecords records;
    std::string cells;
    // A line number past 2^32 would need a file of more than 4 GB, which no
    // browser reads as text.
    std::vector<std::uint32_t> lengths, counts, lines;
    if (table()) {
        for (const table::CellRow& record : table()->records()) {
            counts.push_back(static_cast<std::uint32_t>(record.cells.size()));
            lines.push_back(static_cast<std::uint32_t>(record.line));
            for (const std::string& cell : record.cells) {
                cells += cell;
                lengths.push_back(static_cast<std::uint32_t>(cell.size()));
            }
        }
    }
    records.cells = bytes(cells);
    records.cellLengths = copiedArray("Uint32Array", lengths);
    records.recordCells = copiedArray("Uint32Array", counts);
    records.lines = copiedArray("Uint32Array", lines);
    return records;
}

TableOpening openTable(const TableRecords& given) {
    const auto lengths = emscripten::convertJSArrayToNumberVector<std::size_t>(given.cellLengths);
    const auto counts = emscripten::convertJSArrayToNumberVector<std::size_t>(given.recordCells);
    const auto lines = emscripten::convertJSArrayToNumberVector<long>(given.lines);
    std::vector<table::CellRow> records(std::min(counts.size(), lines.size()));
    std::size_t cell = 0, at = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].line = lines[i];
        for (std::size_t k = 0; k < counts[i] && cell < lengths.size(); ++k, ++cell) {
            records[i].cells.push_back(
                given.cells.substr(std::min(at, given.cells.size()), lengths[cell]));
            at += lengths[cell];
        }
    }
    return opened(std::move(records));
}

// What a file's bytes are: "text" or "workbook", or why they are refused.
FileKind kindOfFile(const std::string& bytes, const std::string& name) {
    FileKind kind;
    kind.kind = fileKind(bytes, name, kind.refusal);
    return kind;
}

// A workbook is read part by part, in the order the module asks for them;
// the module holds it until its table is opened.
void startWorkbook(const std::string& name) {
    workbook() = std::make_unique<PageWorkbook>(name);
}

std::string workbookPartWanted() {
    return workbook() ? workbook()->wanted() : std::string();
}

void readWorkbookPart(const std::string& events, bool found) {
    if (workbook()) workbook()->read(events, found);
}

TableOpening openWorkbookTable() {
    const std::unique_ptr<PageWorkbook> read = std::move(workbook());
    if (!read) return {};
    if (!read->refusal().empty()) return {read->refusal(), 0, {}};
    return opened(read->takeRecords());
}

// UTF-8 as a string, decoded by the browser: embind's own decoding looks
// at each byte in JavaScript first, which for a step's cells takes longer
// than writing them.
val decodedText(const std::string& utf8) {
    static const val decoder = val::global("TextDecoder").new_();
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    return decoder.call<val>("decode", val(emscripten::typed_memory_view(utf8.size(), bytes)));
}

RowsRun boundRows(ShownRows shown) {
    RowsRun rows;
    rows.cells = decodedText(shown.cells);
    rows.cellEnds = copiedArray("Uint32Array", shown.cellEnds);
    std::string names;
    for (RowMark mark : shown.marks) {
        if (!names.empty()) names += ' ';
        names += rowMarkName(mark);
    }
    rows.marks = names.empty() ? val::array() : val(names).call<val>("split", std::string(" "));
    rows.widths = copiedArray("Float64Array", shown.widths);
    rows.rowsRun = table()->rowsRun();
    return rows;
}

RowsRun runRows(std::size_t count) {
    return table() ? boundRows(table()->run(count)) : RowsRun{};
}

val tableAnswers(std::size_t first, std::size_t count) {
    return bytes(table() ? table()->answers(first, count) : std::string());
}

RowsRun takeRows(const std::string& answers) {
    return table() ? boundRows(table()->take(answers)) : RowsRun{};
}

TableEnd tableEnd() {
    if (!table()) return {};
    TableEnd end;
    end.summary = table()->summary();
    for (std::size_t i = 0; i < table()->memberCount(); ++i)
        end.members.push_back(table()->memberTitle(i));
    end.governing = table()->governingRows();
    end.csv = bytes(table()->csv());
    return end;
}

PageDiagrams tableDiagrams(std::size_t member, val measure) {
    if (!table() || member >= table()->memberCount()) return {};
    std::vector<std::string> problems;
    const std::vector<diagram::Diagram> drawn = table()->diagrams(member, problems);
    std::vector<std::string> stems;
    for (const diagram::Diagram& d : drawn)
        stems.push_back(table()->diagramStem(member, d, drawn.size()));
    return pageDiagrams(drawn, stems, std::move(problems), PageFontMeasure(std::move(measure)));
}

std::vector<WorkbookFile> tableWorkbook() {
    std::vector<WorkbookFile> files;
    if (!table()) return files;
    for (const table::WorkbookPart& part : table()->workbook())
        files.push_back({part.name, bytes(part.xml)});
    return files;
}

val warmUpTableBytes() {
    return bytes(warmUpTable());
}

val savedTable() {
    return table() ? bytes(table()->savedTable()) : val::null();
}

}  // namespace
}  // namespace pilaro::web

EMSCRIPTEN_BINDINGS(pilaro_table) {
    using namespace emscripten;
    using namespace pilaro::web;
    value_object<TableRecords>("TableRecords")
        .field("cells", &TableRecords::cells)
        .field("cellLengths", &TableRecords::cellLengths)
        .field("recordCells", &TableRecords::recordCells)
        .field("lines", &TableRecords::lines);
    value_object<HeldRecords>("HeldRecords")
        .field("cells", &HeldRecords::cells)
        .field("cellLengths", &HeldRecords::cellLengths)
        .field("recordCells", &HeldRecords::recordCells)
        .field("lines", &HeldRecords::lines);
    value_object<ShownColumn>("ShownColumn")
        .field("chinese", &ShownColumn::chinese)
        .field("english", &ShownColumn::english)
        .field("compactPlace", &ShownColumn::compactPlace);
    value_object<TableOpening>("TableOpening")
        .field("refusal", &TableOpening::refusal)
        .field("rowCount", &TableOpening::rowCount)
        .field("columns", &TableOpening::columns);
    value_object<RowsRun>("RowsRun")
        .field("cells", &RowsRun::cells)
        .field("cellEnds", &RowsRun::cellEnds)
        .field("marks", &RowsRun::marks)
        .field("widths", &RowsRun::widths)
        .field("rowsRun", &RowsRun::rowsRun);
    value_object<TableEnd>("TableEnd")
        .field("summary", &TableEnd::summary)
        .field("members", &TableEnd::members)
        .field("governing", &TableEnd::governing)
        .field("csv", &TableEnd::csv);
    value_object<FileKind>("FileKind")
        .field("kind", &FileKind::kind)
        .field("refusal", &FileKind::refusal);
    value_object<WorkbookFile>("WorkbookFile")
        .field("name", &WorkbookFile::name)
        .field("bytes", &WorkbookFile::bytes);
    register_vector<ShownColumn>("ShownColumns");
    register_vector<std::size_t>("Indexes");
    register_vector<WorkbookFile>("WorkbookFiles");
    function("tableEncoding", &encodingOf);
    function("undecodableText", &undecodable);
    function("tableSeparator", &separatorOf);
    function("unclosedQuote", &unclosedQuote);
    function("tablesNotStarted", &notStarted);
    function("warmUpTable", &warmUpTableBytes);
    function("fileKind", &kindOfFile);
    function("openTable", &openTable);
    function("tableRecords", &tableRecords);
    function("startWorkbook", &startWorkbook);
    function("workbookPartWanted", &workbookPartWanted);
    function("readWorkbookPart", &readWorkbookPart);
    function("openWorkbookTable", &openWorkbookTable);
    function("runTableRows", &runRows);
    function("tableAnswers", &tableAnswers);
    function("takeTableRows", &takeRows);
    function("tableEnd", &tableEnd);
    function("tableDiagrams", &tableDiagrams);
    function("tableWorkbook", &tableWorkbook);
    function("savedTable", &savedTable);
}
