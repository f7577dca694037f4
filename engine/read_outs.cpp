#include "engine/read_outs.h"

#include "engine/number_text.h"
#include "engine/vector_state.h"

namespace pilaro {

namespace {

std::string shown(const MaybeValue& value) {
    return value ? numberToText(*value) : std::string();
}

}  // namespace

ReadOutTexts readOuts(const CalcResult& result, bool checkPath) {
    clearUpperVectorHalves();
    ReadOutTexts out;
    const auto set = [&out](ReadOutId id, std::string text) {
        out[readOutIndex(id)] = std::move(text);
    };
    // The coefficients belong to both roads.
    set(ReadOutId::Xi, shown(result.xi));
    set(ReadOutId::CoefA, shown(result.coefA));
    set(ReadOutId::CoefB, shown(result.coefB));
    set(ReadOutId::CoefC, shown(result.coefC));
    set(ReadOutId::CoefD, shown(result.coefD));
    if (!checkPath) {
        set(ReadOutId::AgRequired, shown(result.Ag));
        set(ReadOutId::Rho, shown(result.rho));
        for (std::size_t i = 0; i < kBarSizeCount; ++i)
            set(barCountReadOut(i), shown(result.barCounts[i]));
        return out;
    }
    set(ReadOutId::Nq, shown(result.Nq));
    set(ReadOutId::Mq, shown(result.Mq));
    set(ReadOutId::RhoGiven, shown(result.rhoGiven));
    set(ReadOutId::Verdict, std::string(verdictText(result.verdict)));
    return out;
}

}  // namespace pilaro
