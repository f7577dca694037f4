#include "diagram/current_code_diagrams.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "jtg3362/decimal_text.h"
#include "jtg3362/interaction_curve.h"
#include "jtg3362/messages.h"
#include "jtg3362/run.h"
#include "jtg3362/status_name.h"
#include "messages/diagram_words.h"
#include "messages/table_messages.h"

namespace pilaro::diagram {

using jtg3362::Input;
using messages::diagramMessage;
using messages::DiagramProblem;
using messages::Message;
using table::Column;

namespace {

struct Steel {
    double As;                      // cm^2
    std::optional<long long> bars;  // how many, where given as bars
    std::string text, key;
};

// Areas show rounded down, never more than the bars supply.
std::string areaText(double As) {
    return jtg3362::decimalText(As, 2, jtg3362::Rounding::Down);
}

Steel steelOf(const DiagramRow& row, double As, std::optional<long long> bars) {
    if (!row.bars.empty() && bars) return {As, bars, row.bars, row.bars};
    const std::string area = areaText(As);
    return {As, std::nullopt, area + " cm²", area + "cm2"};
}

// The distinct areas of the checks, in the order they first appear; or the
// largest area a design needs.
std::vector<Steel> steelsOf(const std::vector<const DiagramRow*>& rows) {
    std::vector<Steel> steels;
    for (const DiagramRow* row : rows) {
        if (!row->checkRoad) continue;
        const double As = row->current.As;
        const bool known =
            std::any_of(steels.begin(), steels.end(), [As](const Steel& s) { return s.As == As; });
        if (!known) steels.push_back(steelOf(*row, As, row->current.bars));
    }
    if (!steels.empty()) return steels;
    const DiagramRow* most = nullptr;
    for (const DiagramRow* row : rows)
        if (row->designed && (!most || row->requiredAg > most->requiredAg)) most = row;
    if (most) steels.push_back(steelOf(*most, most->requiredAg, std::nullopt));
    return steels;
}

// The columns in which `row` differs from `first` where one diagram needs
// them alike, as the header wrote them.
std::vector<Message> difference(const Input& first, const Input& row,
                                const table::ColumnMap& named) {
    std::vector<Message> columns;
    const auto differs = [&](bool differ, Column c) {
        if (differ) columns.push_back(table::columnAsWritten(named, c));
    };
    differs(first.D != row.D, Column::D);
    differs(first.a != row.a, Column::a);
    differs(first.concrete != row.concrete, Column::Concrete);
    differs(first.steel != row.steel, Column::Steel);
    differs(first.l0 != row.l0, Column::l0);
    differs(first.gamma0 != row.gamma0, Column::Gamma0);
    return columns;
}

Input checkWith(Input input, const Steel& steel) {
    input.task = jtg3362::Task::Check;
    input.As = steel.As;
    input.bars = steel.bars;
    return input;
}

LoadMark markOf(const DiagramRow& row, const Steel& steel) {
    LoadMark mark;
    mark.name = row.name.empty() ? "row " + std::to_string(row.line) : row.name;
    mark.line = row.line;
    mark.design = row.designed;
    const jtg3362::Outcome outcome = jtg3362::run(checkWith(row.current, steel));
    if (outcome.status != jtg3362::Status::Done) {
        mark.currentStopped = outcome.status;
        return mark;
    }
    const jtg3362::Result& r = outcome.result;
    mark.hasPoint = true;
    mark.N = r.gamma0Nd;
    mark.M = r.gamma0Nd * r.e;
    mark.verdict = r.verdict;
    mark.margin = r.utilisation ? 1.0 / *r.utilisation : 0.0;
    return mark;
}

}  // namespace

std::vector<Diagram> currentCodeDiagrams(const MemberRows& member,
                                         const std::vector<const DiagramRow*>& rows,
                                         const Message& who, const table::ColumnMap& named,
                                         std::vector<Message>& problems) {
    const Input& first = rows.front()->current;
    for (const DiagramRow* row : rows) {
        const std::vector<Message> columns = difference(first, row->current, named);
        if (!columns.empty()) {
            problems.push_back(
                diagramMessage(DiagramProblem::NotOneSection,
                               {who, std::to_string(rows.front()->line), std::to_string(row->line),
                                messages::listOf(columns)}));
            return {};
        }
    }
    const std::vector<Steel> steels = steelsOf(rows);
    if (steels.empty()) {
        problems.push_back(diagramMessage(DiagramProblem::NoSteel, {who}));
        return {};
    }

    std::vector<Diagram> diagrams;
    for (const Steel& steel : steels) {
        // The section alone, under a load of no account: the curve and Nmax
        // do not depend on it.
        Input bare = checkWith(first, steel);
        bare.Nd = 1.0;
        bare.Md = 0.0;
        const jtg3362::Outcome outcome = jtg3362::run(bare);
        const std::optional<jtg3362::InteractionCurve> curve =
            jtg3362::interactionCurve(bare, outcome);
        if (!curve) {
            const Message why(jtg3362::statusMessage(outcome, Language::Chinese),
                              jtg3362::statusMessage(outcome, Language::English));
            problems.push_back(diagramMessage(DiagramProblem::NoCurve, {who, steel.text, why}));
            continue;
        }
        Diagram d;
        d.method = table::Method::Jtg3362;
        d.member = member.member;
        d.steelText = steel.text;
        d.steelKey = steel.key;
        d.Ag = steel.As;
        d.rho = outcome.result.rho;
        d.D = first.D;
        d.a = first.a;
        d.concrete = jtg3362::findConcrete(first.concrete)->text;
        d.steel = jtg3362::findSteel(first.steel)->text;
        d.gamma0 = first.gamma0;
        d.Nmax = curve->Nmax;
        for (std::size_t i = 0; i < curve->points.size(); ++i)
            d.curve.push_back({static_cast<double>(i + 1) / jtg3362::kCurveSteps,
                               curve->points[i].N, curve->points[i].M});
        // A case given twice (as a design and as a check) is one point,
        // the check's: its verdict is the one a point can show.
        std::map<std::tuple<std::string, bool, double, double, Verdict, jtg3362::Status>,
                 std::size_t>
            shown;
        for (const DiagramRow* row : rows) {
            LoadMark mark = markOf(*row, steel);
            const auto [at, first] = shown.try_emplace(
                {mark.name, mark.hasPoint, mark.N, mark.M, mark.verdict, mark.currentStopped},
                d.loads.size());
            if (first)
                d.loads.push_back(std::move(mark));
            else if (!mark.design)
                d.loads[at->second].design = false;
        }
        diagrams.push_back(std::move(d));
    }
    return diagrams;
}

}  // namespace pilaro::diagram
