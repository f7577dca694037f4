// The built window against the form's own description: every control's
// name, kind, container, caption or initial text, place and size, the tab
// order, visibility, and that every text fits its box in the program's font.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <cmath>
#include <memory>
#include <set>
#include <string_view>

#include "form/control_table.h"
#include "form/read_out_fields.h"
#include "tests/ui/main_window_driver.h"
#include "ui/main_window.h"

using pilaro::MainWindow;
using pilaro::test::control;

namespace {

enum Kind { Frame, Caption, TextField, DropDownList, OptionButton, PushButton };

struct Expected {
    const char* name;
    Kind kind;
    const char* container;
    const char* text;
    int left, top, width, height;  // twips
    int tabIndex;
};

// The form as drawn, in twips. Label17 is the one deliberate change: 495
// wide like its neighbours instead of 375, where "D25＝" lost its "＝".
const Expected kExpected[] = {
    {"Frame1", Frame, "Form1", "数据输入：", 0, 0, 2895, 2775, 0},
    {"Frame2", Frame, "Form1", "配筋结果：", 3000, 0, 4575, 3615, 1},
    {"Frame3", Frame, "Form1", "校核结果：", 3000, 3720, 4575, 1215, 2},
    {"cmdrun", PushButton, "Form1", "运  行", 0, 4440, 975, 495, 3},
    {"cmdprint", PushButton, "Form1", "打  印", 960, 4440, 975, 495, 4},
    {"cmdexit", PushButton, "Form1", "退  出", 1920, 4440, 975, 495, 5},
    {"Frame4", Frame, "Form1", "计算类型：", 0, 2880, 2895, 1335, 20},
    {"Label1", Caption, "Frame1", "混凝土标号：", 120, 300, 1335, 255, 6},
    {"cbohnt", DropDownList, "Frame1", " ", 1680, 250, 1095, 300, 7},
    {"Label2", Caption, "Frame1", "钢筋等级：", 120, 650, 1215, 255, 8},
    {"cbogj", DropDownList, "Frame1", " ", 1680, 600, 1095, 300, 9},
    {"Label3", Caption, "Frame1", "轴向力（KN）", 120, 1000, 1335, 255, 10},
    {"txtnj", TextField, "Frame1", " ", 1680, 950, 1095, 270, 11},
    {"Label4", Caption, "Frame1", "计算弯矩（KN.m）", 120, 1350, 1695, 375, 12},
    {"txtmj", TextField, "Frame1", " ", 1680, 1300, 1095, 270, 13},
    {"Label5", Caption, "Frame1", "圆形直径（m）", 120, 1700, 1575, 255, 14},
    {"txtzd", TextField, "Frame1", " ", 1680, 1650, 1095, 270, 15},
    {"Label6", Caption, "Frame1", "保护层厚度（m）", 120, 2050, 1575, 255, 16},
    {"txtbc", TextField, "Frame1", " ", 1680, 2000, 1095, 270, 17},
    {"Label7", Caption, "Frame1", "计算长度（m）", 120, 2400, 1215, 255, 18},
    {"txtlj", TextField, "Frame1", " ", 1680, 2335, 1095, 270, 19},
    {"optpj", OptionButton, "Frame4", "配筋计算", 240, 360, 1215, 255, 21},
    {"optqd", OptionButton, "Frame4", "强度校核", 1680, 360, 1095, 255, 22},
    {"Label8", Caption, "Frame4", "纵向钢筋面积（cm2）", 120, 840, 1215, 375, 23},
    {"txtag1", TextField, "Frame4", "", 1680, 840, 1095, 270, 24},
    {"Label11", Caption, "Frame2", "钢筋根数D12＝", 120, 240, 1215, 255, 29},
    {"txtd12", TextField, "Frame2", " ", 1440, 240, 1095, 270, 30},
    {"Label12", Caption, "Frame2", "D14＝", 840, 600, 615, 255, 34},
    {"txtd14", TextField, "Frame2", " ", 1440, 600, 1095, 270, 31},
    {"Label13", Caption, "Frame2", "D16＝", 840, 960, 495, 255, 35},
    {"txtd16", TextField, "Frame2", " ", 1440, 960, 1095, 270, 32},
    {"Label14", Caption, "Frame2", "D18＝", 840, 1320, 495, 255, 36},
    {"txtd18", TextField, "Frame2", " ", 1440, 1320, 1095, 270, 33},
    {"Label15", Caption, "Frame2", "D20＝", 840, 1680, 495, 255, 37},
    {"txtd20", TextField, "Frame2", " ", 1440, 1680, 1095, 270, 43},
    {"Label9", Caption, "Frame2", "纵向钢筋（cm2）", 120, 2040, 1455, 255, 25},
    {"txtag2", TextField, "Frame2", " ", 1440, 2040, 1095, 270, 26},
    {"Label23", Caption, "Frame2", "计算系数ξ＝", 240, 2400, 1215, 180, 53},
    {"txtss", TextField, "Frame2", "\u3000", 1440, 2400, 1095, 270, 54},
    {"Label24", Caption, "Frame2", "计算系数A＝", 360, 2760, 1095, 255, 55},
    {"txtsa", TextField, "Frame2", "\u3000", 1440, 2760, 1095, 270, 59},
    {"Label25", Caption, "Frame2", "B＝", 1080, 3120, 375, 255, 56},
    {"txtsb", TextField, "Frame2", "\u3000", 1440, 3120, 1095, 270, 60},
    {"Label16", Caption, "Frame2", "D22＝", 2640, 240, 495, 255, 38},
    {"txtd22", TextField, "Frame2", " ", 3360, 240, 1095, 270, 44},
    {"Label17", Caption, "Frame2", "D25＝", 2640, 600, 495, 255, 39},
    {"txtd25", TextField, "Frame2", " ", 3360, 600, 1095, 270, 45},
    {"Label18", Caption, "Frame2", "D28＝", 2640, 960, 495, 255, 40},
    {"txtd28", TextField, "Frame2", " ", 3360, 960, 1095, 270, 46},
    {"Label19", Caption, "Frame2", "D32＝", 2640, 1320, 495, 255, 41},
    {"txtd32", TextField, "Frame2", " ", 3360, 1320, 1095, 270, 47},
    {"Label20", Caption, "Frame2", "D34＝", 2640, 1680, 495, 255, 42},
    {"txtd34", TextField, "Frame2", " ", 3360, 1680, 1095, 270, 48},
    {"Label30", Caption, "Frame2", "D36＝", 2640, 2040, 615, 255, 67},
    {"txtd36", TextField, "Frame2", "", 3360, 2040, 1095, 270, 68},
    {"Label10", Caption, "Frame2", "配筋率", 2640, 2400, 615, 255, 27},
    {"txtpjl", TextField, "Frame2", " ", 3360, 2400, 1095, 270, 28},
    {"Label26", Caption, "Frame2", "C＝", 2760, 2760, 495, 255, 57},
    {"txtsc", TextField, "Frame2", "\u3000", 3360, 2760, 1095, 270, 61},
    {"Label27", Caption, "Frame2", "D＝", 2760, 3120, 375, 255, 58},
    {"txtsd", TextField, "Frame2", "\u3000", 3360, 3120, 1095, 270, 62},
    {"Label21", Caption, "Frame3", "竖直力Nq＝", 360, 360, 1095, 255, 49},
    {"txtnq", TextField, "Frame3", " ", 1440, 360, 1095, 270, 50},
    {"Label29", Caption, "Frame3", "配筋率", 2640, 360, 615, 255, 65},
    {"txtqjl", TextField, "Frame3", " ", 3360, 360, 1095, 270, 66},
    {"Label28", Caption, "Frame3", "弯矩Mq＝", 480, 840, 855, 255, 63},
    {"txtmq", TextField, "Frame3", " ", 1440, 840, 1095, 270, 64},
    {"Label22", Caption, "Frame3", "校核结果", 2640, 840, 855, 255, 51},
    {"txtjg", TextField, "Frame3", " ", 3360, 840, 1095, 270, 52},
};

// The option group is one stop: Tab enters it at the chosen option (the
// first while none is chosen) and the arrow keys move within it. The
// choice of method comes before the grade lists.
const char* const kTabOrder[] = {
    "cmdrun", "cmdprint", "cmdexit", "cbomethod", "cbohnt", "cbogj",  "txtnj",  "txtmj",  "txtzd",
    "txtbc",  "txtlj",    "optpj",   "txtag1",    "txtag2", "txtpjl", "txtd12", "txtd14", "txtd16",
    "txtd18", "txtd20",   "txtd22",  "txtd25",    "txtd28", "txtd32", "txtd34", "txtnq",  "txtjg",
    "txtss",  "txtsa",    "txtsb",   "txtsc",     "txtsd",  "txtmq",  "txtqjl", "txtd36",
};

int px(double twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect expectedRect(const Expected& e) {
    return QRect(QPoint(px(e.left), px(e.top)),
                 QPoint(px(e.left + e.width) - 1, px(e.top + e.height) - 1));
}

QString shownText(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* field = qobject_cast<QLineEdit*>(w)) return field->text();
    if (auto* list = qobject_cast<QComboBox*>(w)) return list->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame->title();
    return QStringLiteral("<unknown kind>");
}

bool hasKind(QWidget* w, Kind kind) {
    switch (kind) {
        case Frame:
            return qobject_cast<QGroupBox*>(w) != nullptr;
        case Caption:
            return qobject_cast<QLabel*>(w) != nullptr;
        case TextField:
            return qobject_cast<QLineEdit*>(w) != nullptr;
        case DropDownList: {
            auto* list = qobject_cast<QComboBox*>(w);
            return list && list->isEditable();
        }
        case OptionButton:
            return qobject_cast<QRadioButton*>(w) != nullptr;
        case PushButton:
            return qobject_cast<QPushButton*>(w) != nullptr;
    }
    return false;
}

// The room a line edit leaves for its text.
int textRoom(QLineEdit* field) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    const QRect contents =
        field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    const QMargins margins = field->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2;  // the edit's own margin
}

}  // namespace

class ControlTableTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;

  private slots:
    void initTestCase() {
        pilaro::test::useProgramLook();
        window = std::make_unique<MainWindow>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanupTestCase() { window.reset(); }

    void each_control_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kExpected)); ++i) QTest::newRow(kExpected[i].name) << i;
    }
    void each_control() {
        QFETCH(int, row);
        const Expected& e = kExpected[row];
        auto* w = window->findChild<QWidget*>(QString::fromUtf8(e.name));
        QVERIFY(w);
        QVERIFY2(hasKind(w, e.kind), "kind");
        QCOMPARE(w->parentWidget()->objectName(), QString::fromUtf8(e.container));
        QCOMPARE(shownText(w), QString::fromUtf8(e.text));
        QCOMPARE(w->geometry(), expectedRect(e));
        QVERIFY(w->isVisible());
        QVERIFY(w->isEnabled());
        if (e.kind == Frame || e.kind == Caption) QCOMPARE(w->focusPolicy(), Qt::NoFocus);
        if (auto* field = qobject_cast<QLineEdit*>(w)) {
            // The six inputs take typing; the read-outs only show results.
            const bool input =
                QByteArray(e.container) == "Frame1" || QByteArray(e.name) == "txtag1";
            QCOMPARE(field->isReadOnly(), !input);
            QCOMPARE(field->maxLength(), 32767);  // QLineEdit's own, i.e. no limit set
            QVERIFY(field->alignment() & Qt::AlignLeft);
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            // Only the two captions of two-line height wrap.
            const bool twoLines = QByteArray(e.name) == "Label4" || QByteArray(e.name) == "Label8";
            QCOMPARE(label->wordWrap(), twoLines);
        }
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
    }

    void controlCounts() {
        int captions = 0, fields = 0, lists = 0, options = 0, buttons = 0, frames = 0;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (qobject_cast<QComboBox*>(w->parentWidget())) continue;  // a list's own parts
            captions += qobject_cast<QLabel*>(w) != nullptr;
            fields += qobject_cast<QLineEdit*>(w) != nullptr;
            lists += qobject_cast<QComboBox*>(w) != nullptr;
            options += qobject_cast<QRadioButton*>(w) != nullptr;
            buttons += qobject_cast<QPushButton*>(w) != nullptr;
            frames += qobject_cast<QGroupBox*>(w) != nullptr;
        }
        // The archived form's 30 captions, 28 fields, 2 lists and 4 frames,
        // and the band of the method's choice (a frame, a caption and two
        // lists) and the current code's read-outs (a frame, 10 captions and
        // 10 fields), shown or not.
        QCOMPARE(captions, 30 + 11);
        QCOMPARE(fields, 28 + 10);
        QCOMPARE(lists, 2 + 2);
        QCOMPARE(options, 2);
        QCOMPARE(buttons, 3);
        QCOMPARE(frames, 4 + 2);
        QVERIFY(window->findChild<QObject*>(QStringLiteral("CommonDialogprint")));
    }

    // Each read-out has a field of its own, and every read-out field of the
    // control table shows one; the current code's read-outs that the
    // archived form lacks (e0 … the utilisation, D40) have fields of their
    // own beside them.
    void read_out_fields_are_the_read_outs() {
        std::set<std::string_view> readOutRows;
        for (const pilaro::ControlRow& row : pilaro::mainWindowControls())
            if (row.readOut()) readOutRows.insert(row.name);
        std::set<std::string_view> fields;
        for (const pilaro::ReadOutField& readOut : pilaro::readOutFields())
            fields.insert(readOut.field);
        QCOMPARE(fields.size(), pilaro::kReadOutCount);
        for (const pilaro::CurrentReadOutField& readOut : pilaro::currentReadOutFields())
            fields.insert(readOut.field);
        QCOMPARE(fields.size(), pilaro::kReadOutCount + 10);
        QVERIFY(fields == readOutRows);
    }

    void window_properties() {
        QCOMPARE(window->objectName(), QStringLiteral("Form1"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Pilaro"));
        // The archived form's 505 x 329, and below it the band of the
        // method's choice, 7 px off, 48 px high.
        QCOMPARE(window->size(), QSize(505, 384));
        QCOMPARE(window->minimumSize(), QSize(505, 384));
        QCOMPARE(window->maximumSize(), QSize(505, 384));
    }

    // The frames and the buttons meet the client area's right and bottom edges.
    void frames_fill_client_area() {
        for (const char* name : {"Frame2", "Frame3"})
            QCOMPARE(control<QWidget>(*window, name)->geometry().right() + 1, 505);
        for (const char* name : {"Frame3", "cmdrun", "cmdprint", "cmdexit"})
            QCOMPARE(control<QWidget>(*window, name)->geometry().bottom() + 1, 329);
    }

    // Where a caption's box reaches under a field, the field is on top.
    void fields_drawn_above_captions() {
        int overlaps = 0;
        for (QLabel* caption : window->findChildren<QLabel*>()) {
            QWidget* frame = caption->parentWidget();
            for (QWidget* sibling : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!qobject_cast<QLineEdit*>(sibling) && !qobject_cast<QComboBox*>(sibling))
                    continue;
                const QRect overlap = caption->geometry() & sibling->geometry();
                if (overlap.isEmpty()) continue;
                ++overlaps;
                QWidget* top = frame->childAt(overlap.center());
                QVERIFY2(top == sibling || sibling->isAncestorOf(top),
                         qPrintable(caption->objectName() + " over " + sibling->objectName()));
                // ... and the caption's text itself stays clear of the field.
                const QFontMetrics metrics = caption->fontMetrics();
                const QRect ink = metrics.boundingRect(caption->text())
                                      .translated(caption->pos() + QPoint(0, metrics.ascent()));
                QVERIFY2(
                    !ink.intersects(sibling->geometry()),
                    qPrintable(caption->objectName() + " text under " + sibling->objectName()));
            }
        }
        // Label4 under txtmj and txtzd, Label9 under txtag2, Label22 under txtjg.
        QVERIFY(overlaps >= 4);
    }

    void tab_order_and_first_focus() {
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(*window, "cmdrun"));
        QStringList visited;
        for (std::size_t i = 0; i < std::size(kTabOrder); ++i) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            if (qobject_cast<QComboBox*>(focus->parentWidget())) focus = focus->parentWidget();
            visited << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QStringList expected;
        for (const char* name : kTabOrder) expected << QString::fromLatin1(name);
        QCOMPARE(visited, expected);
        // From the last back to the first.
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(*window, "cmdrun"));
    }

    // With a type chosen, Tab enters the group at that option; txtag1 is
    // skipped while hidden.
    void tab_through_chosen_option_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("check") << "optqd" << QStringList{"txtlj", "optqd", "txtag1", "txtag2"};
        QTest::newRow("design") << "optpj" << QStringList{"txtlj", "optpj", "txtag2", "txtpjl"};
    }
    void tab_through_chosen_option() {
        QFETCH(QString, option);
        QFETCH(QStringList, order);
        MainWindow form;
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::mouseClick(form.findChild<QRadioButton*>(option), Qt::LeftButton);
        control<QWidget>(form, "txtlj")->setFocus();
        QStringList visited;
        for (qsizetype i = 0; i < order.size(); ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, order);
    }

    void texts_fit_their_boxes() {
        for (QLabel* caption : window->findChildren<QLabel*>()) {
            const QSize box = caption->size();
            // A one-line caption is drawn from its left edge and clipped at its
            // right one: its ink must end inside the box.
            const QFontMetrics metrics = caption->fontMetrics();
            const bool fits = caption->wordWrap()
                                  ? caption->heightForWidth(box.width()) <= box.height()
                                  : metrics.boundingRect(caption->text()).right() < box.width() &&
                                        metrics.height() <= box.height();
            QVERIFY2(fits, qPrintable(caption->objectName() + " \"" + caption->text() + "\""));
        }
        for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
            QVERIFY2(option->sizeHint().width() <= option->width(),
                     qPrintable(option->objectName()));
        }
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            // The caption with room for the button's bevel on each side.
            const int bevel = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 2 * bevel <=
                         button->width(),
                     qPrintable(button->objectName()));
        }
        for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
            QVERIFY(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width() / 2);
        }
        // The widest texts the read-outs and the lists show in the worked examples.
        const QString widest[] = {QStringLiteral(" 207.021"),  QStringLiteral(" 1.87936"),
                                  QStringLiteral("-1.89792"),  QStringLiteral(" 4339.491"),
                                  QStringLiteral(" 1809.547"), QStringLiteral("通过验算！"),
                                  QStringLiteral("重新配筋！")};
        auto* field = control<QLineEdit>(*window, "txtnq");
        for (const QString& text : widest) {
            QVERIFY2(field->fontMetrics().horizontalAdvance(text) <= textRoom(field),
                     qPrintable(text));
        }
        for (const char* name : {"cbohnt", "cbogj"}) {
            auto* list = control<QComboBox>(*window, name);
            for (int i = 0; i < list->count(); ++i) {
                QVERIFY(list->fontMetrics().horizontalAdvance(list->itemText(i)) <=
                        textRoom(list->lineEdit()));
            }
        }
    }
};

QTEST_MAIN(ControlTableTest)
#include "control_table_test.moc"
