// The words of the programs' --help: the window's, and pilaro-batch's with
// each option, the input's columns and the footer. The numbers in them (the
// members a summary shows whole, the exit statuses) are the program's own
// constants, filled in.
#pragma once

#include "messages/field_messages.h"
#include "messages/wording.h"

namespace pilaro::messages {

enum class HelpText {
    WindowProgram,  // the whole of pilaro --help
    Program,
    Input,
    Output,
    Format,
    Separator,
    Provide,
    Language,
    Summary,  // {1} the members a summary shows whole
    Diagram,
    DiagramFormat,
    Jobs,
    Help,
    Version,
    InputColumns,  // before the list of columns
    Unit,          // {1} a column's unit
    Footer,        // {1} the members a summary shows whole; {2} to {5} the exit statuses
    Sheet,
    Quiet,
};

[[nodiscard]] Wording helpWording(HelpText text);

// What a table's column holds, as the help says it after the column's
// unit; empty where the unit says it all.
[[nodiscard]] Wording columnHelp(Field field);

// The headings of the help's parts, as the command-line parser labels
// them: its English labels, and the Chinese for each.
enum class HelpLabel { Usage, Options, Positionals, Required, Needs, Excludes };

[[nodiscard]] Wording helpLabel(HelpLabel label);

}  // namespace pilaro::messages
