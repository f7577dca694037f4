// The modal message of a run that stopped.
#pragma once

class QString;
class QWidget;

namespace pilaro {

inline constexpr const char* kApplicationTitle = "Pilaro";

// A modal box over `parent`: information icon, one OK button, the
// application title, `text`.
void showInformation(QWidget* parent, const QString& text);

}  // namespace pilaro
