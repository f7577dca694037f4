// The native side of the parity of the two builds:
//   pilaro_web_parity cases        writes the generated cases (TSV)
//   pilaro_web_parity run < TSV    answers them as the page does
// tests/web/parity_run.mjs answers the same cases through the WebAssembly
// module; engine_parity.sh compares the two answers byte for byte.
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_events.h"
#include "tests/web/parity_cases.h"
#include "web/page_report.h"

namespace {

using pilaro::test::kParityFields;
using pilaro::test::ParityCase;

void writeCases() {
    for (const ParityCase& c : pilaro::test::parityCases()) {
        std::cout << (c.fresh ? "1" : "0") << '\t' << c.option << '\t' << c.concrete << '\t'
                  << c.steel;
        for (const std::string& text : c.texts) std::cout << '\t' << text;
        std::cout << '\n';
    }
}

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> cells(1);
    for (char ch : line) {
        if (ch == '\t')
            cells.emplace_back();
        else
            cells.back() += ch;
    }
    return cells;
}

// One width unit per character (UTF-8 code point) at 10 points.
double characterWidth(const std::string& text, double pointSize) {
    double count = 0;
    for (unsigned char ch : text)
        if ((ch & 0xC0) != 0x80) ++count;
    return count * pointSize / 10;
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

int answerCases() {
    pilaro::CalcState state;
    // What the lists show: the entry last put in, kept until another is.
    std::string concreteShown, steelShown;
    std::string line;
    for (int n = 1; std::getline(std::cin, line); ++n) {
        const std::vector<std::string> cells = splitTabs(line);
        if (cells.size() != 4 + kParityFields.size()) {
            std::cerr << "case " << n << ": " << cells.size() << " cells\n";
            return 1;
        }
        if (cells[0] == "1") {
            state = pilaro::CalcState{};
            concreteShown.clear();
            steelShown.clear();
        }
        if (!cells[1].empty()) pilaro::chooseOption(state, cells[1]);
        if (!cells[2].empty()) pilaro::pickEntry(state, "cbohnt", concreteShown = cells[2]);
        if (!cells[3].empty()) pilaro::pickEntry(state, "cbogj", steelShown = cells[3]);
        const auto outcome = pilaro::pressRun(state, [&](std::string_view name) {
            if (name == "cbohnt") return concreteShown;
            if (name == "cbogj") return steelShown;
            for (std::size_t i = 0; i < kParityFields.size(); ++i)
                if (name == kParityFields[i]) return cells[4 + i];
            return std::string();
        });
        std::cout << n << '\t' << (outcome.status ? statusName(*outcome.status) : "refused") << '\t'
                  << outcome.message << '\n';
        for (const pilaro::ShownReadOut& readOut : outcome.readOuts)
            std::cout << readOut.field << '\t' << readOut.text << '\n';
        const auto report =
            pilaro::web::printedReport(state, n % 2 == 0 ? 1000 : 80, characterWidth);
        std::cout << "report " << fixed(report.pointSize, 6) << '\n';
        for (const auto& placed : report.lines) {
            for (const pilaro::PlacedText& run : placed)
                std::cout << fixed(run.x, 3) << '\t' << run.text << '\t';
            std::cout << '\n';
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc == 2 ? argv[1] : "";
    if (mode == "cases") {
        writeCases();
        return 0;
    }
    if (mode == "run") return answerCases();
    std::cerr << "usage: pilaro_web_parity cases | run < CASES\n";
    return 2;
}
