#include "batch/options.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "batch/rows_in_order.h"

namespace pilaro::batch {

namespace {

constexpr const char* kFooter =
    R"(The input is a CSV file with a header row, one load case per row. Columns,
in Chinese or English, in any order:
  名称/name, 构件/member (optional; groups the rows of one section),
  类型/type (配筋计算, 强度校核, design, check), 混凝土标号/concrete (25号, 25),
  钢筋等级/steel (Ⅱ级, II, 2; 5号), 轴向力/Nj (kN), 弯矩/Mj (kN·m),
  直径/D (m), 保护层/a (m), 计算长度/l0 (m), and for a check
  钢筋面积/Ag (cm²) or 钢筋/bars (24D28).
A summary of each member's governing case goes to standard output, or to
standard error when the results do.

With --diagram DIR, each member's N–M interaction diagram goes to
DIR/<member>.svg (or .png, .pdf), with its figures in DIR/<member>.csv.

Exit status:
  0  every row has a result and every check passes
  1  some check fails, some row has no result, or a member gets no diagram
  2  usage or file error)";

std::optional<OutputFormat> formatOfExtension(const std::string& path) {
    const auto dot = path.find_last_of('.');
    const std::string extension = dot == std::string::npos ? "" : path.substr(dot + 1);
    if (extension == "csv") return OutputFormat::Csv;
    if (extension == "jsonl" || extension == "json") return OutputFormat::JsonLines;
    if (extension == "xlsx") return OutputFormat::Xlsx;
    return std::nullopt;
}

}  // namespace

std::variant<BatchOptions, int> parseOptions(int argc, char** argv) {
    CLI::App app("Runs a table of load cases of circular reinforced-concrete sections.",
                 "pilaro-batch");
    app.footer(kFooter);
    BatchOptions options;
    std::string format;
    std::string provide;
    app.add_option("INPUT", options.input, "CSV file of load cases, or - for standard input")
        ->required();
    app.add_option("-o,--output", options.output,
                   "Write the results to FILE (.csv, .jsonl or .xlsx), whole or not at all; "
                   "standard output by default")
        ->option_text("FILE");
    app.add_option("-f,--format", format,
                   "Output format; by default from FILE's extension, else csv")
        ->check(CLI::IsMember({"csv", "json", "xlsx"}))
        ->option_text("csv|json|xlsx");
    app.add_option("--provide", provide,
                   "Check every row with this steel in place of its own: bars such as 24D28 "
                   "(12D28+12D25), or an area in cm²")
        ->option_text("BARS");
    std::string diagramFormat;
    CLI::Option* diagram =
        app.add_option("--diagram", options.diagramDirectory,
                       "Draw each member's N–M interaction diagram, with its load cases, into "
                       "DIR (made when missing)")
            ->option_text("DIR");
    app.add_option("--diagram-format", diagramFormat, "Format of the diagrams; svg by default")
        ->check(CLI::IsMember({"svg", "png", "pdf"}))
        ->needs(diagram)
        ->option_text("svg|png|pdf");
    options.jobs = defaultJobs();
    app.add_option("-j,--jobs", options.jobs,
                   "Run the rows on N threads, every core by default; the output is the same "
                   "whatever N (1: one row after another)")
        ->check(CLI::Range(1, 1024))
        ->option_text("N");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e);
        return status == 0 ? kExitAllPass : kExitUsageOrFileError;
    }

    if (format == "csv")
        options.format = OutputFormat::Csv;
    else if (format == "json")
        options.format = OutputFormat::JsonLines;
    else if (format == "xlsx")
        options.format = OutputFormat::Xlsx;
    else if (!options.output.empty()) {
        const std::optional<OutputFormat> byExtension = formatOfExtension(options.output);
        if (!byExtension) {
            std::cerr << "pilaro-batch: cannot tell the format of " << options.output
                      << "; give --format csv|json|xlsx\n";
            return kExitUsageOrFileError;
        }
        options.format = *byExtension;
    }
    if (options.format == OutputFormat::Xlsx && options.output.empty()) {
        std::cerr << "pilaro-batch: an .xlsx workbook needs --output FILE\n";
        return kExitUsageOrFileError;
    }
    if (diagramFormat == "png")
        options.diagramFormat = diagram::DiagramFormat::Png;
    else if (diagramFormat == "pdf")
        options.diagramFormat = diagram::DiagramFormat::Pdf;
    if (diagram->count() > 0 && options.diagramDirectory.empty()) {
        std::cerr << "pilaro-batch: --diagram needs a directory\n";
        return kExitUsageOrFileError;
    }
    if (!provide.empty()) {
        options.provided = table::readProvidedSteel(provide);
        if (!options.provided || options.provided->Ag <= 0) {
            std::cerr
                << "pilaro-batch: --provide \"" << provide
                << "\" is neither bars of the bar table such as 24D28 nor a positive area in cm²\n";
            return kExitUsageOrFileError;
        }
    }
    return options;
}

}  // namespace pilaro::batch
