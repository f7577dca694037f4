#include "batch/options.h"

#include <CLI/CLI.hpp>
#include <array>
#include <iostream>
#include <string_view>

#include "batch/rows_in_order.h"
#include "table/header_names.h"
#include "table/separator.h"

namespace pilaro::batch {

namespace {

// What each input column holds, as the help says it after the column's
// unit.
constexpr std::array<std::string_view, table::kColumnCount> kColumnHelp = {
    "可选",
    "可选；把同一截面的各行归为一个构件",
    "配筋计算、强度校核、design 或 check",
    "25号 或 25",
    "Ⅱ级、II 或 2；5号 或 5",
    "",
    "",
    "",
    "",
    "",
    "强度校核时与钢筋二选一",
    "强度校核时与钢筋面积二选一：24D28、24Φ28 或 12D28+12D25",
};

constexpr std::string_view kFooterEnd = R"(
汇总（每个构件的控制情况：最大配筋、不通过的校核与最小 Nq/Nj、无结果的
行，最后一行为合计）写到标准输出；结果写到标准输出时，汇总写到标准错误。
构件超过 50 个时只列出不通过、无结果和全表控制的行，--summary all 列出全部。

有 --diagram DIR 时，每个构件的 N–M 相互作用图写到 DIR/<构件>.svg（或 .png、
.pdf），图中数据写到 DIR/<构件>.csv。

退出状态：
  0  每行都有结果，校核全部通过
  1  有校核不通过、有行无结果、有构件未能画图，或 --provide 所给的构件不在表中
  2  用法或文件错误)";

// The input's columns, each with every name it goes by and its unit.
std::string footer() {
    std::string text =
        "输入：CSV 文件，第一行为列名，其后每行一个荷载组合。文件为 UTF-8（带或不带\n"
        "BOM）或 GB18030（Excel 的“CSV (逗号分隔)”）均可；分隔符为逗号、分号或制表符。\n"
        "列名用下列任一名称（英文不分大小写），顺序不限，可在括号中注明单位，\n"
        "如 轴向力(kN)、直径（m），单位须与该列相同，不作换算：\n";
    for (std::size_t i = 0; i < table::kColumnCount; ++i) {
        const auto column = static_cast<table::Column>(i);
        std::string names;
        for (std::string_view name : table::namesOf(column))
            names += (names.empty() ? "" : " / ") + std::string(name);
        const std::string_view unit = table::unitText(table::columnNames()[i].unit);
        std::string help = unit.empty() ? "" : "单位 " + std::string(unit);
        if (!help.empty() && !kColumnHelp[i].empty()) help += "；";
        text += "  " + names + "  " + help + std::string(kColumnHelp[i]) + "\n";
    }
    return text + std::string(kFooterEnd);
}

std::optional<OutputFormat> formatOfExtension(const std::string& path) {
    const auto dot = path.find_last_of('.');
    const std::string extension = dot == std::string::npos ? "" : path.substr(dot + 1);
    if (extension == "csv") return OutputFormat::Csv;
    if (extension == "jsonl" || extension == "json") return OutputFormat::JsonLines;
    if (extension == "xlsx") return OutputFormat::Xlsx;
    return std::nullopt;
}

std::optional<OutputFormat> formatNamed(const std::string& name) {
    if (name == "csv") return OutputFormat::Csv;
    if (name == "json") return OutputFormat::JsonLines;
    if (name == "xlsx") return OutputFormat::Xlsx;
    return std::nullopt;
}

// Help in Chinese; the options keep their English names.
void speakChinese(CLI::App& app) {
    const auto formatter = app.get_formatter();
    formatter->label("Usage", "用法");
    formatter->label("OPTIONS", "选项");
    formatter->label("Positionals", "位置参数");
    formatter->label("REQUIRED", "必填");
    formatter->label("Needs", "需要");
    formatter->label("Excludes", "不可同用");
    formatter->column_width(34);
    app.option_defaults()->group("选项");
    app.set_help_flag("-h,--help", "显示本帮助并退出");
}

int usageError(const std::string& message) {
    std::cerr << "pilaro-batch: " << message << "\n";
    return kExitUsageOrFileError;
}

}  // namespace

std::variant<BatchOptions, int> parseOptions(int argc, char** argv) {
    CLI::App app(
        "对圆形截面钢筋混凝土构件的荷载组合表逐行作配筋计算或强度校核，"
        "与窗口的计算相同。",
        "pilaro-batch");
    speakChinese(app);
    app.footer(footer());
    app.set_version_flag("--version", std::string("pilaro-batch ") + PILARO_VERSION,
                         "显示版本并退出");
    BatchOptions options;
    std::string format, separator, language = "zh", summary = "auto";
    std::vector<std::string> provide;
    app.add_option("INPUT", options.input, "荷载组合表（CSV 文件），- 为标准输入")
        ->required()
        ->option_text(" ");
    app.add_option("-o,--output", options.output,
                   "结果写到 FILE（.csv、.jsonl 或 .xlsx，格式由扩展名决定），"
                   "要么完整写成，要么不写；默认写到标准输出（CSV）")
        ->option_text("FILE");
    app.add_option("-f,--format", format, "输出格式；有 --output 时须与其扩展名一致")
        ->check(CLI::IsMember({"csv", "json", "xlsx"}))
        ->option_text("csv|json|xlsx");
    app.add_option("--separator", separator, "输入的分隔符：逗号、分号或制表符；默认由标题行判断")
        ->check(CLI::IsMember({",", ";", "tab", "comma", "semicolon"}))
        ->option_text(",|;|tab");
    app.add_option("--provide", provide,
                   "以此钢筋代替各行自己的钢筋作强度校核：钢筋如 24D28（12D28+12D25），"
                   "或面积（cm²）；MEMBER=BARS 只给该构件，可多次给出，"
                   "如 --provide P1=24D28 --provide P2=30D32")
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->option_text("BARS|MEMBER=BARS");
    app.add_option("--lang", language, "汇总的语言：zh 中文（默认），en 英文")
        ->check(CLI::IsMember({"zh", "en"}))
        ->option_text("zh|en");
    app.add_option("--summary", summary,
                   "auto：构件超过 50 个时只列出不通过、无结果和控制的行（默认）；"
                   "all：列出每个构件")
        ->check(CLI::IsMember({"auto", "all"}))
        ->option_text("auto|all");
    std::string diagramFormat;
    CLI::Option* diagram =
        app.add_option("--diagram", options.diagramDirectory,
                       "把每个构件的 N–M 相互作用图及其荷载组合画到 DIR（不存在时创建）")
            ->option_text("DIR");
    app.add_option("--diagram-format", diagramFormat, "图的格式；默认 svg")
        ->check(CLI::IsMember({"svg", "png", "pdf"}))
        ->needs(diagram)
        ->option_text("svg|png|pdf");
    options.jobs = defaultJobs();
    app.add_option("-j,--jobs", options.jobs,
                   "在 N 个线程上计算各行，默认用全部核心；输出、汇总与 N 无关"
                   "（1：逐行计算）")
        ->check(CLI::Range(1, 1024))
        ->option_text("N");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e);
        return status == 0 ? kExitAllPass : kExitUsageOrFileError;
    }

    const std::optional<OutputFormat> named = formatNamed(format);
    if (!options.output.empty()) {
        const std::optional<OutputFormat> byExtension = formatOfExtension(options.output);
        if (named && byExtension && *named != *byExtension)
            return usageError("--format " + format + " contradicts the extension of " +
                              options.output);
        if (!named && !byExtension)
            return usageError("cannot tell the format of " + options.output +
                              "; give --format csv|json|xlsx");
        options.format = named ? *named : *byExtension;
    } else if (named) {
        options.format = *named;
    }
    if (options.format == OutputFormat::Xlsx && options.output.empty())
        return usageError("an .xlsx workbook needs --output FILE");
    if (!separator.empty()) options.separator = table::separatorNamed(separator).value_or(',');
    options.language = language == "en" ? table::Language::English : table::Language::Chinese;
    options.summaryOfEveryMember = summary == "all";
    if (diagramFormat == "png")
        options.diagramFormat = diagram::DiagramFormat::Png;
    else if (diagramFormat == "pdf")
        options.diagramFormat = diagram::DiagramFormat::Pdf;
    if (diagram->count() > 0 && options.diagramDirectory.empty())
        return usageError("--diagram needs a directory");
    for (const std::string& value : provide) {
        std::string problem;
        if (!table::addProvidedSteel(options.provided, value, problem))
            return usageError("--provide: " + problem);
    }
    return options;
}

}  // namespace pilaro::batch
