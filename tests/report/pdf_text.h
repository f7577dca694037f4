// What poppler-utils read back from a PDF file the report was printed to.
#pragma once

#include <string>
#include <vector>

namespace pilaro::test {

// The text lines of `pdftotext -layout`, across all pages, empty lines
// dropped, each run of blanks made one blank and the ends trimmed.
std::vector<std::string> pdfLines(const std::string& path);

int pdfPageCount(const std::string& path);

// A word of `pdftotext -bbox`, in points from the page's top left corner.
struct PdfWord {
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::string text;
};

struct PdfPageWords {
    double width = 0, height = 0;
    std::vector<PdfWord> words;
};

std::vector<PdfPageWords> pdfWords(const std::string& path);

}  // namespace pilaro::test
