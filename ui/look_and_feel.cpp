#include "ui/look_and_feel.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStyle>
#include <QStyleFactory>

#include "text/text_font.h"

namespace pilaro {

// A font of more than one family makes Qt sort every font of the machine
// for its fallbacks, once for each script it draws (Chinese, Greek, the
// rest): milliseconds of start-up. The text font holds every character the
// window shows, and characters it lacks fall back as in the diagrams and
// the report, which name it alone.
QStringList windowFontFamilies(bool textFontInstalled) {
    QStringList families{QString::fromUtf8(text::kTextFont)};
    if (!textFontInstalled)
        families << QStringLiteral("WenQuanYi Zen Hei") << QStringLiteral("Noto Sans CJK SC")
                 << QStringLiteral("Droid Sans Fallback");
    return families;
}

void applyLookAndFeel(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
    QFont font = QApplication::font();
    // By the name fontconfig lists it under: hasFamily() would first ask
    // fontconfig for an alias of it, a millisecond.
    const QString textFont = QString::fromUtf8(text::kTextFont);
    font.setFamilies(windowFontFamilies(QFontDatabase::families().contains(textFont)));
    font.setPixelSize(12);
    QApplication::setFont(font);
}

}  // namespace pilaro
