#include "batch/diagram_files.h"

#include <cerrno>
#include <filesystem>
#include <set>
#include <stdexcept>

#include "batch/messages.h"
#include "diagram/diagram_csv.h"
#include "diagram/diagram_picture.h"
#include "messages/batch_messages.h"
#include "messages/diagram_words.h"
#include "messages/file_messages.h"
#include "table/output_file.h"

namespace pilaro::batch {

using diagram::Diagram;
using diagram::diagramCsv;
using diagram::diagramPicture;
using diagram::diagramsOf;
using diagram::diagramStem;
using diagram::DiagramTable;
using diagram::extensionOf;
using diagram::MemberRows;
using diagram::memberSubject;
using diagram::PaintingApplication;
using messages::fileError;
using messages::FileProblem;
using messages::Message;
using table::OutputFile;
using table::sameFile;

namespace {

// The stem not yet taken, with "-2", "-3", ... where it is.
std::string unique(const std::string& stem, std::set<std::string>& taken) {
    std::string name = stem;
    for (int n = 2; !taken.insert(name).second; ++n) name = stem + "-" + std::to_string(n);
    return name;
}

// A diagram's file must never replace the tables of the run.
void refuseTables(const std::string& path, const BatchOptions& options) {
    if ((options.input != "-" && sameFile(path, options.input)) ||
        (!options.output.empty() && sameFile(path, options.output)))
        throw fileError(FileProblem::DiagramWouldReplaceTable, {path});
}

// Written whole or not at all.
void writeFile(const std::string& path, const std::string& bytes, Language language) {
    OutputFile file(path, language);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.stream()) != bytes.size())
        throw fileError(FileProblem::CannotWrite, {path, messages::systemReason(errno)});
    file.commit();
}

}  // namespace

void prepareDiagramDirectory(const std::string& directory) {
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (!std::filesystem::is_directory(directory))
        throw fileError(FileProblem::CannotMakeDiagramFolder,
                        {directory, messages::systemReason(error ? error.value() : EEXIST)});
}

int writeDiagrams(const DiagramTable& table, const BatchOptions& options,
                  const table::ColumnMap& columns, std::FILE* summary) {
    const bool hasMemberColumn = columns.has(table::Column::Member);
    const PaintingApplication application;
    const std::filesystem::path directory(options.diagramDirectory);
    const std::string extension = extensionOf(options.diagramFormat);
    std::set<std::string> taken;
    int status = kExitAllPass;
    for (const MemberRows& member : table.members.entries()) {
        const Message name = memberSubject(member, hasMemberColumn);
        std::vector<Message> problems;
        const std::vector<Diagram> diagrams = diagramsOf(member, name, columns, problems);
        for (const Message& problem : problems) say(problem, options.language);
        if (!problems.empty()) status = std::max(status, kExitSomeNotRun);
        for (const Diagram& d : diagrams) {
            const std::string stem =
                unique(diagramStem(member.member, hasMemberColumn, d.steelKey, diagrams.size() > 1),
                       taken);
            const std::string picture = (directory / (stem + "." + extension)).string();
            const std::string figures = (directory / (stem + ".csv")).string();
            try {
                refuseTables(picture, options);
                refuseTables(figures, options);
                const std::string bytes = diagramPicture(d, options.diagramFormat);
                if (bytes.empty()) throw fileError(FileProblem::CannotDraw, {picture});
                writeFile(picture, bytes, options.language);
                writeFile(figures, diagramCsv(d), options.language);
                if (summary)
                    std::fputs(messages::diagramFileLine(name, d.steelText, picture)
                                   .in(options.language)
                                   .c_str(),
                               summary);
            } catch (const messages::MessageError& e) {
                say(e.message(), options.language);
                status = kExitUsageOrFileError;
            } catch (const std::exception& e) {
                say(messages::usageMessage(messages::UsageProblem::UnexpectedError, {e.what()}),
                    options.language);
                status = kExitUsageOrFileError;
            }
        }
    }
    return status;
}

}  // namespace pilaro::batch
