// What pilaro-batch tells on standard error besides a table's and a file's
// problems: the command line's mistakes, the steel given with --provide,
// the progress of a long run.
#pragma once

#include "messages/wording.h"

namespace pilaro::messages {

enum class UsageProblem {
    FormatContradictsExtension,  // {1} the format, {2} the output
    UnknownFormat,               // {1} the output
    XlsxNeedsOutput,
    DiagramNeedsFolder,
    DiagramFormatNeedsDiagram,
    MissingInput,
    UnexpectedArguments,  // {1} the arguments
    NotAllowedValue,      // {1} the option, {2} the value, {3} the values allowed
    MissingValue,         // {1} the option
    GivenTwice,           // {1} the option
    JobsOutOfRange,       // {1} the value, {2} the most threads
    CommandLine,          // {1} the command-line parser's own words
    SeeHelp,              // after any of the above
    Provide,              // {1} what is wrong with --provide
    UnexpectedError,      // {1} what went wrong
};

[[nodiscard]] Wording usageProblemWording(UsageProblem problem);

[[nodiscard]] Message usageMessage(UsageProblem problem, std::initializer_list<Message> arguments);

enum class ProvideProblem {
    NotSteel,        // {1} the steel quoted
    NoMemberBefore,  // {1} the value quoted
    EveryTwice,      // {1} and {2} the two steels
    MemberTwice,     // {1} the member
    NoSuchMember,    // {1} the member, {2} its steel
};

[[nodiscard]] Wording provideProblemWording(ProvideProblem problem);

[[nodiscard]] Message provideMessage(ProvideProblem problem,
                                     std::initializer_list<Message> arguments);

// The progress line of a long run; `percent` below 0 when the input's size
// is not known.
[[nodiscard]] Message progressLine(long rows, int percent);

}  // namespace pilaro::messages
