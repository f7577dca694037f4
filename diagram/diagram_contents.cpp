#include "diagram/diagram_contents.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "diagram/current_code_diagrams.h"
#include "engine/materials.h"
#include "engine/resistance.h"
#include "messages/diagram_words.h"
#include "messages/run_messages.h"
#include "messages/table_messages.h"
#include "text/shown_text.h"

namespace pilaro::diagram {

using messages::diagramMessage;
using messages::DiagramProblem;
using messages::Message;
using table::Column;
using table::indexOf;
using table::RowOutcome;
using text::plainNumber;

Message memberSubject(const MemberRows& m, bool hasMemberColumn) {
    return messages::memberSubject(m.member, hasMemberColumn);
}

void DiagramTable::add(const RowOutcome& o) {
    DiagramRow row;
    row.line = o.row.line;
    row.name = o.row.cells[indexOf(Column::Name)];
    row.input = o.row.input;
    row.readWithoutErrors = o.row.errors.empty();
    row.bars = o.row.cells[indexOf(Column::Bars)];
    row.designed = o.hasResult && !o.checkRoad;
    row.method = o.row.method;
    if (o.isCurrentCode()) {
        row.current = o.row.current;
        row.checkRoad = o.row.current.task == jtg3362::Task::Check;
        row.requiredAg = o.current.result.As;
    } else {
        row.checkRoad = takesCheckRoad(o.row.input);
        row.requiredAg = o.result.Ag;
    }
    members.of(o).rows.push_back(std::move(row));
}

namespace {

struct Steel {
    double Ag;  // cm^2
    std::string text, key;
};

Steel steelOf(double Ag, const std::string& bars) {
    if (!bars.empty()) return {Ag, bars, bars};
    const std::string area = plainNumber(Ag);
    return {Ag, area + " cm²", area + "cm2"};
}

// The distinct areas of the checks, in the order they first appear; or the
// largest area a design needs.
std::vector<Steel> steelsOf(const std::vector<const DiagramRow*>& rows) {
    std::vector<Steel> steels;
    for (const DiagramRow* row : rows) {
        if (!row->checkRoad) continue;
        const double Ag = valueOr0(row->input.Ag);
        const bool known =
            std::any_of(steels.begin(), steels.end(), [Ag](const Steel& s) { return s.Ag == Ag; });
        if (!known) steels.push_back(steelOf(Ag, row->bars));
    }
    if (!steels.empty()) return steels;
    const DiagramRow* most = nullptr;
    for (const DiagramRow* row : rows)
        if (row->designed && (!most || row->requiredAg > most->requiredAg)) most = row;
    if (most) steels.push_back(steelOf(most->requiredAg, ""));
    return steels;
}

// The columns in which `row` has another section than `first`, as the
// header wrote them.
std::vector<Message> sectionDifference(const CalcInput& first, const CalcInput& row,
                                       const table::ColumnMap& named) {
    std::vector<Message> columns;
    const auto differs = [&](bool differ, Column c) {
        if (differ) columns.push_back(table::columnAsWritten(named, c));
    };
    differs(valueOr0(first.D) != valueOr0(row.D), Column::D);
    differs(valueOr0(first.a) != valueOr0(row.a), Column::a);
    differs(valueOr0(first.Ra) != valueOr0(row.Ra) || valueOr0(first.Eh) != valueOr0(row.Eh),
            Column::Concrete);
    differs(valueOr0(first.Rg) != valueOr0(row.Rg) || valueOr0(first.Eg) != valueOr0(row.Eg),
            Column::Steel);
    return columns;
}

CalcInput checkWith(CalcInput input, double Ag) {
    input.type = CalcType::Check;
    input.Ag = Ag;
    return input;
}

LoadMark markOf(const DiagramRow& row, double Ag) {
    LoadMark mark;
    mark.name = row.name.empty() ? "row " + std::to_string(row.line) : row.name;
    mark.line = row.line;
    mark.design = row.designed;
    const CalcInput input = checkWith(row.input, Ag);
    CalcResult derived;
    SolverInput solver{};
    const CalcStatus derivation = deriveSection(input, derived, solver);
    if (derivation == CalcStatus::Done) {
        const LoadPoint point = loadPoint(solver);
        mark.hasPoint = true;
        mark.N = point.N;
        mark.M = point.M;
    }
    CalcResult result;
    const CalcStatus status = runCalculation(input, result);
    if (!mark.hasPoint || status != CalcStatus::Done) {
        mark.stopped = derivation != CalcStatus::Done ? derivation : status;
        return mark;
    }
    mark.verdict = result.verdict;
    mark.margin = valueOr0(result.Nq) / valueOr0(input.Nj);
    return mark;
}

std::string_view concreteName(const CalcInput& in) {
    for (const ConcreteGrade& g : concreteGrades())
        if (g.Ra == valueOr0(in.Ra) && g.Eh == valueOr0(in.Eh)) return g.text;
    return "";
}

std::string_view steelName(const CalcInput& in) {
    for (const SteelGrade& g : steelGrades())
        if (g.Rg == valueOr0(in.Rg) && g.Eg == valueOr0(in.Eg)) return g.text;
    return "";
}

}  // namespace

std::vector<Diagram> diagramsOf(const MemberRows& member, const Message& who,
                                const table::ColumnMap& named, std::vector<Message>& problems) {
    std::vector<const DiagramRow*> rows;
    for (const DiagramRow& row : member.rows)
        if (row.readWithoutErrors) rows.push_back(&row);
    if (rows.empty()) {
        problems.push_back(diagramMessage(DiagramProblem::NoRowWithoutErrors, {who}));
        return {};
    }
    const auto ofMethod = [&](table::Method method) {
        return std::find_if(rows.begin(), rows.end(),
                            [method](const DiagramRow* r) { return r->method == method; });
    };
    const auto archived = ofMethod(table::Method::Archived);
    const auto current = ofMethod(table::Method::Jtg3362);
    if (archived != rows.end() && current != rows.end()) {
        problems.push_back(diagramMessage(
            DiagramProblem::TwoMethods,
            {who, std::to_string((*archived)->line), std::to_string((*current)->line)}));
        return {};
    }
    if (current != rows.end()) return currentCodeDiagrams(member, rows, who, named, problems);
    for (const DiagramRow* row : rows) {
        const std::vector<Message> columns =
            sectionDifference(rows.front()->input, row->input, named);
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
    const CalcInput& section = rows.front()->input;
    for (const Steel& steel : steels) {
        // The section alone: no load, no slenderness. The curve does not
        // depend on them.
        CalcInput bare = checkWith(section, steel.Ag);
        bare.Nj = 1.0;
        bare.Mj = 0.0;
        bare.l0 = 0.0;
        CalcResult derived;
        SolverInput solver{};
        const CalcStatus status = deriveSection(bare, derived, solver);
        Diagram d;
        d.member = member.member;
        d.steelText = steel.text;
        d.steelKey = steel.key;
        d.Ag = steel.Ag;
        d.rho = givenSteelRatio(steel.Ag, valueOr0(section.D));
        d.D = valueOr0(section.D);
        d.a = valueOr0(section.a);
        d.concrete = concreteName(section);
        d.steel = steelName(section);
        if (status == CalcStatus::Done) d.curve = interactionCurve(solver, d.rho);
        if (d.curve.empty()) {
            const Message why =
                status == CalcStatus::Done
                    ? Message(messages::diagramProblemWording(DiagramProblem::NoStateInCompression))
                    : Message(std::string(statusMessage(status)), std::string(statusName(status)));
            problems.push_back(diagramMessage(DiagramProblem::NoCurve, {who, steel.text, why}));
            continue;
        }
        // A case given twice (as a design and as a check) is one point,
        // the check's: its verdict is the one a point can show.
        std::map<std::tuple<std::string, bool, double, double, Verdict, CalcStatus>, std::size_t>
            shown;
        for (const DiagramRow* row : rows) {
            LoadMark mark = markOf(*row, steel.Ag);
            const auto [at, first] = shown.try_emplace(
                {mark.name, mark.hasPoint, mark.N, mark.M, mark.verdict, mark.stopped},
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
