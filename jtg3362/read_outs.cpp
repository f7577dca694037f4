#include "jtg3362/read_outs.h"

#include "engine/read_outs.h"

namespace pilaro::jtg3362 {

std::string figureText(ReadOut id, double value) {
    const ReadOutEntry& entry = readOutEntry(id);
    return decimalText(value, entry.decimals, entry.rounding);
}

double shownValue(ReadOut id, double value) {
    const ReadOutEntry& entry = readOutEntry(id);
    return decimalValue(value, entry.decimals, entry.rounding);
}

ReadOutTexts readOuts(Task task, const Outcome& outcome) {
    ReadOutTexts texts;
    if (outcome.status != Status::Done && outcome.status != Status::EnlargeSection) return texts;
    const Result& r = outcome.result;
    const auto set = [&](ReadOut id, double value) {
        texts[readOutIndex(id)] = figureText(id, value);
    };
    set(ReadOut::DesignLoad, r.gamma0Nd);
    set(ReadOut::L0OverD, r.l0OverD);
    set(ReadOut::E0, r.e0);
    set(ReadOut::Slenderness, r.slenderness);
    if (r.zeta1) set(ReadOut::Zeta1, *r.zeta1);
    if (r.zeta2) set(ReadOut::Zeta2, *r.zeta2);
    set(ReadOut::Eta, r.eta);
    set(ReadOut::E, r.e);
    set(ReadOut::Alpha, r.alpha);
    set(ReadOut::AlphaT, r.alphaT);
    set(ReadOut::Nu, r.Nud);
    set(ReadOut::Mu, r.Mud);
    set(ReadOut::Phi, r.phi);
    set(ReadOut::NuAxial, r.Nmax);
    if (r.utilisation) set(ReadOut::Utilisation, *r.utilisation);
    texts[readOutIndex(ReadOut::Verdict)] = std::string(verdictText(r.verdict));
    if (task == Task::Check) {
        set(ReadOut::RhoGiven, r.rho);
        return texts;
    }
    set(ReadOut::Rho, r.rho);
    if (outcome.status == Status::EnlargeSection) return texts;
    set(ReadOut::AgRequired, r.As);
    for (std::size_t i = 0; i < kBarSizeCount; ++i) set(barCountReadOut(i), r.barCounts[i]);
    return texts;
}

}  // namespace pilaro::jtg3362
