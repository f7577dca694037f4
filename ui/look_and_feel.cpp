#include "ui/look_and_feel.h"

#include <QApplication>
#include <QFont>
#include <QStyle>
#include <QStyleFactory>

#include "text/text_font.h"

namespace pilaro {

void applyLookAndFeel(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
    QFont font = QApplication::font();
    font.setFamilies({QString::fromUtf8(text::kTextFont), QStringLiteral("WenQuanYi Zen Hei"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback")});
    font.setPixelSize(12);
    QApplication::setFont(font);
}

}  // namespace pilaro
