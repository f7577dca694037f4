#include "web/page_workbook.h"

#include "messages/file_messages.h"
#include "messages/wording.h"
#include "table/file_kind.h"
#include "table/sheet_rows.h"
#include "table/workbook_parts.h"

namespace pilaro::web {

namespace {

constexpr char kStart = '\x01', kAttribute = '\x02', kText = '\x03', kEnd = '\x04';

bool isMark(char c) {
    return c == kStart || c == kText || c == kEnd;
}

}  // namespace

void feedXmlEvents(std::string_view encoded, table::XmlHandler& handler) {
    std::vector<table::XmlAttribute> attributes;
    for (std::size_t at = 0; at < encoded.size();) {
        const char mark = encoded[at];
        std::size_t end = at + 1;
        while (end < encoded.size() && !isMark(encoded[end])) ++end;
        const std::string_view event = encoded.substr(at + 1, end - at - 1);
        at = end;
        if (mark == kText) {
            handler.text(event);
        } else if (mark == kEnd) {
            handler.end(event);
        } else if (mark == kStart) {
            attributes.clear();
            const std::size_t nameEnd = std::min(event.find(kAttribute), event.size());
            for (std::size_t a = nameEnd; a < event.size();) {
                const std::size_t valueAt = event.find(kAttribute, a + 1);
                if (valueAt == std::string_view::npos) break;
                const std::size_t next =
                    std::min(event.find(kAttribute, valueAt + 1), event.size());
                attributes.push_back({event.substr(a + 1, valueAt - a - 1),
                                      event.substr(valueAt + 1, next - valueAt - 1)});
                a = next;
            }
            handler.start(event.substr(0, nameEnd), attributes);
        }
    }
}

std::string fileKind(std::string_view bytes, std::string_view name, std::string& refusal) {
    const table::FileKind kind = table::fileKindOf(bytes);
    if (const auto refused = table::refusalOf(kind, messages::Message(name))) {
        refusal = refused->chinese;
        return {};
    }
    return kind == table::FileKind::Workbook ? "workbook" : "text";
}

struct PageWorkbook::Reading {
    explicit Reading(const std::string& file) : name(file), parts("", messages::Message(file)) {}
    std::string name;
    table::WorkbookParts parts;
    std::unique_ptr<table::SheetRows> rows;
    bool sheetRead = false;
};

PageWorkbook::PageWorkbook(std::string name) : reading_(std::make_unique<Reading>(name)) {}

PageWorkbook::~PageWorkbook() = default;

std::string PageWorkbook::wanted() const {
    const Reading& r = *reading_;
    if (!refusal_.empty() || r.sheetRead) return {};
    return r.rows ? r.parts.sheetPart() : r.parts.wanted();
}

void PageWorkbook::read(std::string_view events, bool found) {
    Reading& r = *reading_;
    if (r.rows) {
        if (found) feedXmlEvents(events, *r.rows);
        const messages::Message problem =
            found ? r.rows->error()
                  : table::workbookUnreadable(
                        messages::Message(r.name),
                        messages::workbookFault(messages::WorkbookFault::PartUnreadable,
                                                {r.parts.sheetPart()}));
        refusal_ = problem.chinese;
        r.sheetRead = true;
        return;
    }
    if (found) feedXmlEvents(events, r.parts.handler());
    r.parts.done(found);
    refusal_ = r.parts.error().chinese;
    if (refusal_.empty() && r.parts.wanted().empty())
        r.rows = std::make_unique<table::SheetRows>(r.parts.takeContext());
}

std::vector<table::CellRow> PageWorkbook::takeRecords() {
    std::vector<table::CellRow> records;
    if (!reading_->rows) return records;
    table::CellRow record;
    while (reading_->rows->take(record)) records.push_back(std::move(record));
    return records;
}

}  // namespace pilaro::web
