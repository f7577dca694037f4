#include "batch/options.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cstring>
#include <iostream>
#include <string_view>

#include "batch/messages.h"
#include "batch/rows_in_order.h"
#include "messages/batch_messages.h"
#include "messages/program_help.h"
#include "messages/table_messages.h"
#include "table/header_names.h"
#include "table/separator.h"
#include "table/summary_text.h"

namespace pilaro::batch {

using messages::HelpText;
using messages::Message;
using messages::UsageProblem;

namespace {

// The most threads --jobs takes.
constexpr int kMostJobs = 1024;

// The language asked for with --lang, read before the command line is
// parsed, so that the help and the command line's own mistakes speak it:
// Chinese unless the last --lang says en, whatever the locale.
Language languageAsked(int argc, char** argv) {
    Language language = Language::Chinese;
    for (int i = 1; i < argc; ++i) {
        std::string_view value;
        if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc)
            value = argv[i + 1];
        else if (std::string_view(argv[i]).starts_with("--lang="))
            value = std::string_view(argv[i]).substr(7);
        else
            continue;
        language = value == "en" ? Language::English : Language::Chinese;
    }
    return language;
}

std::string helpText(HelpText text, Language language) {
    return std::string(messages::helpWording(text).in(language));
}

// The input's columns, each with every name it goes by and its unit, then
// the summary, the diagrams and the exit statuses.
std::string footer(Language language) {
    std::string text = helpText(HelpText::InputColumns, language);
    for (std::size_t i = 0; i < table::kColumnCount; ++i) {
        const auto column = static_cast<table::Column>(i);
        std::string names;
        for (std::string_view name : table::namesOf(column))
            names += (names.empty() ? "" : " / ") + std::string(name);
        const std::string_view unit = table::unitText(table::columnNames()[i].unit);
        const std::string_view said = messages::columnHelp(table::fieldOf(column)).in(language);
        std::string help =
            unit.empty()
                ? ""
                : messages::fill(messages::helpWording(HelpText::Unit), {unit}).in(language);
        if (!said.empty())
            help =
                help.empty() ? std::string(said) : messages::listOfLists({help, said}).in(language);
        text += "  " + names + "  " + help + "\n";
    }
    return text +
           messages::fill(messages::helpWording(HelpText::Footer),
                          {std::to_string(table::kMembersShownWhole), std::to_string(kExitAllPass),
                           std::to_string(kExitSomeFail), std::to_string(kExitSomeNotRun),
                           std::to_string(kExitUsageOrFileError)})
               .in(language);
}

// The format by the extension, in any case: R.CSV is CSV.
std::optional<OutputFormat> formatOfExtension(const std::string& path) {
    const auto dot = path.find_last_of("./");
    std::string extension =
        dot == std::string::npos || path[dot] == '/' ? "" : path.substr(dot + 1);
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (extension == "csv") return OutputFormat::Csv;
    if (extension == "jsonl") return OutputFormat::JsonLines;
    if (extension == "json") return OutputFormat::JsonArray;
    if (extension == "xlsx") return OutputFormat::Xlsx;
    return std::nullopt;
}

bool isJson(OutputFormat format) {
    return format == OutputFormat::JsonLines || format == OutputFormat::JsonArray;
}

std::optional<OutputFormat> formatNamed(const std::string& name) {
    if (name == "csv") return OutputFormat::Csv;
    if (name == "json") return OutputFormat::JsonLines;
    if (name == "xlsx") return OutputFormat::Xlsx;
    return std::nullopt;
}

// The help's headings in the language; the options keep their names.
void speak(CLI::App& app, Language language) {
    using messages::HelpLabel;
    const auto formatter = app.get_formatter();
    const auto label = [&](HelpLabel l) {
        const messages::Wording words = messages::helpLabel(l);
        formatter->label(std::string(words.english), std::string(words.in(language)));
    };
    for (HelpLabel l : {HelpLabel::Usage, HelpLabel::Options, HelpLabel::Positionals,
                        HelpLabel::Required, HelpLabel::Needs, HelpLabel::Excludes})
        label(l);
    formatter->column_width(34);
    app.option_defaults()->group(std::string(messages::helpLabel(HelpLabel::Options).in(language)));
    app.set_help_flag("-h,--help", helpText(HelpText::Help, language));
}

int usageError(UsageProblem problem, std::initializer_list<Message> arguments, Language language) {
    say(messages::usageMessage(problem, arguments), language);
    return kExitUsageOrFileError;
}

// What the parser found wrong with the command line, and where to look.
Message parseProblem(const CLI::ParseError& e, const CLI::App& app) {
    const std::string what = e.what();
    if (dynamic_cast<const CLI::RequiredError*>(&e))  // INPUT is the one required
        return messages::usageMessage(UsageProblem::MissingInput, {});
    if (dynamic_cast<const CLI::ExtrasError*>(&e)) {
        std::string extras;
        for (const std::string& extra : app.remaining())
            extras += (extras.empty() ? "" : " ") + extra;
        return messages::usageMessage(UsageProblem::UnexpectedArguments,
                                      {extras.empty() ? what : extras});
    }
    // "--output: 1 required TEXT missing", "--jobs: At Most 1 required but
    // received 2": the option comes first.
    const std::string option = what.substr(0, what.find(':'));
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) && option.starts_with('-'))
        return messages::usageMessage(
            what.ends_with("missing") ? UsageProblem::MissingValue : UsageProblem::GivenTwice,
            {option});
    return messages::usageMessage(UsageProblem::CommandLine, {what});
}

int parseError(const CLI::ParseError& e, const CLI::App& app, Language language) {
    say(messages::listOfLists(
            {parseProblem(e, app), messages::usageMessage(UsageProblem::SeeHelp, {})}),
        language);
    return kExitUsageOrFileError;
}

// A value that must be one of `allowed` (where "" stands for an option
// not given); false, told, when it is not.
bool oneOf(std::string_view option, const std::string& value,
           std::initializer_list<std::string_view> allowed, Language language) {
    std::string list;
    for (std::string_view a : allowed) {
        if (value == a) return true;
        if (!a.empty()) list += (list.empty() ? "" : "|") + std::string(a);
    }
    usageError(UsageProblem::NotAllowedValue, {option, value, list}, language);
    return false;
}

}  // namespace

std::variant<BatchOptions, int> parseOptions(int argc, char** argv) {
    const Language language = languageAsked(argc, argv);
    CLI::App app(helpText(HelpText::Program, language), "pilaro-batch");
    speak(app, language);
    app.footer(footer(language));
    app.set_version_flag("--version", std::string("pilaro-batch ") + PILARO_VERSION,
                         helpText(HelpText::Version, language));
    BatchOptions options;
    options.language = language;
    std::string format, separator, languageName = "zh", summary = "auto", diagramFormat, jobs;
    std::vector<std::string> provide;
    app.add_option("INPUT", options.input, helpText(HelpText::Input, language))
        ->required()
        ->option_text(" ");
    app.add_option("-o,--output", options.output, helpText(HelpText::Output, language))
        ->option_text("FILE");
    app.add_option("-f,--format", format, helpText(HelpText::Format, language))
        ->option_text("csv|json|xlsx");
    app.add_option("--separator", separator, helpText(HelpText::Separator, language))
        ->option_text(",|;|tab");
    app.add_option("--provide", provide, helpText(HelpText::Provide, language))
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->option_text("BARS|MEMBER=BARS");
    app.add_option("--lang", languageName, helpText(HelpText::Language, language))
        ->option_text("zh|en");
    app.add_option("--summary", summary,
                   messages::fill(messages::helpWording(HelpText::Summary),
                                  {std::to_string(table::kMembersShownWhole)})
                       .in(language))
        ->option_text("auto|all|none");
    app.add_flag("-q,--quiet", options.quiet, helpText(HelpText::Quiet, language));
    app.add_option("--sheet", options.sheet, helpText(HelpText::Sheet, language))
        ->option_text("NAME");
    CLI::Option* diagram =
        app.add_option("--diagram", options.diagramDirectory, helpText(HelpText::Diagram, language))
            ->option_text("DIR");
    app.add_option("--diagram-format", diagramFormat, helpText(HelpText::DiagramFormat, language))
        ->option_text("svg|png|pdf");
    app.add_option("-j,--jobs", jobs, helpText(HelpText::Jobs, language))->option_text("N");
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e) == 0 ? kExitAllPass : kExitUsageOrFileError;
    } catch (const CLI::ParseError& e) {
        return parseError(e, app, language);
    }

    if (!oneOf("--format", format, {"", "csv", "json", "xlsx"}, language) ||
        !oneOf("--separator", separator, {"", ",", ";", "tab", "comma", "semicolon"}, language) ||
        !oneOf("--lang", languageName, {"zh", "en"}, language) ||
        !oneOf("--summary", summary, {"auto", "all", "none"}, language) ||
        !oneOf("--diagram-format", diagramFormat, {"", "svg", "png", "pdf"}, language))
        return kExitUsageOrFileError;
    options.jobs = defaultJobs();
    if (!jobs.empty()) {
        const auto [end, error] =
            std::from_chars(jobs.data(), jobs.data() + jobs.size(), options.jobs);
        if (error != std::errc() || end != jobs.data() + jobs.size() || options.jobs < 1 ||
            options.jobs > kMostJobs)
            return usageError(UsageProblem::JobsOutOfRange, {jobs, std::to_string(kMostJobs)},
                              language);
    }
    if (!diagramFormat.empty() && diagram->count() == 0)
        return usageError(UsageProblem::DiagramFormatNeedsDiagram, {}, language);

    const std::optional<OutputFormat> named = formatNamed(format);
    if (!options.output.empty()) {
        const std::optional<OutputFormat> byExtension = formatOfExtension(options.output);
        // -f json goes with .json and .jsonl alike.
        const bool agree = !named || !byExtension || *named == *byExtension ||
                           (isJson(*named) && isJson(*byExtension));
        if (!agree)
            return usageError(UsageProblem::FormatContradictsExtension, {format, options.output},
                              language);
        if (!named && !byExtension)
            return usageError(UsageProblem::UnknownFormat, {options.output}, language);
        options.format = byExtension ? *byExtension : *named;
    } else if (named) {
        options.format = *named;
    }
    if (options.format == OutputFormat::Xlsx && options.output.empty())
        return usageError(UsageProblem::XlsxNeedsOutput, {}, language);
    if (!separator.empty()) options.separator = table::separatorNamed(separator).value_or(',');
    options.summary = options.quiet       ? SummaryShown::None
                      : summary == "all"  ? SummaryShown::All
                      : summary == "none" ? SummaryShown::None
                                          : SummaryShown::Auto;
    if (diagramFormat == "png")
        options.diagramFormat = diagram::DiagramFormat::Png;
    else if (diagramFormat == "pdf")
        options.diagramFormat = diagram::DiagramFormat::Pdf;
    if (diagram->count() > 0 && options.diagramDirectory.empty())
        return usageError(UsageProblem::DiagramNeedsFolder, {}, language);
    for (const std::string& value : provide) {
        Message problem;
        if (!table::addProvidedSteel(options.provided, value, problem))
            return usageError(UsageProblem::Provide, {problem}, language);
    }
    return options;
}

}  // namespace pilaro::batch
