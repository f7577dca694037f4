#include "diagram/diagram_csv.h"

#include <charconv>

#include "engine/read_outs.h"
#include "jtg3362/status_name.h"
#include "messages/diagram_words.h"
#include "table/csv_cell.h"

namespace pilaro::diagram {

using table::csvField;
using table::spreadsheetText;

namespace {

std::string exact(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

}  // namespace

std::string diagramCsv(const Diagram& d) {
    const bool current = d.method == table::Method::Jtg3362;
    // The current code's curve runs over α, and its axial limit follows it.
    std::string csv = current ? "\xEF\xBB\xBF"
                                "alpha,N,M\r\n"
                              : "\xEF\xBB\xBFxi,N,M\r\n";
    for (const CurvePoint& p : d.curve)
        csv += exact(p.xi) + ',' + exact(p.N) + ',' + exact(p.M) + "\r\n";
    if (current) csv += "Nmax\r\n" + exact(d.Nmax) + "\r\n";
    csv += "name,N,M,verdict\r\n";
    for (const LoadMark& m : d.loads) {
        csv += csvField(spreadsheetText(m.name)) + ',';
        if (m.hasPoint)
            csv += exact(m.N) + ',' + exact(m.M);
        else
            csv += ',';
        // A design has no verdict: its point is drawn as a design.
        const std::string_view verdict =
            !m.hasVerdict()
                ? (current ? jtg3362::statusName(m.currentStopped) : statusName(m.stopped))
            : m.design ? messages::diagramWord(messages::DiagramWord::Design).chinese
                       : verdictText(m.verdict);
        csv += ',' + csvField(verdict) + "\r\n";
    }
    return csv;
}

}  // namespace pilaro::diagram
