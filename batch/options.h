// The command line of pilaro-batch.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "diagram/diagram_file_names.h"
#include "messages/language.h"
#include "table/row_input.h"

namespace pilaro::batch {

// .json is one JSON document, an array of the rows; .jsonl JSON Lines.
enum class OutputFormat { Csv, JsonLines, JsonArray, Xlsx };

enum class SummaryShown { Auto, All, None };

struct BatchOptions {
    std::string input;   // "-" for standard input
    std::string output;  // empty for standard output
    OutputFormat format = OutputFormat::Csv;
    char separator = 0;                         // --separator; 0: found from the header
    table::ProvidedSteels provided;             // --provide
    Language language = Language::Chinese;      // --lang
    SummaryShown summary = SummaryShown::Auto;  // --summary; None also with --quiet
    bool quiet = false;                         // --quiet: only errors
    std::string sheet;                          // --sheet; empty for the first visible
    std::string diagramDirectory;               // --diagram; empty for none
    diagram::DiagramFormat diagramFormat = diagram::DiagramFormat::Svg;
    int jobs = 1;  // threads the rows run on (--jobs; every core by default)
};

// The exit statuses, as --help and the README state them.
inline constexpr int kExitAllPass = 0;
// Some check fails, or some design needs a larger section.
inline constexpr int kExitSomeFail = 1;
inline constexpr int kExitUsageOrFileError = 2;
// Some row could not be read or run; wins over kExitSomeFail.
inline constexpr int kExitSomeNotRun = 3;

// The options, or the exit status when the program ends here (after
// --help or --version, or a usage error, with what there is to say already
// printed).
std::variant<BatchOptions, int> parseOptions(int argc, char** argv);

}  // namespace pilaro::batch
