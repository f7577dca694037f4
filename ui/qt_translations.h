// Qt's own Chinese texts for the dialogs the program opens: the printer
// dialog, the file dialog it leads to and the message box's button.
#pragma once

class QCoreApplication;

namespace pilaro {

// Loads Qt's Chinese translations into `app`, whatever the user's locale:
// the program is Chinese throughout, so its dialogs are too. False when
// they are not installed (Debian package qt6-translations-l10n); the
// dialogs then keep Qt's English.
bool installQtChineseTranslations(QCoreApplication& app);

}  // namespace pilaro
