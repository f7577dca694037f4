// No front end writes a message of its own: outside the message home, no
// string literal of the C++ or JavaScript sources holds Chinese, but for a
// few layout texts and input words, each with its one home named below.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace pilaro::test {
namespace {

namespace fs = std::filesystem;

struct Allowed {
    std::string_view file;     // from the source folder
    std::string_view literal;  // empty: every literal of the file
    std::string_view why;
};

constexpr Allowed kAllowed[] = {
    {"form/control_table.cpp", "", "the form's captions: layout, whose one home is this table"},
    {"report/report_lines.cpp", "", "the printed report's labels: layout, whose home this is"},
    {"report/current_report_lines.cpp", "",
     "the current code's printed sheet's labels: layout, whose home this is"},
    {"table/output_columns.cpp", "", "the output's Chinese headings, which the workbook shows"},
    {"engine/materials.cpp", "", "the grades' names, which the lists offer and cells hold"},
    {"table/columns.cpp", "", "the columns' own names, which a header may hold"},
    {"table/header_names.cpp", "", "the other names, brackets and blanks a header may hold"},
    {"table/cell_values.h", "", "the words a type cell may hold"},
    {"table/cell_values.cpp", "", "the marks 号 and 级 a grade cell may hold"},
    {"web/page/main.js", "程序无法启动：${error}", "the one message with no module to give it"},
};

// Folders that are no front end: the home itself, the tests and
// benchmarks, documents and data, and the page's build tools.
const std::set<std::string> kNotScanned = {"messages", "tests",     "bench",       "docs",
                                           "examples", "cmake",     "package",     ".ci",
                                           ".git",     "web/tools", "node_modules"};

bool isChinese(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

bool holdsChinese(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if ((lead & 0xF0) != 0xE0 || i + 2 >= text.size()) continue;
        const char32_t c = (char32_t{lead} & 0x0F) << 12 |
                           (char32_t{static_cast<unsigned char>(text[i + 1])} & 0x3F) << 6 |
                           (char32_t{static_cast<unsigned char>(text[i + 2])} & 0x3F);
        if (isChinese(c)) return true;
    }
    return false;
}

// The string literals of a source, without its comments: "…", '…', C++'s
// raw R"d(…)d" and JavaScript's `…` (a template whole, with what it holds).
std::vector<std::string> literalsOf(std::string_view source, bool javaScript) {
    std::vector<std::string> literals;
    std::size_t i = 0;
    const auto skipTo = [&](std::string_view end) {
        const std::size_t at = source.find(end, i);
        i = at == std::string_view::npos ? source.size() : at + end.size();
    };
    while (i < source.size()) {
        const char c = source[i];
        if (source.substr(i, 2) == "//") {
            skipTo("\n");
        } else if (source.substr(i, 2) == "/*") {
            i += 2;
            skipTo("*/");
        } else if (!javaScript && c == 'R' && source.substr(i + 1, 1) == "\"") {
            const std::size_t open = source.find('(', i);
            // Appended, not a literal prepended: gcc 12 at -O3 warns falsely
            // (-Wrestrict) about the latter.
            std::string close(1, ')');
            close += source.substr(i + 2, open - i - 2);
            close += '"';
            const std::size_t end = source.find(close, open);
            literals.emplace_back(source.substr(open + 1, end - open - 1));
            i = end == std::string_view::npos ? source.size() : end + close.size();
        } else if (c == '"' || c == '\'' || (javaScript && c == '`')) {
            std::size_t end = i + 1;
            while (end < source.size() && source[end] != c) end += source[end] == '\\' ? 2 : 1;
            literals.emplace_back(source.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            ++i;
        }
    }
    return literals;
}

const Allowed* allowed(const std::string& file, std::string_view literal) {
    for (const Allowed& a : kAllowed)
        if (a.file == file && (a.literal.empty() || a.literal == literal)) return &a;
    return nullptr;
}

std::string contentsOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(OwnMessages, NoFrontEndHoldsAChineseLiteralOfItsOwn) {
    const fs::path root(PILARO_SOURCE_DIR);
    std::size_t sources = 0;
    std::set<const Allowed*> used;
    for (auto entry = fs::recursive_directory_iterator(root); entry != fs::end(entry); ++entry) {
        const std::string file = fs::relative(entry->path(), root).generic_string();
        if (entry->is_directory() && (kNotScanned.count(file) || file.starts_with("build"))) {
            entry.disable_recursion_pending();
            continue;
        }
        const std::string extension = entry->path().extension().string();
        const bool javaScript = extension == ".js" || extension == ".mjs";
        if (!entry->is_regular_file() || !(javaScript || extension == ".cpp" || extension == ".h"))
            continue;
        ++sources;
        for (const std::string& literal : literalsOf(contentsOf(entry->path()), javaScript)) {
            if (!holdsChinese(literal)) continue;
            if (const Allowed* a = allowed(file, literal))
                used.insert(a);
            else
                ADD_FAILURE() << file << " writes a message of its own: \"" << literal
                              << "\"; take it from messages/";
        }
    }
    EXPECT_GT(sources, 100u) << "the sources were not found under " << root;
    // An entry that allows nothing any more goes.
    for (const Allowed& a : kAllowed)
        EXPECT_TRUE(used.count(&a)) << a.file << " needs no entry: " << a.why;
}

// The scan itself: literals in and out of comments, and the kinds of
// literal each language has.
TEST(OwnMessages, FindsTheLiteralsOfASource) {
    const struct {
        std::string_view source;
        bool javaScript;
        std::vector<std::string> literals;
    } cases[] = {
        {"f(\"甲\"); // \"乙\"\n/* \"丙\" */ g('\"');", false, {"甲", "\""}},
        {"auto s = R\"x(a \"b\" 丁)x\"; h(\"\\\"戊\");", false, {"a \"b\" 丁", "\\\"戊"}},
        {"show(`表格：${e.message}`); x = '己';", true, {"表格：${e.message}", "己"}},
        {"a = 1; // 'not' a literal", true, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(literalsOf(c.source, c.javaScript), c.literals) << c.source;
    EXPECT_TRUE(holdsChinese("请选择"));
    EXPECT_TRUE(holdsChinese("a，b"));  // full-width punctuation
    EXPECT_FALSE(holdsChinese("N–M cm² Φ"));
}

}  // namespace
}  // namespace pilaro::test
