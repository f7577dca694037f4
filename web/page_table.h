// A load-case table in the page, run as pilaro-batch runs a file: the same
// header, cell and row rules, and everything pilaro-batch writes of it (the
// CSV output byte for byte, the workbook's cells, the members' summary, the
// members' diagrams), from records that the page's CSV reading gives. It
// runs a few rows at a time, so that the page stays responsive.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "diagram/diagram_contents.h"
#include "messages/wording.h"
#include "table/cell_row.h"
#include "table/columns.h"
#include "table/member_summary.h"
#include "table/row_writer.h"
#include "table/sheet_cells.h"
#include "web/memory_file.h"

namespace pilaro::web {

// The page speaks Chinese, as the window does and pilaro-batch by default;
// every text below that tells the user something is in it.

// How the bytes of a table file are read, as pilaro-batch reads them: the
// name of their encoding for the page's TextDecoder, "utf-8" or "gb18030".
[[nodiscard]] std::string_view tableEncoding(std::string_view bytes);
// The refusal of a file whose bytes are neither, from the line of the first
// bytes that are no GB18030.
[[nodiscard]] std::string neitherEncoding(std::string_view bytes, long firstBadGb18030Line);
// The refusal of a table whose record at `line` opens a quoted cell that is
// never closed.
[[nodiscard]] std::string unclosedQuote(long line);

// Why the page's tables cannot run: the worker that runs them did not
// start, for `reason`.
[[nodiscard]] std::string tablesNotStarted(std::string_view reason);

// The most rows the page runs and shows.
inline constexpr std::size_t kMostPageRows = 10000;

// How a row of results is marked: a design with a result, a check that
// passes, one that fails, or a row without a result.
enum class RowMark { Design, Pass, Fail, NoResult };
[[nodiscard]] std::string_view rowMarkName(RowMark mark);

struct MarkedRow {
    RowMark mark = RowMark::NoResult;
    std::size_t member = 0;  // its index among the members
    bool governing = false;  // the summary names it: most steel or smallest margin
};

class PageTable {
  public:
    // The table's records in order: title rows, the header, a units row,
    // the rows; blank ones are skipped, as in a file.
    explicit PageTable(std::vector<table::CellRow> records);
    ~PageTable();
    PageTable(const PageTable&) = delete;
    PageTable& operator=(const PageTable&) = delete;

    // Why the table does not run (no header, a column unknown, twice or
    // missing, too many rows); empty when it runs.
    [[nodiscard]] const std::string& refusal() const { return refusal_; }
    [[nodiscard]] std::size_t rowCount() const { return records_.size() - firstRow(); }
    [[nodiscard]] std::size_t rowsRun() const { return marks_.size(); }
    [[nodiscard]] bool finished() const { return rowsRun() == rowCount(); }

    // Runs up to `count` more rows; the number run so far.
    std::size_t run(std::size_t count);

    // What the run gives; complete once finished. The CSV is
    // pilaro-batch's, byte for byte; the shown CSV is the same but for its
    // message column, which holds what the user is told in Chinese.
    [[nodiscard]] std::string csv();
    [[nodiscard]] std::string shownCsv();
    [[nodiscard]] std::string summary() const;
    [[nodiscard]] const std::vector<MarkedRow>& marks() const { return marks_; }
    // The workbook's header rows: its columns, its other columns and the
    // current code's where the table has them.
    [[nodiscard]] std::array<std::vector<std::string>, 2> sheetHeader() const {
        return table::sheetHeaderRows(layout_);
    }
    [[nodiscard]] const std::vector<std::vector<table::SheetCell>>& sheetRows() const {
        return sheetRows_;
    }
    // Each column's width, as pilaro-batch's workbook has it.
    [[nodiscard]] const std::vector<double>& sheetWidths() const { return sheetWidths_.widths(); }

    [[nodiscard]] std::size_t memberCount() const { return diagrams_.members.entries().size(); }
    // 构件 P1 (member P1), as pilaro-batch's messages name it.
    [[nodiscard]] messages::Message memberSubject(std::size_t member) const;
    // "构件 P1", as pilaro-batch's summary names it by default.
    [[nodiscard]] std::string memberTitle(std::size_t member) const;
    // The member's diagrams, or why it has none (in Chinese).
    [[nodiscard]] std::vector<diagram::Diagram> diagrams(std::size_t member,
                                                         std::vector<std::string>& problems) const;
    // The stem of a diagram's file names, as pilaro-batch names them.
    [[nodiscard]] std::string diagramStem(std::size_t member, const diagram::Diagram& diagram,
                                          std::size_t diagramsOfMember) const;

    // The records as a CSV file that the page (or pilaro-batch) reads back.
    [[nodiscard]] std::string savedTable() const;

  private:
    [[nodiscard]] std::size_t firstRow() const { return firstRow_; }
    void markGoverningRows();

    std::vector<table::CellRow> records_;
    std::size_t firstRow_ = 0;  // past the header and its units row
    std::string refusal_;
    table::ColumnMap columns_;
    table::OutputLayout layout_;
    MemoryFile csv_, shownCsv_;
    std::unique_ptr<table::RowWriter> writer_, shownWriter_;
    table::MemberSummaries summaries_;
    diagram::DiagramTable diagrams_;
    std::vector<MarkedRow> marks_;
    std::vector<std::vector<table::SheetCell>> sheetRows_;
    table::SheetColumnWidths sheetWidths_;
};

}  // namespace pilaro::web
