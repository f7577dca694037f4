#include "form/control_table.h"

#include <array>

namespace pilaro {

namespace {

using K = ControlKind;
using I = FormInput;
using B = FormButton;
using R = ReadOutId;
using C = jtg3362::ReadOut;

// The method whose form alone shows a control.
constexpr auto kArchived = table::Method::Archived;
constexpr auto kCurrent = table::Method::Jtg3362;

// The ideographic space (U+3000) that the coefficient and xi read-outs start with.
constexpr std::string_view kWideBlank = "\u3000";

constexpr std::array kControls = std::to_array<ControlRow>({
    // The window's client area.
    {"Frame1", K::Frame, kWindowName, "数据输入：", 0, 0, 2895, 2775, 0},
    {"Frame2", K::Frame, kWindowName, "配筋结果：", 3000, 0, 4575, 3615, 1},
    {"Frame3", K::Frame, kWindowName, "校核结果：", 3000, 3720, 4575, 1215, 2},
    {"cmdrun", K::PushButton, kWindowName, "运  行", 0, 4440, 975, 495, 3, B::Run},
    {"cmdprint", K::PushButton, kWindowName, "打  印", 960, 4440, 975, 495, 4, B::Print},
    {"cmdexit", K::PushButton, kWindowName, "退  出", 1920, 4440, 975, 495, 5, B::Exit},
    {"Frame4", K::Frame, kWindowName, "计算类型：", 0, 2880, 2895, 1335, 20},
    {"CommonDialogprint", K::PrinterDialog, kWindowName, "", 0, 0, 0, 0, -1},

    // The band below the archived form: the choice of method and, for the
    // current code, its importance factor. Tab visits them after 退  出 and
    // before the grade lists (equal tab indices keep the table's order).
    // A list of this band shows the entry the form holds, never typing.
    {"Frame5", K::Frame, kWindowName, "计算方法：", 0, kMethodBandTop, 7575, 720, 5},
    {"cbomethod", K::ChoiceList, "Frame5", "", 120, 250, 2880, 300, 5, I::Method},
    {"Label31", K::Caption, "Frame5", "结构重要性系数γ0：", 3480, 300, 1695, 255, 5, {}, kCurrent},
    {"cbogamma", K::ChoiceList, "Frame5", "", 5280, 250, 1335, 300, 5, I::ImportanceFactor,
     kCurrent},

    // Data input.
    {"Label1", K::Caption, "Frame1", "混凝土标号：", 120, 300, 1335, 255, 6},
    {"cbohnt", K::DropDownList, "Frame1", " ", 1680, 250, 1095, 300, 7, I::ConcreteGrade},
    {"Label2", K::Caption, "Frame1", "钢筋等级：", 120, 650, 1215, 255, 8},
    {"cbogj", K::DropDownList, "Frame1", " ", 1680, 600, 1095, 300, 9, I::SteelGrade},
    {"Label3", K::Caption, "Frame1", "轴向力（KN）", 120, 1000, 1335, 255, 10},
    {"txtnj", K::TextField, "Frame1", " ", 1680, 950, 1095, 270, 11, I::AxialForce},
    {"Label4", K::Caption, "Frame1", "计算弯矩（KN.m）", 120, 1350, 1695, 375, 12},
    {"txtmj", K::TextField, "Frame1", " ", 1680, 1300, 1095, 270, 13, I::Moment},
    {"Label5", K::Caption, "Frame1", "圆形直径（m）", 120, 1700, 1575, 255, 14},
    {"txtzd", K::TextField, "Frame1", " ", 1680, 1650, 1095, 270, 15, I::Diameter},
    {"Label6", K::Caption, "Frame1", "保护层厚度（m）", 120, 2050, 1575, 255, 16},
    {"txtbc", K::TextField, "Frame1", " ", 1680, 2000, 1095, 270, 17, I::Cover},
    {"Label7", K::Caption, "Frame1", "计算长度（m）", 120, 2400, 1215, 255, 18},
    {"txtlj", K::TextField, "Frame1", " ", 1680, 2335, 1095, 270, 19, I::Length},

    // Calculation type.
    {"optpj", K::OptionButton, "Frame4", "配筋计算", 240, 360, 1215, 255, 21, CalcType::Design},
    {"optqd", K::OptionButton, "Frame4", "强度校核", 1680, 360, 1095, 255, 22, CalcType::Check},
    {"Label8", K::Caption, "Frame4", "纵向钢筋面积（cm2）", 120, 840, 1215, 375, 23},
    {"txtag1", K::TextField, "Frame4", "", 1680, 840, 1095, 270, 24, I::GivenArea},

    // Design results, left column.
    {"Label11", K::Caption, "Frame2", "钢筋根数D12＝", 120, 240, 1215, 255, 29},
    {"txtd12", K::TextField, "Frame2", " ", 1440, 240, 1095, 270, 30, R::D12},
    {"Label12", K::Caption, "Frame2", "D14＝", 840, 600, 615, 255, 34},
    {"txtd14", K::TextField, "Frame2", " ", 1440, 600, 1095, 270, 31, R::D14},
    {"Label13", K::Caption, "Frame2", "D16＝", 840, 960, 495, 255, 35},
    {"txtd16", K::TextField, "Frame2", " ", 1440, 960, 1095, 270, 32, R::D16},
    {"Label14", K::Caption, "Frame2", "D18＝", 840, 1320, 495, 255, 36},
    {"txtd18", K::TextField, "Frame2", " ", 1440, 1320, 1095, 270, 33, R::D18},
    {"Label15", K::Caption, "Frame2", "D20＝", 840, 1680, 495, 255, 37},
    {"txtd20", K::TextField, "Frame2", " ", 1440, 1680, 1095, 270, 43, R::D20},
    {"Label9", K::Caption, "Frame2", "纵向钢筋（cm2）", 120, 2040, 1455, 255, 25},
    {"txtag2", K::TextField, "Frame2", " ", 1440, 2040, 1095, 270, 26, R::AgRequired},
    {"Label23", K::Caption, "Frame2", "计算系数ξ＝", 240, 2400, 1215, 180, 53, {}, kArchived},
    {"txtss", K::TextField, "Frame2", kWideBlank, 1440, 2400, 1095, 270, 54, R::Xi, kArchived},
    {"Label24", K::Caption, "Frame2", "计算系数A＝", 360, 2760, 1095, 255, 55, {}, kArchived},
    {"txtsa", K::TextField, "Frame2", kWideBlank, 1440, 2760, 1095, 270, 59, R::CoefA, kArchived},
    {"Label25", K::Caption, "Frame2", "B＝", 1080, 3120, 375, 255, 56, {}, kArchived},
    {"txtsb", K::TextField, "Frame2", kWideBlank, 1440, 3120, 1095, 270, 60, R::CoefB, kArchived},

    // Design results, right column. Label17 is 495 wide like its neighbours:
    // at 375 no font shows "D25＝" whole, its "＝" was cut off.
    {"Label16", K::Caption, "Frame2", "D22＝", 2640, 240, 495, 255, 38},
    {"txtd22", K::TextField, "Frame2", " ", 3360, 240, 1095, 270, 44, R::D22},
    {"Label17", K::Caption, "Frame2", "D25＝", 2640, 600, 495, 255, 39},
    {"txtd25", K::TextField, "Frame2", " ", 3360, 600, 1095, 270, 45, R::D25},
    {"Label18", K::Caption, "Frame2", "D28＝", 2640, 960, 495, 255, 40},
    {"txtd28", K::TextField, "Frame2", " ", 3360, 960, 1095, 270, 46, R::D28},
    {"Label19", K::Caption, "Frame2", "D32＝", 2640, 1320, 495, 255, 41},
    {"txtd32", K::TextField, "Frame2", " ", 3360, 1320, 1095, 270, 47, R::D32},
    {"Label20", K::Caption, "Frame2", "D34＝", 2640, 1680, 495, 255, 42, {}, kArchived},
    {"txtd34", K::TextField, "Frame2", " ", 3360, 1680, 1095, 270, 48, R::D34, kArchived},
    {"Label30", K::Caption, "Frame2", "D36＝", 2640, 2040, 615, 255, 67},
    {"txtd36", K::TextField, "Frame2", "", 3360, 2040, 1095, 270, 68, R::D36},
    {"Label10", K::Caption, "Frame2", "配筋率", 2640, 2400, 615, 255, 27},
    {"txtpjl", K::TextField, "Frame2", " ", 3360, 2400, 1095, 270, 28, R::Rho},
    {"Label26", K::Caption, "Frame2", "C＝", 2760, 2760, 495, 255, 57, {}, kArchived},
    {"txtsc", K::TextField, "Frame2", kWideBlank, 3360, 2760, 1095, 270, 61, R::CoefC, kArchived},
    {"Label27", K::Caption, "Frame2", "D＝", 2760, 3120, 375, 255, 58, {}, kArchived},
    {"txtsd", K::TextField, "Frame2", kWideBlank, 3360, 3120, 1095, 270, 62, R::CoefD, kArchived},

    // Check results.
    {"Label21", K::Caption, "Frame3", "竖直力Nq＝", 360, 360, 1095, 255, 49, {}, kArchived},
    {"txtnq", K::TextField, "Frame3", " ", 1440, 360, 1095, 270, 50, R::Nq, kArchived},
    {"Label29", K::Caption, "Frame3", "配筋率", 2640, 360, 615, 255, 65},
    {"txtqjl", K::TextField, "Frame3", " ", 3360, 360, 1095, 270, 66, R::RhoGiven},
    {"Label28", K::Caption, "Frame3", "弯矩Mq＝", 480, 840, 855, 255, 63, {}, kArchived},
    {"txtmq", K::TextField, "Frame3", " ", 1440, 840, 1095, 270, 64, R::Mq, kArchived},
    {"Label22", K::Caption, "Frame3", "校核结果", 2640, 840, 855, 255, 51},
    {"txtjg", K::TextField, "Frame3", " ", 3360, 840, 1095, 270, 52, R::Verdict},

    // The current code's bar of 40 mm, after its 36 mm, which takes the
    // place of the archived 34 mm that the code lacks (kCurrentPlaces). Its
    // other read-outs that the archived form has by name (the area, the
    // ratios, the other bars, the verdict) show in their archived fields.
    {"Label41", K::Caption, "Frame2", "D40＝", 2640, 2040, 615, 255, 68, {}, kCurrent},
    {"txtd40", K::TextField, "Frame2", "", 3360, 2040, 1095, 270, 68, C::D40, kCurrent},

    // The current code's own read-outs, in a frame below the band.
    {"Frame6",
     K::Frame,
     kWindowName,
     "计算结果（JTG 3362-2018）：",
     0,
     5865,
     7575,
     2235,
     68,
     {},
     kCurrent},
    {"Label32", K::Caption, "Frame6", "偏心距e0（m）", 120, 300, 2160, 255, 68},
    {"txte0", K::TextField, "Frame6", "", 2400, 300, 1095, 270, 69, C::E0},
    {"Label33", K::Caption, "Frame6", "偏心距增大系数η", 3720, 300, 2520, 255, 68},
    {"txteta", K::TextField, "Frame6", "", 6360, 300, 1095, 270, 70, C::Eta},
    {"Label34", K::Caption, "Frame6", "系数α", 120, 660, 2160, 255, 68},
    {"txtalpha", K::TextField, "Frame6", "", 2400, 660, 1095, 270, 71, C::Alpha},
    {"Label35", K::Caption, "Frame6", "系数αt", 3720, 660, 2520, 255, 68},
    {"txtalphat", K::TextField, "Frame6", "", 6360, 660, 1095, 270, 72, C::AlphaT},
    {"Label36", K::Caption, "Frame6", "轴向承载力Nud（kN）", 120, 1020, 2160, 255, 68},
    {"txtnu", K::TextField, "Frame6", "", 2400, 1020, 1095, 270, 73, C::Nu},
    {"Label37", K::Caption, "Frame6", "弯矩承载力Mud（kN·m）", 3720, 1020, 2520, 255, 68},
    {"txtmu", K::TextField, "Frame6", "", 6360, 1020, 1095, 270, 74, C::Mu},
    {"Label38", K::Caption, "Frame6", "稳定系数φ", 120, 1380, 2160, 255, 68},
    {"txtphi", K::TextField, "Frame6", "", 2400, 1380, 1095, 270, 75, C::Phi},
    {"Label39", K::Caption, "Frame6", "轴心受压承载力Nmax（kN）", 3720, 1380, 2520, 255, 68},
    {"txtnumax", K::TextField, "Frame6", "", 6360, 1380, 1095, 270, 76, C::NuAxial},
    {"Label40", K::Caption, "Frame6", "利用率", 120, 1740, 2160, 255, 68},
    {"txtutil", K::TextField, "Frame6", "", 2400, 1740, 1095, 270, 77, C::Utilisation},
});

// Where a control of both methods stands under the current code, where
// that differs from its row: the bars of 36 mm in the place of the
// archived 34 mm, so that the bar counts run D32, D36, D40.
constexpr std::array kCurrentPlaces = std::to_array<ControlPlace>({
    {"Label30", 2640, 1680, 615, 255},
    {"txtd36", 3360, 1680, 1095, 270},
});

// The kind of control a role needs, so that every front end finds the
// widget or element it expects.
constexpr bool roleFitsKind(const ControlRow& row) {
    if (const auto* input = std::get_if<FormInput>(&row.role)) {
        if (*input == I::Method || *input == I::ImportanceFactor) return row.kind == K::ChoiceList;
        const bool list = *input == I::ConcreteGrade || *input == I::SteelGrade;
        return row.kind == (list ? K::DropDownList : K::TextField);
    }
    if (std::holds_alternative<CalcType>(row.role)) return row.kind == K::OptionButton;
    if (std::holds_alternative<FormButton>(row.role)) return row.kind == K::PushButton;
    if (row.readOut()) return row.kind == K::TextField;
    // A field or list with no role would be one that no rule reads.
    return row.kind != K::TextField && row.kind != K::DropDownList && row.kind != K::ChoiceList &&
           row.kind != K::OptionButton && row.kind != K::PushButton;
}

constexpr int controlsWithRole(const ControlRole& role) {
    int count = 0;
    for (const ControlRow& row : kControls) count += row.role == role;
    return count;
}

constexpr bool everyRoleOnce() {
    for (int i = 0; i <= static_cast<int>(I::ImportanceFactor); ++i)
        if (controlsWithRole(static_cast<I>(i)) != 1) return false;
    for (int i = 0; i <= static_cast<int>(B::Exit); ++i)
        if (controlsWithRole(static_cast<B>(i)) != 1) return false;
    for (std::size_t i = 0; i < kReadOutCount; ++i)
        if (controlsWithRole(static_cast<R>(i)) != 1) return false;
    // A current read-out has at most one field of its own.
    for (std::size_t i = 0; i < jtg3362::kReadOutCount; ++i)
        if (controlsWithRole(static_cast<C>(i)) > 1) return false;
    return controlsWithRole(CalcType::Design) == 1 && controlsWithRole(CalcType::Check) == 1 &&
           controlsWithRole(CalcType::None) == 0;
}

// A control of one method sits in a container of both, so that showing
// or hiding it is all it takes.
constexpr bool methodsNest() {
    for (const ControlRow& row : kControls) {
        if (row.container == kWindowName) continue;
        for (const ControlRow& container : kControls)
            if (container.name == row.container && container.method && row.method) return false;
    }
    return true;
}

// The band and the current code's frame lie below the archived client
// area, and nothing of the archived form reaches into them.
constexpr bool archivedAreaKept() {
    for (const ControlRow& row : kControls) {
        if (row.container != kWindowName || row.kind == K::PrinterDialog) continue;
        const bool below = row.top >= kMethodBandTop;
        if (!below && row.top + row.height > kClientHeightTwips) return false;
        if (below && row.method == kArchived) return false;
    }
    return true;
}

constexpr bool namesAreUnique() {
    for (std::size_t i = 0; i < kControls.size(); ++i)
        for (std::size_t j = i + 1; j < kControls.size(); ++j)
            if (kControls[i].name == kControls[j].name) return false;
    return true;
}

// A control that moves under the current code is one of both methods,
// and moves into the place of a control of the archived method alone in
// its container, which the current code hides.
constexpr bool movesIntoArchivedPlaces() {
    for (const ControlPlace& moved : kCurrentPlaces) {
        const ControlRow* row = nullptr;
        for (const ControlRow& each : kControls)
            if (each.name == moved.control) row = &each;
        if (!row || row->method) return false;
        bool vacated = false;
        for (const ControlRow& each : kControls)
            vacated = vacated || (each.method == kArchived && each.container == row->container &&
                                  each.left == moved.left && each.top == moved.top);
        if (!vacated) return false;
    }
    return true;
}

consteval bool everyRoleFitsItsKind() {
    for (const ControlRow& row : kControls)
        if (!roleFitsKind(row)) return false;
    return true;
}
// One assertion each: a compiler counts the steps of a constant
// evaluation, and the table's checks together would pass clang's limit.
static_assert(everyRoleFitsItsKind());
static_assert(everyRoleOnce());
static_assert(namesAreUnique());
static_assert(methodsNest());
static_assert(archivedAreaKept());
static_assert(movesIntoArchivedPlaces());

// The frame of the current code's read-outs.
consteval std::size_t currentFrameIndex() {
    for (std::size_t i = 0; i < kControls.size(); ++i)
        if (kControls[i].container == kWindowName && kControls[i].kind == K::Frame &&
            kControls[i].method == kCurrent)
            return i;
    return kControls.size();
}

// The band: the frame of the method's choice.
consteval std::size_t methodBandIndex() {
    for (std::size_t i = 0; i < kControls.size(); ++i)
        if (kControls[i].container == kWindowName && kControls[i].top == kMethodBandTop) return i;
    return kControls.size();
}

constexpr const ControlRow& kCurrentFrame = kControls[currentFrameIndex()];
constexpr const ControlRow& kMethodBand = kControls[methodBandIndex()];
static_assert(kMethodBand.top + kMethodBand.height < kCurrentFrame.top);

}  // namespace

std::span<const ControlRow> mainWindowControls() {
    return kControls;
}

std::vector<ControlPlace> methodPlaces(table::Method method) {
    std::vector<ControlPlace> places;
    for (const ControlPlace& moved : kCurrentPlaces) {
        if (method == kCurrent) {
            places.push_back(moved);
            continue;
        }
        const ControlRow& row = *findControl(moved.control);
        places.push_back({row.name, row.left, row.top, row.width, row.height});
    }
    return places;
}

FormBox formBox(table::Method method) {
    const ControlRow& last = method == kCurrent ? kCurrentFrame : kMethodBand;
    return {kClientWidthTwips, last.top + last.height};
}

int pageTop(const ControlRow& row) {
    if (row.container != kWindowName) return row.top;
    const ControlRow& band = kMethodBand;
    // The gap between the archived form and the band stays between them.
    const int bandAndGap = kCurrentFrame.top - band.top;
    if (row.top >= band.top && row.top < band.top + band.height) return row.top - band.top;
    if (row.top < kClientHeightTwips) return row.top + bandAndGap;
    return row.top;
}

const ControlRow* findControl(std::string_view name) {
    for (const ControlRow& row : kControls)
        if (row.name == name) return &row;
    return nullptr;
}

std::string_view controlName(const ControlRole& role) {
    if (std::holds_alternative<std::monostate>(role)) return {};
    for (const ControlRow& row : kControls)
        if (row.role == role) return row.name;
    return {};
}

}  // namespace pilaro
