#include "ui/result_presentation.h"

#include <array>

#include "engine/number_text.h"

namespace pilaro {

namespace {

// In bar-table order, D12 to D36.
constexpr std::array<std::string_view, kBarSizeCount> kBarCountFields = {
    "txtd12", "txtd14", "txtd16", "txtd18", "txtd20", "txtd22",
    "txtd25", "txtd28", "txtd32", "txtd34", "txtd36"};

QString shown(const MaybeValue& value) {
    if (!value) return QString();
    return QString::fromStdString(numberToText(*value));
}

void addCoefficients(std::vector<ReadOutText>& out, const CalcResult& result) {
    out.push_back({"txtsa", shown(result.coefA)});
    out.push_back({"txtsb", shown(result.coefB)});
    out.push_back({"txtsc", shown(result.coefC)});
    out.push_back({"txtsd", shown(result.coefD)});
    out.push_back({"txtss", shown(result.xi)});
}

}  // namespace

std::vector<ReadOutText> readOutTexts(const CalcResult& result, bool checkPath) {
    std::vector<ReadOutText> out;
    if (!checkPath) {
        out.push_back({"txtag2", shown(result.Ag)});
        out.push_back({"txtpjl", shown(result.rho)});
        for (int i = 0; i < kBarSizeCount; ++i) {
            out.push_back({kBarCountFields[i], shown(result.barCounts[i])});
        }
        addCoefficients(out, result);
        for (std::string_view field : {"txtnq", "txtmq", "txtqjl", "txtjg"}) {
            out.push_back({field, QString()});
        }
        return out;
    }
    addCoefficients(out, result);
    out.push_back({"txtnq", shown(result.Nq)});
    out.push_back({"txtmq", shown(result.Mq)});
    out.push_back({"txtqjl", shown(result.rhoGiven)});
    out.push_back({"txtag2", QString()});
    out.push_back({"txtpjl", QString()});
    for (std::string_view field : kBarCountFields) out.push_back({field, QString()});
    out.push_back({"txtjg", QString::fromStdString(result.verdict)});
    return out;
}

}  // namespace pilaro
