#include "table/workbook_check.h"

#include <unzip.h>

#include <array>
#include <memory>
#include <string_view>

#include "messages/file_messages.h"

namespace pilaro::table {

using messages::Message;
using messages::WorkbookFault;

namespace {

constexpr std::string_view kSheet = "xl/worksheets/sheet1.xml";

// Counts a text's occurrences in a stream of pieces, across their joins.
class Occurrences {
  public:
    explicit Occurrences(std::string_view text) : text_(text) {}

    void feed(std::string_view piece) {
        // Those that start in the carried end of the pieces before, then
        // those within this piece.
        const std::string join = carry_ + std::string(piece.substr(0, text_.size() - 1));
        for (auto at = join.find(text_); at < carry_.size(); at = join.find(text_, at + 1))
            ++count_;
        for (auto at = piece.find(text_); at != std::string_view::npos;
             at = piece.find(text_, at + 1))
            ++count_;
        const std::string_view all = piece.size() >= text_.size() - 1 ? piece : join;
        carry_ = all.substr(all.size() - std::min(all.size(), text_.size() - 1));
    }
    long count() const { return count_; }

  private:
    std::string_view text_;
    std::string carry_;
    long count_ = 0;
};

// The root element of an XML part, and whether the part ends with its end.
class XmlEnds {
  public:
    void feed(std::string_view piece) {
        if (head_.size() < 1024) head_ += piece.substr(0, 1024 - head_.size());
        tail_ += piece.substr(piece.size() - std::min<std::size_t>(piece.size(), 256));
        if (tail_.size() > 256) tail_.erase(0, tail_.size() - 256);
    }
    bool whole() const {
        std::size_t at = 0;
        while ((at = head_.find('<', at)) != std::string::npos &&
               (head_.compare(at + 1, 1, "?") == 0 || head_.compare(at + 1, 1, "!") == 0))
            ++at;
        if (at == std::string::npos) return false;
        const std::size_t end = head_.find_first_of(" \t\r\n/>", at + 1);
        if (end == std::string::npos) return false;
        const std::string closing = "</" + head_.substr(at + 1, end - at - 1) + ">";
        const std::size_t last = tail_.find_last_not_of(" \t\r\n");
        return last != std::string::npos && last + 1 >= closing.size() &&
               tail_.compare(last + 1 - closing.size(), closing.size(), closing) == 0;
    }

  private:
    std::string head_, tail_;
};

struct ZipCloser {
    void operator()(unzFile zip) const { unzClose(zip); }
};

bool isXml(std::string_view name) {
    return name.ends_with(".xml") || name.ends_with(".rels");
}

// What is wrong with the archive's current part, or nothing.
std::optional<Message> partFault(unzFile zip, const std::string& name, long rows) {
    if (unzOpenCurrentFile(zip) != UNZ_OK)
        return messages::workbookFault(WorkbookFault::PartUnreadable, {name});
    XmlEnds ends;
    Occurrences rowStarts("<row "), rowEnds("</row>");
    std::array<char, 1 << 16> buffer;
    int read = 0;
    while ((read = unzReadCurrentFile(zip, buffer.data(), buffer.size())) > 0) {
        const std::string_view piece(buffer.data(), static_cast<std::size_t>(read));
        ends.feed(piece);
        if (name == kSheet) {
            rowStarts.feed(piece);
            rowEnds.feed(piece);
        }
    }
    // Closing checks the part against its checksum, once it is read whole.
    const int closed = unzCloseCurrentFile(zip);
    if (read < 0 || closed != UNZ_OK)
        return messages::workbookFault(WorkbookFault::PartDamaged, {name});
    if (isXml(name) && !ends.whole())
        return messages::workbookFault(WorkbookFault::PartCutShort, {name});
    if (name == kSheet && (rowStarts.count() != rows || rowEnds.count() != rows))
        return messages::workbookFault(WorkbookFault::RowsMissing,
                                       {std::to_string(rowEnds.count()), std::to_string(rows)});
    return std::nullopt;
}

}  // namespace

std::optional<Message> workbookFault(const std::string& path, long rows) {
    const std::unique_ptr<void, ZipCloser> zip(unzOpen64(path.c_str()));
    if (!zip) return messages::workbookFault(WorkbookFault::NoZipArchive, {});
    bool sheet = false;
    int step = unzGoToFirstFile(zip.get());
    for (; step == UNZ_OK; step = unzGoToNextFile(zip.get())) {
        std::array<char, 512> name{};
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zip.get(), &info, name.data(), name.size() - 1, nullptr, 0,
                                    nullptr, 0) != UNZ_OK)
            return messages::workbookFault(WorkbookFault::PartsUnlisted, {});
        const std::string part(name.data());
        sheet = sheet || part == kSheet;
        if (auto fault = partFault(zip.get(), part, rows)) return fault;
    }
    if (step != UNZ_END_OF_LIST_OF_FILE)
        return messages::workbookFault(WorkbookFault::PartsUnlisted, {});
    if (!sheet) return messages::workbookFault(WorkbookFault::NoSheet, {});
    return std::nullopt;
}

}  // namespace pilaro::table
