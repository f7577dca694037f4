#include "engine/read_outs.h"

#include <array>

#include "engine/number_text.h"

namespace pilaro {

namespace {

struct BarCountField {
    std::string_view field;
    std::string_view name;
};

// In bar-table order, D12 to D36.
constexpr std::array<BarCountField, kBarSizeCount> kBarCountFields = {{{"txtd12", "D12"},
                                                                       {"txtd14", "D14"},
                                                                       {"txtd16", "D16"},
                                                                       {"txtd18", "D18"},
                                                                       {"txtd20", "D20"},
                                                                       {"txtd22", "D22"},
                                                                       {"txtd25", "D25"},
                                                                       {"txtd28", "D28"},
                                                                       {"txtd32", "D32"},
                                                                       {"txtd34", "D34"},
                                                                       {"txtd36", "D36"}}};

std::string shown(const MaybeValue& value) {
    return value ? numberToText(*value) : std::string();
}

void addCoefficients(std::vector<ReadOut>& out, const CalcResult& result) {
    out.push_back({"txtsa", "coefA", shown(result.coefA)});
    out.push_back({"txtsb", "coefB", shown(result.coefB)});
    out.push_back({"txtsc", "coefC", shown(result.coefC)});
    out.push_back({"txtsd", "coefD", shown(result.coefD)});
    out.push_back({"txtss", "xi", shown(result.xi)});
}

}  // namespace

std::vector<ReadOut> readOuts(const CalcResult& result, bool checkPath) {
    std::vector<ReadOut> out;
    out.reserve(22);
    if (!checkPath) {
        out.push_back({"txtag2", "AgRequired", shown(result.Ag)});
        out.push_back({"txtpjl", "rho", shown(result.rho)});
        for (int i = 0; i < kBarSizeCount; ++i)
            out.push_back(
                {kBarCountFields[i].field, kBarCountFields[i].name, shown(result.barCounts[i])});
        addCoefficients(out, result);
        out.push_back({"txtnq", "Nq", {}});
        out.push_back({"txtmq", "Mq", {}});
        out.push_back({"txtqjl", "rhoGiven", {}});
        out.push_back({"txtjg", "verdict", {}});
        return out;
    }
    addCoefficients(out, result);
    out.push_back({"txtnq", "Nq", shown(result.Nq)});
    out.push_back({"txtmq", "Mq", shown(result.Mq)});
    out.push_back({"txtqjl", "rhoGiven", shown(result.rhoGiven)});
    out.push_back({"txtag2", "AgRequired", {}});
    out.push_back({"txtpjl", "rho", {}});
    for (const BarCountField& bar : kBarCountFields) out.push_back({bar.field, bar.name, {}});
    out.push_back({"txtjg", "verdict", result.verdict});
    return out;
}

}  // namespace pilaro
