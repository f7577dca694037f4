// The words of an N–M diagram and of what is told about it: the legend,
// the title, the axes and the section's line, which the diagram shows in
// Chinese, and why a member has no diagram.
#pragma once

#include <string_view>

#include "messages/wording.h"

namespace pilaro::messages {

enum class DiagramWord {
    Title,           // after the member's name
    Passes,          // the legend's passing check
    Fails,           // the legend's failing check
    Capacity,        // the legend's curve
    MomentAxis,      // across
    AxialForceAxis,  // up
    Design,          // the legend's design: a load case the section was made to carry
};

[[nodiscard]] Wording diagramWord(DiagramWord word);

// The section under the title: D, a, the grades, the steel (with its area
// when `area` is not empty) and the ratio, each as shown.
[[nodiscard]] Message diagramSectionLine(std::string_view D, std::string_view a,
                                         std::string_view concrete, std::string_view steel,
                                         std::string_view steelText, std::string_view area,
                                         std::string_view rho);

// The title's words for a diagram of the current code with its
// importance factor: "（JTG 3362-2018，γ0＝1.1）".
[[nodiscard]] Message diagramMethodNote(std::string_view gamma0);

// The name of the current code's axial limit, beside its line:
// "Nmax＝15446.64 kN".
[[nodiscard]] Message diagramAxialLimit(std::string_view Nmax);

// The form's one load case, named by its loads: "Nj＝5000，Mj＝3000".
[[nodiscard]] Message loadCaseName(std::string_view Nj, std::string_view Mj);

// The same case of a slender member, named by what its point stands at:
// the moment amplified by eta, "Nj＝5000，η·Mj＝3277.3".
[[nodiscard]] Message amplifiedLoadCaseName(std::string_view Nj, std::string_view etaMj);

// The form's one load case under the current code, named by what its
// point stands at: "γ0Nd＝5500.00，γ0Nd·ηe0＝3640.42".
[[nodiscard]] Message currentLoadCaseName(std::string_view gamma0Nd, std::string_view moment);

// How messages name a member: 构件 P1 (member P1), 全表 (all rows) of a
// table without members, 未填构件的行 (the rows without a member).
[[nodiscard]] Message memberSubject(std::string_view member, bool hasMemberColumn);

enum class DiagramProblem {
    NoRowWithoutErrors,  // {1} the member
    NotOneSection,       // {1} the member, {2} and {3} the rows, {4} the columns that differ
    NoSteel,             // {1} the member
    NoCurve,             // {1} the member, {2} the steel, {3} why
    NoStateInCompression,
    TwoMethods,  // {1} the member, {2} a row of the archived method, {3} one of the current code
};

[[nodiscard]] Wording diagramProblemWording(DiagramProblem problem);

[[nodiscard]] Message diagramMessage(DiagramProblem problem,
                                     std::initializer_list<Message> arguments);

// The summary's line that names a diagram's file.
[[nodiscard]] Message diagramFileLine(const Message& subject, std::string_view steelText,
                                      std::string_view file);

}  // namespace pilaro::messages
