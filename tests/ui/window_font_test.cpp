// The window's font: WenQuanYi Zen Hei Sharp alone where it is installed,
// with other CJK families in its place where it is not, and every
// character the window shows drawn from it, so that no text of the window
// depends on a fallback.
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QRawFont>
#include <QStringList>
#include <QTest>
#include <string>
#include <string_view>
#include <vector>

#include "form/calc_state.h"
#include "form/control_table.h"
#include "form/form_events.h"
#include "messages/field_messages.h"
#include "messages/form_messages.h"
#include "messages/jtg3362_messages.h"
#include "messages/method_words.h"
#include "messages/run_messages.h"
#include "text/text_font.h"
#include "ui/look_and_feel.h"

namespace {

using namespace pilaro;
using namespace pilaro::messages;

template <class Key>
void addWordings(std::vector<std::string>& texts, Wording (*wording)(Key), Key first, Key last) {
    for (int k = static_cast<int>(first); k <= static_cast<int>(last); ++k)
        texts.emplace_back(wording(static_cast<Key>(k)).chinese);
}

// The texts of the window in Chinese: captions, initial texts, list
// entries of both methods, and the messages and help it shows.
std::vector<std::string> shownTexts() {
    std::vector<std::string> texts;
    for (const ControlRow& row : mainWindowControls()) texts.emplace_back(row.text);
    for (const table::Method method : {table::Method::Archived, table::Method::Jtg3362}) {
        CalcState state;
        state.method = method;
        for (const ListContents& list : formLists(state)) {
            texts.emplace_back(list.shown);
            for (std::string_view entry : list.entries) texts.emplace_back(entry);
        }
    }
    addWordings(texts, statusWording, CalcStatus::NoType, CalcStatus::AreaAboveSection);
    addWordings(texts, statusWording, jtg3362::Status::EnlargeSection,
                jtg3362::Status::ResultOutOfRange);
    addWordings(texts, verdictWording, Verdict::Passes, Verdict::Fails);
    addWordings(texts, fieldName, Field::Name, Field::Method);
    addWordings(texts, fieldProblemWording, FieldProblem::NotANumber,
                FieldProblem::ImportanceFactorOnArchivedRow);
    addWordings(texts, formNoticeWording, FormNotice::CheckRanAsDesign,
                FormNotice::CurrentCheckRanAsDesign);
    addWordings(texts, methodWording, MethodWord::Archived, MethodWord::Jtg3362);
    addWordings(texts, importanceFactorWording, SafetyGrade::First, SafetyGrade::Third);
    for (const HelpSection& section : formHelp()) {
        texts.emplace_back(section.heading.chinese);
        texts.emplace_back(section.text.chinese);
    }
    return texts;
}

}  // namespace

class WindowFontTest : public QObject {
    Q_OBJECT

  private slots:
    void familiesFollowTheTextFont_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QStringList>("families");
        QTest::newRow("installed")
            << true << QStringList{QStringLiteral("WenQuanYi Zen Hei Sharp")};
        QTest::newRow("missing") << false
                                 << QStringList{QStringLiteral("WenQuanYi Zen Hei Sharp"),
                                                QStringLiteral("WenQuanYi Zen Hei"),
                                                QStringLiteral("Noto Sans CJK SC"),
                                                QStringLiteral("Droid Sans Fallback")};
    }
    void familiesFollowTheTextFont() {
        QFETCH(bool, installed);
        QFETCH(QStringList, families);
        QCOMPARE(windowFontFamilies(installed), families);
    }

    void theProgramsFontIsTheTextFontAtTwelvePixels() {
        applyLookAndFeel(*qApp);
        const bool installed =
            QFontDatabase::families().contains(QString::fromUtf8(text::kTextFont));
        QCOMPARE(QApplication::font().families(), windowFontFamilies(installed));
        QCOMPARE(QApplication::font().pixelSize(), 12);
    }

    // Each family beyond the first only draws what the first lacks: with
    // the text font alone, every text of the window must be in it.
    void everyShownCharacterIsInTheTextFont() {
        if (!QFontDatabase::families().contains(QString::fromUtf8(text::kTextFont)))
            QSKIP("WenQuanYi Zen Hei Sharp (fonts-wqy-zenhei) is not installed");
        QFont font(QString::fromUtf8(text::kTextFont));
        font.setPixelSize(12);
        const QRawFont raw = QRawFont::fromFont(font);
        QVERIFY(raw.isValid());
        QCOMPARE(raw.familyName(), QString::fromUtf8(text::kTextFont));
        int characters = 0;
        for (const std::string& text : shownTexts()) {
            for (const char32_t c : QString::fromStdString(text).toUcs4()) {
                if (c == U'\n') continue;
                ++characters;
                QVERIFY2(raw.supportsCharacter(c),
                         qPrintable(QStringLiteral("U+%1 of “%2”")
                                        .arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'))
                                        .arg(QString::fromStdString(text))));
            }
        }
        // The table alone holds hundreds of characters.
        QVERIFY(characters > 1000);
    }
};

QTEST_MAIN(WindowFontTest)
#include "window_font_test.moc"
