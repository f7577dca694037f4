// What the user is told when a file cannot be read or written: the file,
// what could not be done, and the system's reason.
#pragma once

#include "messages/wording.h"

namespace pilaro::messages {

enum class FileProblem {
    CannotRead,          // {1} the file, {2} the reason
    CannotWrite,         // {1} the file, {2} the reason
    CannotCreateBeside,  // {1} the file beside which a temporary one is made, {2} the reason
    CannotRemove,        // {1} the file, {2} the reason
    NotARegularFile,     // {1} the file
    OutputIsInput,       // {1} the output
    OutputNotWritten,    // the output's stream failed
    WorkbookNotCreated,
    SheetFull,                 // more rows than a sheet holds
    WorkbookNotWritten,        // {1} what is wrong with it
    CannotMakeDiagramFolder,   // {1} the folder, {2} the reason
    DiagramWouldReplaceTable,  // {1} the diagram's file
    CannotDraw,                // {1} the picture's file
    CannotKeepStandardInput,   // {1} the folder it is kept in, {2} the reason
};

[[nodiscard]] Wording fileProblemWording(FileProblem problem);

// The problem's message with its arguments, and the error that stops with
// it.
[[nodiscard]] Message fileMessage(FileProblem problem, std::initializer_list<Message> arguments);
[[nodiscard]] MessageError fileError(FileProblem problem, std::initializer_list<Message> arguments);

// The system's reason for an error number: in Chinese for the common ones,
// with the system's own English words after it (磁盘已满（No space left on
// device）); in English the system's words.
[[nodiscard]] Message systemReason(int errorNumber);

// What is wrong with a workbook read back (table/workbook_check.h).
enum class WorkbookFault {
    PartUnreadable,  // {1} the part
    PartDamaged,     // {1} the part
    PartCutShort,    // {1} the part
    RowsMissing,     // {1} the whole rows found, {2} the rows written
    NoZipArchive,
    PartsUnlisted,
    NoSheet,
};

[[nodiscard]] Wording workbookFaultWording(WorkbookFault fault);

[[nodiscard]] Message workbookFault(WorkbookFault fault, std::initializer_list<Message> arguments);

}  // namespace pilaro::messages
