#include <locale.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <map>
#include <optional>
#include <stdexcept>

#include "messages/file_messages.h"
#include "table/io_writers.h"
#include "table/sheet_cells.h"
#include "table/workbook_check.h"

namespace pilaro::table {

using messages::fileError;
using messages::FileProblem;

namespace {

// libxlsxwriter writes numbers with the C library's printf, which follows
// the locale: under a decimal-comma locale (Qt sets it from the
// environment as it starts) 147.792 would reach the sheet as "147,792".
// Every call into the library runs in the C locale.
class CLocaleCalls {
  public:
    CLocaleCalls() : previous_(uselocale(cLocale())) {}
    ~CLocaleCalls() { uselocale(previous_); }
    CLocaleCalls(const CLocaleCalls&) = delete;
    CLocaleCalls& operator=(const CLocaleCalls&) = delete;

  private:
    // Null, and so no change, only where the C locale cannot be had.
    static locale_t cLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
        return c;
    }
    locale_t previous_;
};

class XlsxWriter : public RowWriter {
  public:
    XlsxWriter(const std::string& path, const OutputLayout& layout) : path_(path), layout_(layout) {
        const CLocaleCalls inC;
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;  // rows go to disk as they come
        workbook_ = workbook_new_opt(path.c_str(), &options);
        if (!workbook_) throw fileError(FileProblem::WorkbookNotCreated, {});
        sheet_ = workbook_add_worksheet(workbook_, std::string(kSheetName).c_str());
        bold_ = workbook_add_format(workbook_);
        format_set_bold(bold_);
        const auto header = sheetHeaderRows(layout_);
        for (const std::vector<std::string>& names : header) writeHeader(names);
        // The header rows stay in view.
        worksheet_freeze_panes(sheet_, static_cast<lxw_row_t>(header.size()), 0);
    }

    ~XlsxWriter() override {
        // Not finished: the workbook's own temporary files go; the caller
        // removes the output file.
        const CLocaleCalls inC;
        if (workbook_) workbook_close(workbook_);
    }

    void write(const RowOutcome& o) override {
        const CLocaleCalls inC;
        if (row_ >= LXW_ROW_MAX) throw fileError(FileProblem::SheetFull, {});
        lxw_col_t col = 0;
        for (const SheetCell& cell : sheetRow(o, layout_)) {
            widths_.fit(col, cell);
            if (cell.kind == SheetCell::Kind::Text)
                check(worksheet_write_string(sheet_, row_, col, cell.text.c_str(), nullptr));
            if (cell.kind == SheetCell::Kind::Number)
                check(
                    worksheet_write_number(sheet_, row_, col, cell.number, formatFor(cell.format)));
            ++col;
        }
        ++row_;
    }

    void finish() override {
        const CLocaleCalls inC;
        const std::vector<double>& widths = widths_.widths();
        for (lxw_col_t col = 0; col < widths.size(); ++col)
            check(worksheet_set_column(sheet_, col, col, widths[col], nullptr));
        check(worksheet_autofilter(
            sheet_, static_cast<lxw_row_t>(kSheetFilterRow), 0,
            std::max<lxw_row_t>(row_ - 1, static_cast<lxw_row_t>(kSheetFilterRow)),
            static_cast<lxw_col_t>(widths.size() - 1)));
        lxw_workbook* workbook = workbook_;
        workbook_ = nullptr;
        check(workbook_close(workbook));
        // The library writes the rows and parts to temporary files without
        // looking at the result; a full disk there would leave a sheet cut
        // short that its close does not report.
        if (const std::optional<messages::Message> fault = workbookFault(path_, row_))
            throw fileError(FileProblem::WorkbookNotWritten, {*fault});
    }

  private:
    void writeHeader(const std::vector<std::string>& names) {
        lxw_col_t col = 0;
        for (const std::string& name : names) {
            widths_.fitHeader(col, name);
            check(worksheet_write_string(sheet_, row_, col++, name.c_str(), bold_));
        }
        ++row_;
    }

    lxw_format* formatFor(const std::string& code) {
        if (code.empty()) return nullptr;
        lxw_format*& format = formats_[code];
        if (!format) {
            format = workbook_add_format(workbook_);
            format_set_num_format(format, code.c_str());
        }
        return format;
    }

    static void check(lxw_error error) {
        if (error != LXW_NO_ERROR)
            throw fileError(FileProblem::WorkbookNotWritten, {lxw_strerror(error)});
    }

    std::string path_;
    OutputLayout layout_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* bold_ = nullptr;
    std::map<std::string, lxw_format*> formats_;
    lxw_row_t row_ = 0;
    SheetColumnWidths widths_;
};

}  // namespace

std::unique_ptr<RowWriter> makeXlsxWriter(const std::string& path, const OutputLayout& layout) {
    return std::make_unique<XlsxWriter>(path, layout);
}

}  // namespace pilaro::table
