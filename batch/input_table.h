// The input of a run as records, whatever the file is: a text table (UTF-8,
// GB18030 or UTF-16) read as CSV, or a sheet of an .xlsx workbook. A file
// that is neither is refused with what it seems to be.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <string>

#include "batch/options.h"
#include "batch/spooled_input.h"
#include "messages/wording.h"
#include "table/file_kind.h"
#include "table/input_text.h"
#include "table/record_source.h"

namespace pilaro::batch {

// One reading of the table from its start.
struct TableReading {
    std::unique_ptr<std::istream> stream;
    std::unique_ptr<table::InputText> text;
    std::unique_ptr<table::RecordSource> records;
    std::uint64_t size = 0;  // what records->bytesRead() comes to at the end
};

class InputTable {
  public:
    // Keeps standard input whole in a temporary file; decides the kind of file. Throws
    // messages::MessageError when the file cannot be read, is of a kind
    // that is refused, or is given --sheet and is no workbook.
    explicit InputTable(const BatchOptions& options);

    // The table's records from its start; each call reads it anew.
    [[nodiscard]] TableReading read() const;

  private:
    const BatchOptions& options_;
    messages::Message name_;
    std::unique_ptr<SpooledInput> standardInput_;
    std::string path_;  // the file read, or where standard input is kept
    table::FileKind kind_ = table::FileKind::Text;
    // What the first reading of a text table decided, which the next ones
    // take rather than read the whole text again before its first row.
    mutable std::optional<table::TextDecision> decided_;
};

}  // namespace pilaro::batch
