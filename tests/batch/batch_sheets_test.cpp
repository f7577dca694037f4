// pilaro-batch on the sheets engineers keep: a title row, a units row and
// a remarks column, Unicode text and .xlsx workbooks, each run as its
// clean CSV twin; files it cannot read, told in both languages.
#include <gtest/gtest.h>
#include <iconv.h>
#include <xlsxwriter.h>

#include <nlohmann/json.hpp>
#include <string>
#include <variant>
#include <vector>

#include "tests/batch/batch_process.h"

namespace pilaro::test {
namespace {

using nlohmann::json;

// A cell of a workbook made for a test: a text, a number, a formula with
// its result, or a date.
struct Formula {
    std::string formula;
    double result;
};
struct Date {
    int year, month, day;
};
using Cell = std::variant<std::monostate, std::string, double, Formula, Date>;
using Sheet = std::vector<std::vector<Cell>>;

// Made with libxlsxwriter: shared strings, or with `inlineStrings` (its
// constant-memory mode) inline ones.
void writeWorkbook(const std::filesystem::path& path,
                   const std::vector<std::pair<std::string, Sheet>>& sheets, bool inlineStrings) {
    lxw_workbook_options options{};
    options.constant_memory = inlineStrings ? LXW_TRUE : LXW_FALSE;
    lxw_workbook* workbook = workbook_new_opt(path.c_str(), &options);
    lxw_format* date = workbook_add_format(workbook);
    format_set_num_format(date, "yyyy-mm-dd");
    for (const auto& [name, rows] : sheets) {
        lxw_worksheet* sheet = workbook_add_worksheet(workbook, name.c_str());
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c) {
                const auto row = static_cast<lxw_row_t>(r);
                const auto col = static_cast<lxw_col_t>(c);
                const Cell& cell = rows[r][c];
                if (const auto* text = std::get_if<std::string>(&cell))
                    worksheet_write_string(sheet, row, col, text->c_str(), nullptr);
                if (const auto* number = std::get_if<double>(&cell))
                    worksheet_write_number(sheet, row, col, *number, nullptr);
                if (const auto* f = std::get_if<Formula>(&cell))
                    worksheet_write_formula_num(sheet, row, col, f->formula.c_str(), nullptr,
                                                f->result);
                if (const auto* d = std::get_if<Date>(&cell)) {
                    lxw_datetime when{d->year, d->month, d->day, 0, 0, 0};
                    worksheet_write_datetime(sheet, row, col, &when, date);
                }
            }
    }
    ASSERT_EQ(workbook_close(workbook), LXW_NO_ERROR);
}

std::string converted(const std::string& utf8, const char* to) {
    iconv_t convert = iconv_open(to, "UTF-8");
    std::string in = utf8, out(utf8.size() * 4 + 4, '\0');
    char* from = in.data();
    char* into = out.data();
    std::size_t left = in.size(), room = out.size();
    iconv(convert, &from, &left, &into, &room);
    iconv_close(convert);
    out.resize(out.size() - room);
    return out;
}

const std::vector<std::string> kHeader = {"名称",     "构件",     "类型",     "混凝土标号",
                                          "钢筋等级", "轴向力",   "弯矩",     "直径",
                                          "保护层",   "计算长度", "钢筋面积", "钢筋"};
// A design, a check that passes, one that fails and a row that cannot be
// read: the worked examples, D = 1.2, a = 0.05, l0 = 10.
const std::vector<std::vector<std::string>> kRows = {
    {"d", "P1", "配筋计算", "25号", "Ⅱ级", "5000", "3000", "1.2", "0.05", "10", "", ""},
    {"c", "P1", "强度校核", "25号", "Ⅱ级", "5000", "1500", "1.2", "0.05", "10", "45.239", ""},
    {"f", "P2", "强度校核", "25号", "Ⅱ级", "8000", "3000", "1.2", "0.05", "10", "", "24D28"},
    {"e", "P2", "配筋计算", "25号", "Ⅱ级", "5000kN", "3000", "1.2", "0.05", "10", "", ""},
};

std::string joined(const std::vector<std::string>& cells, char separator) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i)
        line += (i ? std::string(1, separator) : "") + cells[i];
    return line + "\n";
}

std::string twinText(char separator) {
    std::string text = joined(kHeader, separator);
    for (const auto& row : kRows) text += joined(row, separator);
    return text;
}

// The rows as a sheet: numbers as numbers, texts as texts.
Sheet twinSheet() {
    Sheet sheet;
    sheet.emplace_back(kHeader.begin(), kHeader.end());
    for (const auto& row : kRows) {
        std::vector<Cell> cells;
        for (std::size_t c = 0; c < row.size(); ++c) {
            char* end = nullptr;
            const double number = std::strtod(row[c].c_str(), &end);
            if (row[c].empty())
                cells.emplace_back();
            else if (c >= 5 && c <= 10 && *end == '\0')
                cells.emplace_back(number);
            else
                cells.emplace_back(row[c]);
        }
        sheet.push_back(cells);
    }
    return sheet;
}

// The rows of a JSON Lines output without what differs between twins: the
// line each row stands on, and the other columns.
std::vector<json> comparable(const std::string& out) {
    std::vector<json> rows;
    for (const std::string& line : splitLines(out)) {
        json row = json::parse(line);
        row.erase("row");
        for (const char* other : {"备注", "墩号"}) row["input"].erase(other);
        rows.push_back(row);
    }
    return rows;
}

TEST(BatchSheets, EachTwinRunsAsItsCleanCsvTwin) {
    ScratchFolder folder;
    folder.write("twin.csv", twinText(','));
    const BatchRun clean = runBatch(folder, {"twin.csv", "-f", "json"});
    ASSERT_EQ(clean.status, 3) << clean.err;
    ASSERT_EQ(comparable(clean.out).size(), kRows.size());

    // A title row, notes, a remarks column and a units row in Chinese.
    std::string titled = "XX大桥桥墩荷载组合表\n说明：荷载为基本组合,,编制：张三\n";
    std::vector<std::string> header = kHeader;
    header.insert(header.begin() + 2, "墩号");
    header.push_back("备注");
    titled += joined(header, ',');
    titled += ",,,,,,千牛,千牛·米,米,m,(米),平方厘米,,\n";
    for (auto row : kRows) {
        row.insert(row.begin() + 2, "3#");
        row.push_back("主墩");
        titled += joined(row, ',');
    }
    folder.write("titled.csv", titled);
    folder.write("unicode.txt", converted(twinText('\t'), "UTF-16"));  // with its mark
    folder.write("unicode-le.txt", "\xFF\xFE" + converted(twinText('\t'), "UTF-16LE"));
    folder.write("unicode-be.txt", "\xFE\xFF" + converted(twinText('\t'), "UTF-16BE"));
    writeWorkbook(folder.path() / "shared.xlsx", {{"荷载", twinSheet()}}, false);
    Sheet withTitle = twinSheet();
    withTitle.insert(withTitle.begin(), {std::string("XX大桥桥墩荷载组合表")});
    withTitle[2][5] = Formula{"=2500*2", 5000};
    writeWorkbook(folder.path() / "inline.xlsx", {{"荷载", withTitle}}, true);
    writeWorkbook(folder.path() / "second.xlsx",
                  {{"说明", {{std::string("见下页")}}}, {"P", twinSheet()}}, false);
    // A workbook from standard input, and by another extension.
    std::filesystem::copy_file(folder.path() / "shared.xlsx", folder.path() / "SHARED.XLSX");

    const struct {
        std::vector<std::string> args;
        std::string standardInput;
    } twins[] = {
        {{"titled.csv"}, "/dev/null"},
        {{"unicode.txt"}, "/dev/null"},
        {{"unicode-le.txt"}, "/dev/null"},
        {{"unicode-be.txt"}, "/dev/null"},
        {{"shared.xlsx"}, "/dev/null"},
        {{"inline.xlsx"}, "/dev/null"},
        {{"second.xlsx", "--sheet", "P"}, "/dev/null"},
        {{"SHARED.XLSX"}, "/dev/null"},
        {{"-"}, (folder.path() / "inline.xlsx").string()},
    };
    for (const auto& twin : twins) {
        std::vector<std::string> args = twin.args;
        args.insert(args.end(), {"-f", "json"});
        const BatchRun run = runBatch(folder, args, {.standardInput = twin.standardInput});
        EXPECT_EQ(run.status, clean.status) << args[0] << run.err;
        EXPECT_EQ(comparable(run.out), comparable(clean.out)) << args[0] << run.err;
        // The same row's message, on the line where the row stands.
        const auto message = [](const std::string& err) {
            const std::string text = err.substr(err.find("行："));
            return text.substr(0, text.find('\n'));
        };
        EXPECT_EQ(message(run.err), message(clean.err)) << args[0];
    }

    // The other columns come after the input columns, as text, under their
    // headings, in every output.
    ASSERT_EQ(runBatch(folder, {"titled.csv", "-o", "titled-out.csv"}).status, 3);
    const std::string csv = folder.read("titled-out.csv");
    EXPECT_TRUE(
        csv.starts_with("\xEF\xBB\xBFname,member,type,concrete,steel,Nj,Mj,D,a,l0,Ag,bars,"
                        "墩号,备注,row,status,"))
        << csv.substr(0, 200);
    EXPECT_NE(csv.find(",10,,,3#,主墩,5,done,"), std::string::npos) << csv;
    const BatchRun json = runBatch(folder, {"titled.csv", "-f", "json"});
    EXPECT_EQ(json::parse(splitLines(json.out)[0])["input"]["墩号"], "3#");
    EXPECT_EQ(json::parse(splitLines(json.out)[0])["row"], 5);
}

TEST(BatchSheets, ADateCellIsItsRowsErrorNamingTheCell) {
    ScratchFolder folder;
    Sheet sheet = twinSheet();
    sheet[2][5] = Date{2024, 3, 5};
    writeWorkbook(folder.path() / "dated.xlsx", {{"荷载", sheet}}, false);
    const BatchRun run = runBatch(folder, {"dated.xlsx", "-f", "json"});
    EXPECT_EQ(run.status, 3);
    const json row = json::parse(splitLines(run.out)[1]);
    EXPECT_EQ(row["status"], "input-error");
    EXPECT_EQ(row["errors"], json::array({"cell F3 holds a date, which is not read; format the "
                                          "cell as General and type its value again"}));
    EXPECT_NE(run.err.find("第 3 行：单元格 F3 是日期，本程序不读取日期"), std::string::npos)
        << run.err;
}

// Files that are no table this program reads, and sheets that are not
// there: what they seem to be, and what to do, in either language.
TEST(BatchSheets, FilesItCannotReadAreToldInEitherLanguage) {
    ScratchFolder folder;
    folder.write("old.xls",
                 std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(600, '\0'));
    folder.write("nomark.txt", std::string("n\0a\0m\0e\0\n\0", 10));
    folder.write("picture.png", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    folder.write("broken.xlsx", std::string("PK\x03\x04", 4) + std::string(100, 'x'));
    folder.write("twin.csv", twinText(','));
    writeWorkbook(folder.path() / "book.xlsx", {{"荷载", twinSheet()}}, false);
    const struct {
        std::vector<std::string> args;
        const char* chinese;
        const char* english;
    } cases[] = {
        {{"old.xls"},
         "old.xls 是 Excel 97-2003 工作簿（.xls），本程序不读取；请在 Excel 中另存为",
         "old.xls is an Excel 97-2003 workbook (.xls), which this program does not read; save"},
        {{"nomark.txt"},
         "nomark.txt 似乎是没有字节顺序标记（BOM）的 UTF-16 文本",
         "nomark.txt seems to be UTF-16 text without a byte-order mark"},
        {{"picture.png"},
         "picture.png 似乎是二进制文件，不是表格；请把荷载组合表另存为",
         "picture.png seems to be a binary file, not a table; save the table"},
        {{"broken.xlsx"},
         "无法读取工作簿 broken.xlsx：它不是 zip 文件",
         "cannot read the workbook broken.xlsx: it is no zip archive"},
        {{"book.xlsx", "--sheet", "P9"},
         "工作簿中没有名为“P9”的工作表；工作表有：“荷载”",
         "the workbook has no sheet \"P9\"; its sheets are \"荷载\""},
        {{"twin.csv", "--sheet", "P1"},
         "--sheet “P1” 只用于 Excel 工作簿（.xlsx），而 twin.csv 不是工作簿",
         "--sheet \"P1\" is for an Excel workbook (.xlsx), and twin.csv is none"},
    };
    for (const auto& c : cases)
        for (const bool english : {false, true}) {
            std::vector<std::string> args = c.args;
            if (english) args.insert(args.end(), {"--lang", "en"});
            const BatchRun run = runBatch(folder, args);
            EXPECT_EQ(run.status, 2) << c.english;
            EXPECT_EQ(
                run.err.find(std::string("pilaro-batch: ") + (english ? c.english : c.chinese)), 0u)
                << run.err;
        }
}

}  // namespace
}  // namespace pilaro::test
