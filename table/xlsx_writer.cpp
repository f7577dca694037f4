#include <fcntl.h>
#include <locale.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <optional>
#include <stdexcept>
#include <system_error>

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

// The library tells of a failure with lines of its own on standard error
// ("[ERROR] workbook_close(): ..."), which would reach the user beside the
// run's own message: around the calls that touch files, standard error
// goes nowhere. The writer's calls are made one at a time, and no other
// part of a run writes to standard error meanwhile.
class LibraryLinesHeld {
  public:
    LibraryLinesHeld() {
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && nowhere >= 0) dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0) close(nowhere);
    }
    ~LibraryLinesHeld() {
        std::fflush(stderr);
        if (saved_ < 0) return;
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
    LibraryLinesHeld(const LibraryLinesHeld&) = delete;
    LibraryLinesHeld& operator=(const LibraryLinesHeld&) = delete;

  private:
    int saved_ = -1;
};

// What a failed call into the library leaves: the system's reason where
// it has one (a full disk), else the library's own.
[[noreturn]] void throwWorkbookError(lxw_error error, int systemError) {
    if (systemError != 0) throw WriteFailure(messages::systemReason(systemError));
    throw WriteFailure(messages::Message(lxw_strerror(error)));
}

class XlsxWriter : public RowWriter {
  public:
    XlsxWriter(const std::string& path, const OutputLayout& layout, std::size_t mostLoadCases)
        : path_(path), layout_(layout), mostLoadCases_(mostLoadCases) {
        const CLocaleCalls inC;
        const LibraryLinesHeld held;
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;  // rows go to disk as they come
        errno = 0;
        workbook_ = workbook_new_opt(path.c_str(), &options);
        if (!workbook_) throw fileError(FileProblem::WorkbookNotCreated, {});
        sheet_ = workbook_add_worksheet(workbook_, std::string(kSheetName).c_str());
        if (!sheet_) throwWorkbookError(LXW_ERROR_CREATING_TMPFILE, errno);
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
        const LibraryLinesHeld held;
        if (workbook_) workbook_close(workbook_);
    }

    FormattedRow format(const RowOutcome& o) const override {
        FormattedRow row;
        row.cells = sheetRow(o, layout_);
        return row;
    }

    void writeFormatted(FormattedRow&& row) override {
        const CLocaleCalls inC;
        if (loadCases_ >= mostLoadCases_) throw tooManyRowsForSheet(mostLoadCases_);
        ++loadCases_;
        lxw_col_t col = 0;
        for (const SheetCell& cell : row.cells) {
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
        {
            const LibraryLinesHeld held;
            errno = 0;
            const lxw_error closed = workbook_close(workbook);
            if (closed != LXW_NO_ERROR) throwWorkbookError(closed, errno);
        }
        // The library writes the rows and parts to temporary files without
        // looking at the result; a full disk there would leave a sheet cut
        // short that its close does not report.
        if (const std::optional<messages::Message> fault = workbookFault(path_, row_))
            throw WriteFailure(*fault);
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
        if (error != LXW_NO_ERROR) throw WriteFailure(messages::Message(lxw_strerror(error)));
    }

    std::string path_;
    OutputLayout layout_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* bold_ = nullptr;
    std::map<std::string, lxw_format*> formats_;
    lxw_row_t row_ = 0;
    std::size_t mostLoadCases_;
    std::size_t loadCases_ = 0;
    SheetColumnWidths widths_;
};

}  // namespace

std::unique_ptr<RowWriter> makeXlsxWriter(const std::string& path, const OutputLayout& layout,
                                          std::size_t mostLoadCases) {
    return std::make_unique<XlsxWriter>(path, layout, std::min(mostLoadCases, kMostSheetLoadCases));
}

}  // namespace pilaro::table
