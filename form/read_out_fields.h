// The form's read-out field of each read-out, so that the window and the
// page write the same texts into the same fields.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/read_outs.h"

namespace pilaro {

struct ReadOutField {
    ReadOutId id;
    std::string_view field;  // the control's name in the control table
};

// Indexed by ReadOutId.
inline constexpr std::array<ReadOutField, kReadOutCount> kReadOutFields = {{
    {ReadOutId::Xi, "txtss"},          {ReadOutId::CoefA, "txtsa"}, {ReadOutId::CoefB, "txtsb"},
    {ReadOutId::CoefC, "txtsc"},       {ReadOutId::CoefD, "txtsd"}, {ReadOutId::Rho, "txtpjl"},
    {ReadOutId::AgRequired, "txtag2"}, {ReadOutId::D12, "txtd12"},  {ReadOutId::D14, "txtd14"},
    {ReadOutId::D16, "txtd16"},        {ReadOutId::D18, "txtd18"},  {ReadOutId::D20, "txtd20"},
    {ReadOutId::D22, "txtd22"},        {ReadOutId::D25, "txtd25"},  {ReadOutId::D28, "txtd28"},
    {ReadOutId::D32, "txtd32"},        {ReadOutId::D34, "txtd34"},  {ReadOutId::D36, "txtd36"},
    {ReadOutId::RhoGiven, "txtqjl"},   {ReadOutId::Nq, "txtnq"},    {ReadOutId::Mq, "txtmq"},
    {ReadOutId::Verdict, "txtjg"},
}};

[[nodiscard]] consteval bool readOutFieldsAreIndexedById() {
    for (std::size_t i = 0; i < kReadOutCount; ++i)
        if (readOutIndex(kReadOutFields[i].id) != i) return false;
    return true;
}
static_assert(readOutFieldsAreIndexedById());

[[nodiscard]] constexpr std::string_view readOutField(ReadOutId id) {
    return kReadOutFields[readOutIndex(id)].field;
}

// A read-out's text with the field that shows it.
struct ShownReadOut {
    std::string_view field;
    std::string text;
};

// What the fields show after a completed run, in display order.
[[nodiscard]] inline std::vector<ShownReadOut> shownReadOuts(ReadOutTexts texts) {
    std::vector<ShownReadOut> shown;
    shown.reserve(kReadOutCount);
    for (const ReadOutField& readOut : kReadOutFields)
        shown.push_back({readOut.field, std::move(texts[readOutIndex(readOut.id)])});
    return shown;
}

}  // namespace pilaro
