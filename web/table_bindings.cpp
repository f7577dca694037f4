// What the page's table worker can call: a load-case table run as
// pilaro-batch runs it, and everything written of it, as plain JavaScript
// values. Nothing here decides anything; each call goes to table/ and
// diagram/, which pilaro-batch uses.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "table/separator.h"
#include "web/bound_values.h"
#include "web/diagram_values.h"
#include "web/engine_warm_up.h"
#include "web/page_table.h"
#include "web/page_workbook.h"

namespace pilaro::web {
namespace {

using emscripten::val;

std::string encodingOf(const std::string& bytes) {
    return std::string(tableEncoding(bytes));
}

std::string neitherEncodingOf(const std::string& bytes, long firstBadGb18030Line) {
    return neitherEncoding(bytes, firstBadGb18030Line);
}

std::string tablesNotStartedFor(const std::string& reason) {
    return tablesNotStarted(reason);
}

// The separator of a file's cells, from its first lines.
std::string separatorOf(const std::string& firstLines) {
    return std::string(1, table::separatorOfText(firstLines));
}

// The whole table in one call: `text` holds every record's cells in turn
// as UTF-8, `lengths` each cell's length in bytes, `counts` how many cells
// each record has, `lines` the line each starts on.
PageTable* makeTable(const std::string& text, val lengths, val counts, val lines) {
    const auto bytes = emscripten::convertJSArrayToNumberVector<std::size_t>(lengths);
    const auto sizes = emscripten::convertJSArrayToNumberVector<std::size_t>(counts);
    const auto starts = emscripten::convertJSArrayToNumberVector<long>(lines);
    std::vector<table::CellRow> records(std::min(sizes.size(), starts.size()));
    std::size_t cell = 0, at = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].line = starts[i];
        for (std::size_t k = 0; k < sizes[i] && cell < bytes.size(); ++k, ++cell) {
            records[i].cells.push_back(text.substr(std::min(at, text.size()), bytes[cell]));
            at += bytes[cell];
        }
    }
    return new PageTable(std::move(records));
}

// What a file's bytes are: { kind: "text" or "workbook" } or { refusal }.
val kindOfFile(const std::string& bytes, const std::string& name) {
    std::string refused;
    const std::string kind = fileKind(bytes, name, refused);
    val o = val::object();
    if (kind.empty())
        o.set("refusal", refused);
    else
        o.set("kind", kind);
    return o;
}

PageTable* tableOfWorkbook(PageWorkbook& workbook) {
    return new PageTable(workbook.takeRecords());
}

std::string workbookRefusal(const PageWorkbook& workbook) {
    return workbook.refusal();
}

void readPart(PageWorkbook& workbook, const std::string& events, bool found) {
    workbook.read(events, found);
}

std::string refusal(const PageTable& table) {
    return table.refusal();
}

val csv(PageTable& table) {
    return bytes(table.csv());
}

val shownCsv(PageTable& table) {
    return bytes(table.shownCsv());
}

val savedTable(const PageTable& table) {
    return bytes(table.savedTable());
}

// Each row's mark ("design", "pass", "fail", "none"), member and whether
// the summary names it.
val marks(const PageTable& table) {
    val o = val::object();
    o.set("mark",
          array(table.marks(), [](const MarkedRow& r) { return text(rowMarkName(r.mark)); }));
    o.set("member", array(table.marks(), [](const MarkedRow& r) { return val(r.member); }));
    o.set("governing", array(table.marks(), [](const MarkedRow& r) { return val(r.governing); }));
    return o;
}

val members(const PageTable& table) {
    val list = val::array();
    for (std::size_t i = 0; i < table.memberCount(); ++i)
        list.call<void>("push", table.memberTitle(i));
    return list;
}

val diagrams(const PageTable& table, std::size_t member, val measure) {
    std::vector<std::string> problems;
    const std::vector<diagram::Diagram> drawn = table.diagrams(member, problems);
    std::vector<std::string> stems;
    for (const diagram::Diagram& d : drawn)
        stems.push_back(table.diagramStem(member, d, drawn.size()));
    return diagramValues(drawn, stems, problems, std::move(measure));
}

// A cell: null when empty, a text, or {number, format}.
val sheetCell(const table::SheetCell& cell) {
    switch (cell.kind) {
        case table::SheetCell::Kind::Empty:
            return val::null();
        case table::SheetCell::Kind::Text:
            return val(cell.text);
        case table::SheetCell::Kind::Number: {
            val o = val::object();
            o.set("number", cell.number);
            o.set("format", cell.format);
            return o;
        }
    }
    return val::null();
}

// The workbook: its sheet's name, header rows, rows of cells and column
// widths.
val sheet(const PageTable& table) {
    val o = val::object();
    o.set("name", text(table::kSheetName));
    o.set("header", array(table.sheetHeader(), [](const std::vector<std::string>& names) {
              return array(names, text);
          }));
    o.set("widths", array(table.sheetWidths(),
                          [](double width) { return val(table::storedColumnWidth(width)); }));
    o.set("rows", array(table.sheetRows(), [](const std::vector<table::SheetCell>& row) {
              return array(row, sheetCell);
          }));
    return o;
}

}  // namespace
}  // namespace pilaro::web

EMSCRIPTEN_BINDINGS(pilaro_table) {
    using namespace pilaro::web;
    emscripten::function("tableEncoding", &encodingOf);
    emscripten::function("neitherEncoding", &neitherEncodingOf);
    emscripten::function("separatorOf", &separatorOf);
    emscripten::function("warmUpEngine", &warmUpEngine);
    emscripten::function("unclosedQuote", &unclosedQuote);
    emscripten::function("tablesNotStarted", &tablesNotStartedFor);
    emscripten::function("fileKind", &kindOfFile);
    emscripten::class_<PageWorkbook>("Workbook")
        .constructor<std::string>()
        .function("wanted", &PageWorkbook::wanted)
        .function("read", &readPart)
        .function("refusal", &workbookRefusal);
    emscripten::class_<PageTable>("TableRun")
        .constructor(&makeTable, emscripten::allow_raw_pointers())
        .constructor(&tableOfWorkbook, emscripten::allow_raw_pointers())
        .function("refusal", &refusal)
        .function("rowCount", &PageTable::rowCount)
        .function("run", &PageTable::run)
        .function("finished", &PageTable::finished)
        .function("csv", &csv)
        .function("shownCsv", &shownCsv)
        .function("summary", &PageTable::summary)
        .function("marks", &marks)
        .function("members", &members)
        .function("diagrams", &diagrams)
        .function("sheet", &sheet)
        .function("savedTable", &savedTable);
}
