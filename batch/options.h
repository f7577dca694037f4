// The command line of pilaro-batch.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "diagram/diagram_file_names.h"
#include "messages/language.h"
#include "table/row_input.h"

namespace pilaro::batch {

enum class OutputFormat { Csv, JsonLines, Xlsx };

struct BatchOptions {
    std::string input;   // "-" for standard input
    std::string output;  // empty for standard output
    OutputFormat format = OutputFormat::Csv;
    char separator = 0;                     // --separator; 0: found from the header
    table::ProvidedSteels provided;         // --provide
    Language language = Language::Chinese;  // --lang
    bool summaryOfEveryMember = false;      // --summary all
    std::string diagramDirectory;           // --diagram; empty for none
    diagram::DiagramFormat diagramFormat = diagram::DiagramFormat::Svg;
    int jobs = 1;  // threads the rows run on (--jobs; every core by default)
};

// The exit statuses, as --help states them.
inline constexpr int kExitAllPass = 0;
inline constexpr int kExitSomeFailOrNoResult = 1;
inline constexpr int kExitUsageOrFileError = 2;

// The options, or the exit status when the program ends here (after
// --help or --version, or a usage error, with what there is to say already
// printed).
std::variant<BatchOptions, int> parseOptions(int argc, char** argv);

}  // namespace pilaro::batch
