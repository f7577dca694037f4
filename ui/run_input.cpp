#include "ui/run_input.h"

#include "engine/number_parse.h"
#include "ui/qt_text.h"

namespace pilaro {

namespace {

double fieldNumber(const FieldText& fieldText, std::string_view name) {
    const QByteArray utf8 = fieldText(name).toUtf8();
    return parseNumber(utf8View(utf8));
}

}  // namespace

CalcInput inputFromFields(const CalcState& state, const FieldText& fieldText) {
    CalcInput input;
    input.type = state.type();
    input.Mj = fieldNumber(fieldText, "txtmj");
    input.Nj = fieldNumber(fieldText, "txtnj");
    input.D = fieldNumber(fieldText, "txtzd");
    input.a = fieldNumber(fieldText, "txtbc");
    input.l0 = fieldNumber(fieldText, "txtlj");
    input.Ag = input.type == CalcType::Check ? fieldNumber(fieldText, "txtag1") : 0.0;
    input.Ra = state.Ra;
    input.Eh = state.Eh;
    input.Rg = state.Rg;
    input.Eg = state.Eg;
    return input;
}

}  // namespace pilaro
