#include "form/read_out_fields.h"

#include "form/control_table.h"
#include "table/row_writer.h"

namespace pilaro {

const std::array<ReadOutField, kReadOutCount>& readOutFields() {
    static const std::array<ReadOutField, kReadOutCount> fields = [] {
        std::array<ReadOutField, kReadOutCount> out{};
        for (const ReadOutEntry& readOut : kReadOuts)
            out[readOutIndex(readOut.id)] = {readOut.id, controlName(readOut.id)};
        return out;
    }();
    return fields;
}

std::string_view readOutField(ReadOutId id) {
    return readOutFields()[readOutIndex(id)].field;
}

std::vector<ShownReadOut> shownReadOuts(ReadOutTexts texts) {
    std::vector<ShownReadOut> shown;
    shown.reserve(kReadOutCount);
    for (const ReadOutField& readOut : readOutFields())
        shown.push_back({readOut.field, std::move(texts[readOutIndex(readOut.id)])});
    return shown;
}

namespace {

// A current read-out's own field, or the archived field of its name; empty
// where the form has neither.
std::string_view fieldOfCurrent(jtg3362::ReadOut id) {
    if (const std::string_view own = controlName(id); !own.empty()) return own;
    const std::string_view name = jtg3362::readOutEntry(id).name;
    for (const ReadOutEntry& archived : kReadOuts)
        if (archived.name == name) return controlName(archived.id);
    return {};
}

}  // namespace

const std::vector<CurrentReadOutField>& currentReadOutFields() {
    static const std::vector<CurrentReadOutField> fields = [] {
        std::vector<CurrentReadOutField> out;
        for (const jtg3362::ReadOut id : table::currentTableReadOuts())
            out.push_back({id, fieldOfCurrent(id)});
        return out;
    }();
    return fields;
}

std::vector<ShownReadOut> shownCurrentReadOuts(const jtg3362::ReadOutTexts& texts) {
    std::vector<ShownReadOut> shown;
    for (const CurrentReadOutField& readOut : currentReadOutFields())
        shown.push_back({readOut.field, texts[jtg3362::readOutIndex(readOut.id)]});
    return shown;
}

std::vector<std::string_view> readOutFieldsOf(table::Method method) {
    std::vector<std::string_view> fields;
    for (const ControlRow& row : mainWindowControls())
        if (row.readOut() && (!row.method || *row.method == method)) fields.push_back(row.name);
    return fields;
}

}  // namespace pilaro
