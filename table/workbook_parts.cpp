#include "table/workbook_parts.h"

#include <charconv>
#include <map>

#include "messages/file_messages.h"
#include "messages/sheet_messages.h"
#include "messages/table_messages.h"

namespace pilaro::table {

using messages::Message;
using messages::SheetProblem;
using messages::WorkbookFault;

namespace {

enum class Step { PackageRelations, Workbook, WorkbookRelations, Styles, SharedStrings, Sheet };

struct Relation {
    std::string id, type, target;
};

struct SheetEntry {
    std::string name, relation;
    bool visible = true;
};

std::size_t wholeNumber(std::string_view text, std::size_t otherwise) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : otherwise;
}

// The folder of a part, with its slash: "xl/" of "xl/workbook.xml".
std::string folderOf(const std::string& part) {
    const auto slash = part.rfind('/');
    return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

// A relationship's target as a part's name: relative to the folder of the
// part that holds it, or from the archive's root when it starts with '/';
// "." and ".." resolved.
std::string partNamed(const std::string& folder, std::string_view target) {
    std::string path =
        target.starts_with('/') ? std::string(target.substr(1)) : folder + std::string(target);
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto slash = path.find('/', start);
        const std::string segment =
            path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (segment == "..") {
            if (!segments.empty()) segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    std::string name;
    for (const std::string& s : segments) name += (name.empty() ? "" : "/") + s;
    return name;
}

// The relationships part of a part: "xl/_rels/workbook.xml.rels".
std::string relationsOf(const std::string& part) {
    return folderOf(part) + "_rels/" + part.substr(folderOf(part).size()) + ".rels";
}

bool endsWithType(std::string_view type, std::string_view last) {
    return type.size() > last.size() && type.ends_with(last) &&
           type[type.size() - last.size() - 1] == '/';
}

bool isBuiltInDate(std::size_t id) {
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
           (id >= 50 && id <= 58);
}

}  // namespace

bool isDateFormat(std::size_t builtInId, std::string_view code) {
    if (code.empty()) return isBuiltInDate(builtInId);
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '"') {
            const auto close = code.find('"', i + 1);
            if (close == std::string_view::npos) return false;
            i = close;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i;  // the next character is shown, or pads
        } else if (c == '[') {
            const auto close = code.find(']', i + 1);
            if (close == std::string_view::npos) return false;
            // Elapsed time: [h], [mm], [ss].
            const std::string_view inside = code.substr(i + 1, close - i - 1);
            if (!inside.empty() && inside.find_first_not_of("hHmMsS") == std::string_view::npos)
                return true;
            i = close;
        } else if (std::string_view("yYmMdDhHsS").find(c) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

// What each part holds of what the sheet's reading needs.
struct WorkbookParts::Reading : XmlHandler {
    Step step = Step::PackageRelations;
    std::vector<Relation> relations;
    std::vector<SheetEntry> sheets;
    std::string workbookPart = "xl/workbook.xml";
    std::string sharedStringsPart, stylesPart;
    std::map<std::size_t, std::string> formatCodes;
    std::vector<std::size_t> cellFormats;  // each cell style's number format
    bool inCellFormats = false;
    std::vector<std::string>* strings = nullptr;
    std::string string;
    int inString = 0, inText = 0, inPhonetic = 0;

    void start(std::string_view qualified, std::span<const XmlAttribute> a) override {
        const std::string_view name = localName(qualified);
        switch (step) {
            case Step::PackageRelations:
            case Step::WorkbookRelations:
                if (name == "Relationship" && attribute(a, "TargetMode") != "External")
                    relations.push_back({std::string(attribute(a, "Id")),
                                         std::string(attribute(a, "Type")),
                                         std::string(attribute(a, "Target"))});
                break;
            case Step::Workbook:
                if (name == "sheet")
                    sheets.push_back(
                        {std::string(attribute(a, "name")), std::string(attribute(a, "id")),
                         attribute(a, "state").empty() || attribute(a, "state") == "visible"});
                break;
            case Step::Styles:
                if (name == "numFmt")
                    formatCodes[wholeNumber(attribute(a, "numFmtId"), 0)] =
                        std::string(attribute(a, "formatCode"));
                if (name == "cellXfs") inCellFormats = true;
                if (name == "xf" && inCellFormats)
                    cellFormats.push_back(wholeNumber(attribute(a, "numFmtId"), 0));
                break;
            case Step::SharedStrings:
                if (name == "si") {
                    ++inString;
                    string.clear();
                }
                if (name == "t") ++inText;
                if (name == "rPh") ++inPhonetic;  // a reading aid, no part of the text
                break;
            case Step::Sheet:
                break;
        }
    }

    void text(std::string_view text) override {
        if (step == Step::SharedStrings && inString && inText && !inPhonetic) string += text;
    }

    void end(std::string_view qualified) override {
        const std::string_view name = localName(qualified);
        if (step == Step::Styles && name == "cellXfs") inCellFormats = false;
        if (step != Step::SharedStrings) return;
        if (name == "t" && inText) --inText;
        if (name == "rPh" && inPhonetic) --inPhonetic;
        if (name == "si" && inString) {
            --inString;
            strings->push_back(std::move(string));
            string.clear();
        }
    }

    // The target of the relationship of `type` (its last segment), from the
    // folder of `part`; empty when there is none.
    std::string target(std::string_view type, const std::string& part) const {
        for (const Relation& r : relations)
            if (endsWithType(r.type, type)) return partNamed(folderOf(part), r.target);
        return {};
    }
};

Message workbookUnreadable(const Message& file, const Message& what) {
    return messages::sheetMessage(SheetProblem::WorkbookUnreadable, {file, what});
}

WorkbookParts::WorkbookParts(std::string sheet, Message file)
    : sheetAsked_(std::move(sheet)), wanted_("_rels/.rels"), reading_(std::make_unique<Reading>()) {
    context_.file = std::move(file);
    reading_->strings = &context_.sharedStrings;
}

WorkbookParts::~WorkbookParts() = default;

XmlHandler& WorkbookParts::handler() {
    return *reading_;
}

void WorkbookParts::done(bool found) {
    Reading& r = *reading_;
    if (!found && r.step == Step::Workbook)  // a zip archive of another kind
        return fail(messages::sheetMessage(SheetProblem::ZipNotWorkbook, {context_.file}));
    if (!found && r.step != Step::PackageRelations)
        return fail(workbookUnreadable(
            context_.file, messages::workbookFault(WorkbookFault::PartUnreadable, {wanted_})));
    switch (r.step) {
        case Step::PackageRelations: {
            const std::string workbook = r.target("officeDocument", "");
            if (!workbook.empty()) r.workbookPart = workbook;
            r.relations.clear();
            r.step = Step::Workbook;
            wanted_ = r.workbookPart;
            return;
        }
        case Step::Workbook:
            r.step = Step::WorkbookRelations;
            wanted_ = relationsOf(r.workbookPart);
            return;
        case Step::WorkbookRelations:
            if (!choose()) return;
            r.sharedStringsPart = r.target("sharedStrings", r.workbookPart);
            context_.sharedStringsPart = r.sharedStringsPart;
            r.stylesPart = r.target("styles", r.workbookPart);
            r.step = Step::Styles;
            wanted_ = r.stylesPart;
            if (!wanted_.empty()) return;
            [[fallthrough]];
        case Step::Styles:
            for (std::size_t style = 0; style < r.cellFormats.size(); ++style) {
                const std::size_t id = r.cellFormats[style];
                const auto code = r.formatCodes.find(id);
                if (isDateFormat(id, code == r.formatCodes.end() ? "" : code->second))
                    context_.dateStyles.insert(style);
            }
            r.step = Step::SharedStrings;
            wanted_ = r.sharedStringsPart;
            if (!wanted_.empty()) return;
            [[fallthrough]];
        case Step::SharedStrings:
            r.step = Step::Sheet;
            wanted_.clear();
            return;
        case Step::Sheet:
            return;
    }
}

void WorkbookParts::fail(Message why) {
    error_ = std::move(why);
    wanted_.clear();
}

// The sheet asked for, or the first visible one; false, failed, when the
// workbook has none.
bool WorkbookParts::choose() {
    Reading& r = *reading_;
    const SheetEntry* chosen = nullptr;
    for (const SheetEntry& sheet : r.sheets) {
        if (sheetAsked_.empty() ? sheet.visible : sheet.name == sheetAsked_) {
            chosen = &sheet;
            break;
        }
    }
    if (!chosen && sheetAsked_.empty()) {
        fail(messages::sheetMessage(SheetProblem::NoVisibleSheet, {context_.file}));
        return false;
    }
    if (!chosen) {
        std::vector<Message> names;
        for (const SheetEntry& sheet : r.sheets) names.push_back(messages::quoted(sheet.name));
        fail(messages::sheetMessage(SheetProblem::NoSuchSheet,
                                    {messages::quoted(sheetAsked_), messages::listOf(names)}));
        return false;
    }
    for (const Relation& relation : r.relations)
        if (relation.id == chosen->relation)
            sheetPart_ = partNamed(folderOf(r.workbookPart), relation.target);
    if (sheetPart_.empty()) {
        fail(workbookUnreadable(context_.file,
                                messages::workbookFault(WorkbookFault::PartsUnlisted, {})));
        return false;
    }
    return true;
}

SheetContext WorkbookParts::takeContext() {
    return std::move(context_);
}

}  // namespace pilaro::table
