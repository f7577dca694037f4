#include "table/xlsx_reader.h"

#include <expat.h>
#include <unzip.h>

#include <cstdio>
#include <vector>

#include "messages/file_messages.h"
#include "table/sheet_rows.h"
#include "table/workbook_parts.h"

namespace pilaro::table {

using messages::WorkbookFault;

namespace {

constexpr std::size_t kPiece = std::size_t{1} << 16;

// The events of expat for a handler of table/xml_events.h.
class ExpatParser {
  public:
    explicit ExpatParser(XmlHandler& handler) : parser_(XML_ParserCreate(nullptr)) {
        if (!parser_) throw std::bad_alloc();
        XML_SetUserData(parser_, &handler);
        XML_SetElementHandler(parser_, started, ended);
        XML_SetCharacterDataHandler(parser_, characters);
    }
    ~ExpatParser() { XML_ParserFree(parser_); }
    ExpatParser(const ExpatParser&) = delete;
    ExpatParser& operator=(const ExpatParser&) = delete;

    // False when the XML is not well formed.
    bool feed(const char* bytes, std::size_t size, bool last) {
        return XML_Parse(parser_, bytes, static_cast<int>(size), last ? 1 : 0) == XML_STATUS_OK;
    }

  private:
    static void XMLCALL started(void* handler, const XML_Char* name, const XML_Char** pairs) {
        std::vector<XmlAttribute> attributes;
        for (const XML_Char** a = pairs; *a; a += 2) attributes.push_back({a[0], a[1]});
        static_cast<XmlHandler*>(handler)->start(name, attributes);
    }
    static void XMLCALL ended(void* handler, const XML_Char* name) {
        static_cast<XmlHandler*>(handler)->end(name);
    }
    static void XMLCALL characters(void* handler, const XML_Char* text, int size) {
        static_cast<XmlHandler*>(handler)->text({text, static_cast<std::size_t>(size)});
    }

    XML_Parser parser_;
};

}  // namespace

struct XlsxReader::Archive {
    unzFile zip = nullptr;
    messages::Message file;
    std::unique_ptr<SheetRows> rows;
    std::unique_ptr<ExpatParser> parser;
    std::string sheetPart;
    std::vector<char> piece = std::vector<char>(kPiece);
    std::uint64_t read = 0, size = 0;
    bool ended = false;

    ~Archive() {
        if (!zip) return;
        unzCloseCurrentFile(zip);
        unzClose(zip);
    }

    messages::MessageError damaged(const std::string& part) const {
        return messages::MessageError(
            workbookUnreadable(file, messages::workbookFault(WorkbookFault::PartDamaged, {part})));
    }

    // Opens `part` for reading; false when the archive lacks it.
    bool open(const std::string& part) {
        if (unzLocateFile(zip, part.c_str(), 1) != UNZ_OK) return false;
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK ||
            unzOpenCurrentFile(zip) != UNZ_OK)
            throw damaged(part);
        size = info.uncompressed_size;
        read = 0;
        return true;
    }

    // Feeds the next piece of the part open to `parser`; false at its end.
    bool feedPiece(ExpatParser& parser, const std::string& part) {
        const int got = unzReadCurrentFile(zip, piece.data(), static_cast<unsigned>(piece.size()));
        if (got < 0) throw damaged(part);
        const bool last = got == 0;
        if (last && unzCloseCurrentFile(zip) != UNZ_OK) throw damaged(part);
        read += static_cast<std::uint64_t>(got);
        if (!parser.feed(piece.data(), static_cast<std::size_t>(got), last)) throw damaged(part);
        return !last;
    }
};

XlsxReader::XlsxReader(const std::string& path, const std::string& sheet, messages::Message file)
    : archive_(std::make_unique<Archive>()) {
    Archive& a = *archive_;
    a.file = std::move(file);
    a.zip = unzOpen64(path.c_str());
    if (!a.zip)
        throw messages::MessageError(
            workbookUnreadable(a.file, messages::workbookFault(WorkbookFault::NoZipArchive, {})));

    WorkbookParts parts(sheet, a.file);
    while (!parts.wanted().empty()) {
        const std::string part = parts.wanted();
        const bool found = a.open(part);
        if (found) {
            ExpatParser parser(parts.handler());
            while (a.feedPiece(parser, part)) {
            }
        }
        parts.done(found);
        if (!parts.error().empty()) throw messages::MessageError(parts.error());
    }
    a.sheetPart = parts.sheetPart();
    a.rows = std::make_unique<SheetRows>(parts.takeContext());
    if (!a.open(a.sheetPart))
        throw messages::MessageError(workbookUnreadable(
            a.file, messages::workbookFault(WorkbookFault::PartUnreadable, {a.sheetPart})));
    a.parser = std::make_unique<ExpatParser>(*a.rows);
}

XlsxReader::~XlsxReader() = default;

bool XlsxReader::next(CellRow& record) {
    Archive& a = *archive_;
    while (!a.rows->take(record)) {
        if (a.ended) return false;
        a.ended = !a.feedPiece(*a.parser, a.sheetPart);
        if (!a.rows->error().empty()) throw messages::MessageError(a.rows->error());
    }
    return true;
}

std::uint64_t XlsxReader::bytesRead() const {
    return archive_->read;
}

std::uint64_t XlsxReader::sheetSize() const {
    return archive_->size;
}

}  // namespace pilaro::table
