#include "form/read_out_fields.h"

#include "form/control_table.h"

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

}  // namespace pilaro
