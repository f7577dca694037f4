// A written .xlsx read back. libxlsxwriter writes the rows and the parts of
// a workbook to temporary files without telling when a write fails (a full
// disk), so a workbook is checked after it is closed.
#pragma once

#include <optional>
#include <string>

#include "messages/wording.h"

namespace pilaro::table {

// What is wrong with the workbook at `path`, or nothing: it must read back
// as a zip archive whose every part matches its checksum and whose every
// XML part ends with the end of its root element, and its first sheet must
// hold `rows` whole rows.
[[nodiscard]] std::optional<messages::Message> workbookFault(const std::string& path, long rows);

}  // namespace pilaro::table
