#include "web/table_warm_up.h"

#include <cstdio>

#include "table/csv_cell.h"

namespace pilaro::web {

namespace {

constexpr int kRows = 400;

std::string decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

}  // namespace

std::string warmUpTable() {
    table::CsvLine line;
    std::string file;
    // The grades' plain aliases read as their Chinese names do.
    for (const char* name :
         {"name", "member", "type", "concrete", "steel", "Nj", "Mj", "D", "a", "l0", "Ag", "bars"})
        line.add(name);
    file += line.end();
    const char* archived[] = {"20", "25", "30", "40"};
    const char* current[] = {"C25", "C30", "C40", "C50"};
    const char* bars[] = {"24D28", "30D25", "40D32", "18D22"};
    for (int i = 0; i < kRows; ++i) {
        const double D = 0.8 + 0.2 * (i % 7);
        const double Nj = 1000 + 9000 * D * D * ((i * 37) % 100) / 100.0;
        const double Mj = Nj * D * (0.05 + 0.4 * ((i * 61) % 100) / 100.0);
        const double l0 = 4 + 12 * D * ((i * 13) % 100) / 100.0;
        const bool check = i % 2 == 1;
        const bool currentCode = i % 5 == 4;
        for (const std::string& cell : {"case " + std::to_string(i), "P" + std::to_string(i % 3),
                                        std::string(check ? "check" : "design"),
                                        std::string(currentCode ? current[i % 4] : archived[i % 4]),
                                        std::string(currentCode ? "HRB400" : "II"), decimal(Nj),
                                        decimal(Mj), decimal(D), std::string("0.06"), decimal(l0),
                                        std::string(), std::string(check ? bars[i % 4] : "")})
            line.add(cell);
        file += line.end();
    }
    return file;
}

}  // namespace pilaro::web
