#include "batch/diagram_files.h"

#include <filesystem>
#include <set>
#include <stdexcept>

#include "batch/messages.h"
#include "diagram/diagram_csv.h"
#include "diagram/diagram_picture.h"
#include "table/output_file.h"
#include "table/summary_text.h"

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
        throw std::runtime_error("the diagram file " + path + " would replace a table of this run");
}

// Written whole or not at all.
void writeFile(const std::string& path, const std::string& bytes) {
    OutputFile file(path);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.stream()) != bytes.size())
        throw std::runtime_error("cannot write " + path);
    file.commit();
}

// The summary's line that names a diagram's file.
std::string diagramLine(const MemberRows& m, bool hasMemberColumn, const Diagram& d,
                        const std::string& picture, const BatchOptions& options) {
    if (options.language == table::Language::English)
        return "diagram of " + memberSubject(m, hasMemberColumn) + " with " + d.steelText + ": " +
               picture + "\n";
    const std::string title =
        table::memberTitle(table::Language::Chinese, m.member, hasMemberColumn);
    // "构件 P1 的", but "全表的".
    const bool spaced = static_cast<unsigned char>(title.back()) < 0x80;
    return title + (spaced ? " 的" : "的") + " N–M 图（" + d.steelText + "）：" + picture + "\n";
}

}  // namespace

void prepareDiagramDirectory(const std::string& directory) {
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (!std::filesystem::is_directory(directory))
        throw std::runtime_error("cannot make the diagram directory " + directory +
                                 (error ? ": " + error.message() : ""));
}

int writeDiagrams(const DiagramTable& table, const BatchOptions& options, bool hasMemberColumn,
                  std::FILE* summary) {
    const PaintingApplication application;
    const std::filesystem::path directory(options.diagramDirectory);
    const std::string extension = extensionOf(options.diagramFormat);
    std::set<std::string> taken;
    int status = kExitAllPass;
    for (const MemberRows& member : table.members.entries()) {
        const std::string name = memberSubject(member, hasMemberColumn);
        std::vector<std::string> problems;
        const std::vector<Diagram> diagrams = diagramsOf(member, name, problems);
        for (const std::string& problem : problems) say(problem);
        if (!problems.empty()) status = std::max(status, kExitSomeFailOrNoResult);
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
                if (bytes.empty()) throw std::runtime_error("cannot draw " + picture);
                writeFile(picture, bytes);
                writeFile(figures, diagramCsv(d));
                std::fputs(diagramLine(member, hasMemberColumn, d, picture, options).c_str(),
                           summary);
            } catch (const std::exception& e) {
                say(e.what());
                status = kExitUsageOrFileError;
            }
        }
    }
    return status;
}

}  // namespace pilaro::batch
