#include "table/workbook_xml.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace pilaro::table {

namespace {

constexpr std::string_view kDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr std::string_view kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr std::string_view kRelationships =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr std::string_view kPackageRelationships =
    "http://schemas.openxmlformats.org/package/2006/relationships";

// The styles: the default, bold for the header rows, then one for each
// number format.
constexpr std::size_t kBoldStyle = 1;
constexpr std::size_t kFirstFormatStyle = 2;
// The number formats that are no built-in one are numbered from here.
constexpr std::size_t kFirstCustomFormat = 164;

// "A", "B", … "Z", "AA", …
std::string columnName(std::size_t column) {
    std::string name;
    for (std::size_t n = column + 1; n > 0; n = (n - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    return name;
}

std::string cellName(std::size_t row, std::size_t column) {
    return columnName(column) + std::to_string(row + 1);
}

// A number as libxlsxwriter writes it: "%.16G" in the C locale, which the
// page's C library always has.
std::string numberText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.16G", value);
    return text;
}

void appendEscaped(std::string& out, std::string_view text, bool attribute) {
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += attribute ? "&quot;" : "\"";
                break;
            default:
                out += c;
        }
    }
}

std::string escaped(std::string_view text) {
    std::string out;
    appendEscaped(out, text, true);
    return out;
}

// A text cell's string; blanks at its ends are kept only when the XML says
// so.
void appendInlineString(std::string& out, std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    const bool keep = !text.empty() && (blank(text.front()) || blank(text.back()));
    out += keep ? "<is><t xml:space=\"preserve\">" : "<is><t>";
    appendEscaped(out, text, false);
    out += "</t></is>";
}

std::string contentTypes() {
    std::string xml(kDeclaration);
    xml +=
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/xl/styles.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
        "<Override PartName=\"/xl/workbook.xml\" "
        "ContentType=\"application/"
        "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
        "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
        "ContentType=\"application/"
        "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
        "</Types>";
    return xml;
}

std::string relationship(std::string_view id, std::string_view type, std::string_view target) {
    return "<Relationship Id=\"" + std::string(id) + "\" Type=\"" + std::string(type) +
           "\" Target=\"" + std::string(target) + "\"/>";
}

std::string packageRelationships() {
    std::string xml(kDeclaration);
    xml += "<Relationships xmlns=\"" + std::string(kPackageRelationships) + "\">";
    xml += relationship("rId1", std::string(kRelationships) + "/officeDocument", "xl/workbook.xml");
    xml += "</Relationships>";
    return xml;
}

std::string workbookRelationships() {
    std::string xml(kDeclaration);
    xml += "<Relationships xmlns=\"" + std::string(kPackageRelationships) + "\">";
    xml +=
        relationship("rId1", std::string(kRelationships) + "/worksheet", "worksheets/sheet1.xml");
    xml += relationship("rId2", std::string(kRelationships) + "/styles", "styles.xml");
    xml += "</Relationships>";
    return xml;
}

}  // namespace

WorkbookXml::WorkbookXml(const OutputLayout& layout) : layout_(layout) {
    for (const std::vector<std::string>& names : sheetHeaderRows(layout_)) {
        std::vector<SheetCell> cells;
        for (std::size_t column = 0; column < names.size(); ++column) {
            widths_.fitHeader(column, names[column]);
            cells.push_back({SheetCell::Kind::Text, names[column], 0, {}});
        }
        addRow(cells, true);
    }
}

void WorkbookXml::add(const RowOutcome& outcome) {
    const std::vector<SheetCell> cells = sheetRow(outcome, layout_);
    for (std::size_t column = 0; column < cells.size(); ++column)
        widths_.fit(column, cells[column]);
    addRow(cells, false);
}

void WorkbookXml::addRow(const std::vector<SheetCell>& cells, bool bold) {
    columns_ = std::max(columns_, cells.size());
    sheetData_ += "<row r=\"" + std::to_string(rows_ + 1) + "\">";
    for (std::size_t column = 0; column < cells.size(); ++column) {
        const SheetCell& cell = cells[column];
        if (cell.kind == SheetCell::Kind::Empty) continue;
        // A number that is none (never read from a cell) is kept as its text.
        const bool number = cell.kind == SheetCell::Kind::Number && std::isfinite(cell.number);
        const std::size_t style = bold ? kBoldStyle : number ? styleOf(cell.format) : 0;
        sheetData_ += "<c r=\"" + cellName(rows_, column) + "\"";
        if (style != 0) sheetData_ += " s=\"" + std::to_string(style) + "\"";
        if (number) {
            sheetData_ += "><v>" + numberText(cell.number) + "</v></c>";
        } else {
            sheetData_ += " t=\"inlineStr\">";
            appendInlineString(sheetData_, cell.text);
            sheetData_ += "</c>";
        }
    }
    sheetData_ += "</row>";
    ++rows_;
}

std::size_t WorkbookXml::styleOf(const std::string& format) {
    if (format.empty()) return 0;
    auto at = std::find(formats_.begin(), formats_.end(), format);
    if (at == formats_.end()) at = formats_.insert(formats_.end(), format);
    return kFirstFormatStyle + static_cast<std::size_t>(at - formats_.begin());
}

// The filter's range: the Chinese header row down to the last row.
std::string WorkbookXml::filterRange(bool absolute) const {
    const std::size_t last = std::max(rows_, kSheetFilterRow + 1) - 1;
    const std::size_t lastColumn = std::max<std::size_t>(columns_, 1) - 1;
    const std::string dollar = absolute ? "$" : "";
    return dollar + columnName(0) + dollar + std::to_string(kSheetFilterRow + 1) + ":" + dollar +
           columnName(lastColumn) + dollar + std::to_string(last + 1);
}

std::string WorkbookXml::sheet() const {
    const std::size_t headerRows = sheetHeaderRows(layout_).size();
    std::string xml(kDeclaration);
    xml += "<worksheet xmlns=\"" + std::string(kMain) + "\" xmlns:r=\"" +
           std::string(kRelationships) + "\">";
    xml += "<dimension ref=\"A1:" + cellName(rows_ - 1, std::max<std::size_t>(columns_, 1) - 1) +
           "\"/>";
    // The header rows stay in view.
    xml += "<sheetViews><sheetView tabSelected=\"1\" workbookViewId=\"0\"><pane ySplit=\"" +
           std::to_string(headerRows) + "\" topLeftCell=\"" + cellName(headerRows, 0) +
           "\" activePane=\"bottomLeft\" state=\"frozen\"/><selection pane=\"bottomLeft\"/>"
           "</sheetView></sheetViews>";
    xml += "<sheetFormatPr defaultRowHeight=\"15\"/><cols>";
    const std::vector<double>& widths = widths_.widths();
    for (std::size_t column = 0; column < widths.size(); ++column) {
        const std::string n = std::to_string(column + 1);
        xml += "<col min=\"" + n + "\" max=\"" + n + "\" width=\"" +
               numberText(storedColumnWidth(widths[column])) + "\" customWidth=\"1\"/>";
    }
    xml += "</cols><sheetData>";
    xml += sheetData_;
    xml += "</sheetData><autoFilter ref=\"" + filterRange(false) + "\"/>";
    xml +=
        "<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0.3\" "
        "footer=\"0.3\"/></worksheet>";
    return xml;
}

std::string WorkbookXml::styles() const {
    std::string xml(kDeclaration);
    xml += "<styleSheet xmlns=\"" + std::string(kMain) + "\">";
    if (!formats_.empty()) {
        xml += "<numFmts count=\"" + std::to_string(formats_.size()) + "\">";
        for (std::size_t i = 0; i < formats_.size(); ++i)
            xml += "<numFmt numFmtId=\"" + std::to_string(kFirstCustomFormat + i) +
                   "\" formatCode=\"" + escaped(formats_[i]) + "\"/>";
        xml += "</numFmts>";
    }
    xml +=
        "<fonts count=\"2\"><font><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/>"
        "</font><font><b/><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/></font>"
        "</fonts><fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill><fill>"
        "<patternFill patternType=\"gray125\"/></fill></fills><borders count=\"1\"><border>"
        "<left/><right/><top/><bottom/><diagonal/></border></borders><cellStyleXfs "
        "count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/>"
        "</cellStyleXfs>";
    xml += "<cellXfs count=\"" + std::to_string(kFirstFormatStyle + formats_.size()) + "\">";
    xml += "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>";
    xml +=
        "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyFont=\"1\"/>";
    for (std::size_t i = 0; i < formats_.size(); ++i)
        xml += "<xf numFmtId=\"" + std::to_string(kFirstCustomFormat + i) +
               "\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"/>";
    xml +=
        "</cellXfs><cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" "
        "builtinId=\"0\"/></cellStyles><dxfs count=\"0\"/><tableStyles count=\"0\" "
        "defaultTableStyle=\"TableStyleMedium9\" defaultPivotStyle=\"PivotStyleLight16\"/>"
        "</styleSheet>";
    return xml;
}

std::string WorkbookXml::workbook() const {
    const std::string sheetName(kSheetName);
    std::string xml(kDeclaration);
    xml += "<workbook xmlns=\"" + std::string(kMain) + "\" xmlns:r=\"" +
           std::string(kRelationships) + "\">";
    xml +=
        "<bookViews><workbookView xWindow=\"240\" yWindow=\"15\" windowWidth=\"16095\" "
        "windowHeight=\"9660\"/></bookViews>";
    xml +=
        "<sheets><sheet name=\"" + escaped(sheetName) + "\" sheetId=\"1\" r:id=\"rId1\"/></sheets>";
    // The filter's range, as spreadsheets name it.
    xml +=
        "<definedNames><definedName name=\"_xlnm._FilterDatabase\" localSheetId=\"0\" "
        "hidden=\"1\">" +
        escaped(sheetName) + "!" + filterRange(true) + "</definedName></definedNames>";
    xml += "<calcPr calcId=\"124519\" fullCalcOnLoad=\"1\"/></workbook>";
    return xml;
}

std::vector<WorkbookPart> WorkbookXml::parts() const {
    return {
        {"[Content_Types].xml", contentTypes()},
        {"_rels/.rels", packageRelationships()},
        {"xl/workbook.xml", workbook()},
        {"xl/_rels/workbook.xml.rels", workbookRelationships()},
        {"xl/styles.xml", styles()},
        {"xl/worksheets/sheet1.xml", sheet()},
    };
}

}  // namespace pilaro::table
