#include <locale.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <map>
#include <optional>
#include <stdexcept>

#include "table/cell_values.h"
#include "table/io_writers.h"
#include "table/utf8.h"
#include "table/workbook_check.h"

namespace pilaro::table {

namespace {

constexpr std::size_t kLongestCellText = 32000;  // a sheet's cell holds 32767 characters

// Valid UTF-8 without control characters, as the sheet's XML must be;
// anything else becomes U+FFFD.
std::string sheetText(std::string_view text) {
    std::string out;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size() && characters < kLongestCellText; ++characters) {
        const std::size_t length = utf8CharLength(text, i);
        const auto lead = static_cast<unsigned char>(text[i]);
        if (length > 0 && (lead >= 0x20 || lead == '\t' || lead == '\n')) {
            out.append(text, i, length);
            i += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

// How wide a text shows, in widths of a digit: Chinese characters and
// full-width signs are two digits wide.
double shownWidth(std::string_view text) {
    double width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = std::max<std::size_t>(utf8CharLength(text, i), 1);
        // From U+1100 on, characters are three or four bytes long; the wide
        // ones of a Chinese table (CJK, full-width forms, Ⅱ) all are.
        const bool wide = length >= 3 && static_cast<unsigned char>(text[i]) >= 0xE1;
        width += wide ? 2 : 1;
        i += length;
    }
    return width;
}

// The format that shows a number as the window's read-out text does:
// ".0183" under "#.0000", "183" under "0"; exponent forms under General.
std::string numberFormatOf(std::string_view text) {
    if (text.find('E') != std::string_view::npos) return {};
    const auto point = text.find('.');
    if (point == std::string_view::npos) return "0";
    return "#." + std::string(text.size() - point - 1, '0');
}

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
    explicit XlsxWriter(const std::string& path) : path_(path) {
        const CLocaleCalls inC;
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;  // rows go to disk as they come
        workbook_ = workbook_new_opt(path.c_str(), &options);
        if (!workbook_) throw std::runtime_error("cannot create the workbook");
        sheet_ = workbook_add_worksheet(workbook_, "pilaro");
        bold_ = workbook_add_format(workbook_);
        format_set_bold(bold_);
        const std::vector<std::string_view> english = outputColumnNames();
        writeHeader(std::vector<std::string>(english.begin(), english.end()));
        writeHeader(outputColumnNamesChinese());
        // The header rows stay in view; the filter sits on the Chinese one.
        worksheet_freeze_panes(sheet_, 2, 0);
    }

    ~XlsxWriter() override {
        // Not finished: the workbook's own temporary files go; the caller
        // removes the output file.
        const CLocaleCalls inC;
        if (workbook_) workbook_close(workbook_);
    }

    void write(const RowOutcome& o) override {
        const CLocaleCalls inC;
        if (row_ >= LXW_ROW_MAX) throw std::runtime_error("more rows than a sheet holds");
        lxw_col_t col = 0;
        for (std::size_t i = 0; i < kColumnCount; ++i) {
            const NumberCell number = readNumber(o.row.cells[i]);
            const bool numeric = static_cast<Column>(i) >= Column::Nj &&
                                 static_cast<Column>(i) <= Column::Ag &&
                                 number.problem == NumberProblem::None;
            if (numeric) {
                fit(col, o.row.cells[i]);
                check(worksheet_write_number(sheet_, row_, col++, number.value, nullptr));
            } else {
                text(col++, o.row.cells[i]);
            }
        }
        fit(col, std::to_string(o.row.line));
        check(
            worksheet_write_number(sheet_, row_, col++, static_cast<double>(o.row.line), nullptr));
        text(col++, o.status);
        text(col++, o.message);
        text(col++, o.statusText);
        for (const std::string& readOut : o.readOuts) {
            const NumberCell number = readNumber(readOut);
            if (number.problem == NumberProblem::None) {
                fit(col, readOut);
                check(
                    worksheet_write_number(sheet_, row_, col++, number.value, formatFor(readOut)));
            } else {
                text(col++, readOut);
            }
        }
        ++row_;
    }

    void finish() override {
        const CLocaleCalls inC;
        for (lxw_col_t col = 0; col < widths_.size(); ++col)
            check(worksheet_set_column(sheet_, col, col, widths_[col], nullptr));
        check(worksheet_autofilter(sheet_, 1, 0, std::max<lxw_row_t>(row_ - 1, 1),
                                   static_cast<lxw_col_t>(widths_.size() - 1)));
        lxw_workbook* workbook = workbook_;
        workbook_ = nullptr;
        check(workbook_close(workbook));
        // The library writes the rows and parts to temporary files without
        // looking at the result; a full disk there would leave a sheet cut
        // short that its close does not report.
        if (const std::optional<std::string> fault = workbookFault(path_, row_))
            throw std::runtime_error("the workbook cannot be written: " + *fault);
    }

  private:
    void writeHeader(const std::vector<std::string>& names) {
        widths_.resize(names.size(), kNarrowest);
        lxw_col_t col = 0;
        for (const std::string& name : names) {
            // Bold, and the filter's button beside it.
            fit(col, name, 3);
            check(worksheet_write_string(sheet_, row_, col++, name.c_str(), bold_));
        }
        ++row_;
    }

    void text(lxw_col_t col, std::string_view value) {
        if (value.empty()) return;
        const std::string shown = sheetText(value);
        fit(col, shown);
        check(worksheet_write_string(sheet_, row_, col, shown.c_str(), nullptr));
    }

    // Widens the column to show `shown` whole, up to the widest a column
    // gets (a long message wraps in the cell's own view).
    void fit(lxw_col_t col, std::string_view shown, double extra = 1) {
        widths_[col] = std::clamp(shownWidth(shown) + extra, widths_[col], kWidest);
    }

    lxw_format* formatFor(std::string_view readOut) {
        const std::string code = numberFormatOf(readOut);
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
            throw std::runtime_error(std::string("the workbook cannot be written: ") +
                                     lxw_strerror(error));
    }

    std::string path_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* bold_ = nullptr;
    std::map<std::string, lxw_format*> formats_;
    lxw_row_t row_ = 0;
    std::vector<double> widths_;  // of each column, in widths of a digit

    static constexpr double kNarrowest = 4;
    static constexpr double kWidest = 60;
};

}  // namespace

std::unique_ptr<RowWriter> makeXlsxWriter(const std::string& path) {
    return std::make_unique<XlsxWriter>(path);
}

}  // namespace pilaro::table
