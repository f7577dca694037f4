// A load-case table in the page, run as pilaro-batch runs a file: the same
// header, cell and row rules, and everything pilaro-batch writes of it (the
// CSV output byte for byte, the workbook, the members' summary, the
// members' diagrams), from records that the page's CSV reading gives. It
// runs a few rows at a time, so that the page stays responsive, and gives
// the rows just run as the page shows them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "diagram/diagram_contents.h"
#include "messages/wording.h"
#include "table/cell_row.h"
#include "table/columns.h"
#include "table/member_summary.h"
#include "table/row_outcome.h"
#include "table/row_writer.h"
#include "table/sheet_cells.h"
#include "table/workbook_xml.h"
#include "web/memory_file.h"
#include "web/shown_columns.h"

namespace pilaro::web {

// The page speaks Chinese, as the window does and pilaro-batch by default;
// every text below that tells the user something is in it.

// The most rows the page runs and shows.
inline constexpr std::size_t kMostPageRows = 10000;

// How a row of results is marked: a design with a result, a check that
// passes, one that fails, or a row without a result.
enum class RowMark { Design, Pass, Fail, NoResult };
[[nodiscard]] std::string_view rowMarkName(RowMark mark);

// Rows just run, as the page shows them: every cell as the row holds it
// (a name typed "+1" shows "+1", which the CSV guards as "'+1"), the
// message told in Chinese.
struct ShownRows {
    std::string cells;  // each row's cells in turn, in the order of the columns
    // Where each cell ends in `cells`, counted in UTF-16 units as the page's
    // strings count them.
    std::vector<std::uint32_t> cellEnds;
    std::vector<RowMark> marks;
    // Every column's width so far, in widths of a digit, as a workbook's
    // columns are fitted (the header rows and every cell shown so far).
    std::vector<double> widths;
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
    [[nodiscard]] std::size_t rowsRun() const { return outcomes_.size(); }
    [[nodiscard]] bool finished() const { return rowsRun() == rowCount(); }

    // The records the table was opened from, blank ones left out.
    [[nodiscard]] const std::vector<table::CellRow>& records() const { return records_; }

    // The results' columns, the current code's where the table has them.
    [[nodiscard]] const std::vector<ShownColumn>& columns() const { return columns_; }

    // Runs up to `count` more rows and gives them.
    ShownRows run(std::size_t count);

    // The engine's answers for up to `count` rows from row `first` (from
    // 0), as bytes for the worker that writes the table (take), which has
    // opened the same records: another worker runs the engine on a part of
    // a long table meanwhile.
    [[nodiscard]] std::string answers(std::size_t first, std::size_t count) const;
    // The next rows from the engine's answers for them (answers' bytes),
    // written as run() writes them. The rows stop before the first answer
    // that is not for the next row of this table (its line and cells), and
    // none is taken from bytes that are no answers.
    ShownRows take(std::string_view answers);

    // What the run gives; complete once finished. The CSV is
    // pilaro-batch's, byte for byte; so is the workbook but for its
    // creation's details.
    [[nodiscard]] std::string csv();
    [[nodiscard]] std::string summary() const;
    // Written when asked for, from the rows run, since most tables are
    // never downloaded as a workbook.
    [[nodiscard]] std::vector<table::WorkbookPart> workbook() const;
    // The rows the summary names (most steel, smallest margin), from 0.
    [[nodiscard]] std::vector<std::size_t> governingRows() const;

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
    // Writes the next `count` rows, run here or, where `answers` holds
    // them, from the engine's answers.
    ShownRows write(std::size_t count, std::span<const table::RowAnswer> answers);

    std::vector<table::CellRow> records_;
    std::size_t firstRow_ = 0;  // past the header and its units row
    std::string refusal_;
    table::ColumnMap columnMap_;
    table::OutputLayout layout_;
    std::vector<ShownColumn> columns_;
    MemoryFile csv_;
    std::unique_ptr<table::RowWriter> writer_;
    std::size_t csvRows_ = 0;  // the rows csv_ holds
    std::vector<table::RowOutcome> outcomes_;
    table::MemberSummaries summaries_;
    diagram::DiagramTable diagrams_;
    table::SheetColumnWidths shownWidths_;
};

}  // namespace pilaro::web
