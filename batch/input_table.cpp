#include "batch/input_table.h"

#include <cerrno>
#include <fstream>
#include <iostream>

#include "messages/file_messages.h"
#include "messages/sheet_messages.h"
#include "messages/table_messages.h"
#include "table/csv_reader.h"
#include "table/xlsx_reader.h"

namespace pilaro::batch {

using messages::SheetProblem;

namespace {

bool fromStandardInput(const BatchOptions& options) {
    return options.input == "-";
}

std::unique_ptr<std::ifstream> openFile(const std::string& path) {
    auto in = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (!*in)
        throw messages::fileError(messages::FileProblem::CannotRead,
                                  {path, messages::systemReason(errno)});
    return in;
}

}  // namespace

InputTable::InputTable(const BatchOptions& options)
    : options_(options),
      name_(fromStandardInput(options) ? messages::sheetMessage(SheetProblem::StandardInput, {})
                                       : messages::Message(options.input)) {
    std::string head;
    if (fromStandardInput(options)) {
        standardInput_ = std::make_unique<SpooledInput>(std::cin);
        path_ = standardInput_->path();
        head = standardInput_->head();
    } else {
        path_ = options.input;
        const auto in = openFile(path_);
        head.resize(table::kFileKindBytes);
        in->read(head.data(), static_cast<std::streamsize>(head.size()));
        head.resize(static_cast<std::size_t>(in->gcount()));
    }
    kind_ = table::fileKindOf(head);
    if (const auto refusal = table::refusalOf(kind_, name_)) throw messages::MessageError(*refusal);
    if (!options.sheet.empty() && kind_ != table::FileKind::Workbook)
        throw messages::sheetError(SheetProblem::SheetNeedsWorkbook,
                                   {messages::quoted(options.sheet), name_});
}

TableReading InputTable::read() const {
    TableReading reading;
    if (kind_ == table::FileKind::Workbook) {
        auto workbook = std::make_unique<table::XlsxReader>(path_, options_.sheet, name_);
        reading.size = workbook->sheetSize();
        reading.records = std::move(workbook);
        return reading;
    }
    reading.stream = openFile(path_);
    if (decided_) {
        reading.text = std::make_unique<table::InputText>(*reading.stream, *decided_);
    } else {
        reading.text = std::make_unique<table::InputText>(*reading.stream);
        decided_ = reading.text->decision();
    }
    reading.size = reading.text->utf8Size();
    reading.records = std::make_unique<table::CsvReader>(reading.text->utf8(), options_.separator);
    return reading;
}

}  // namespace pilaro::batch
