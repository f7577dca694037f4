// The window's short events: the load event, the grade choices (and that
// typing is never one), the calculation-type options, print and exit.
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <memory>

#include "engine/materials.h"
#include "tests/ui/main_window_driver.h"
#include "ui/main_window.h"

using pilaro::MainWindow;
using pilaro::test::click;
using pilaro::test::control;
using pilaro::test::typeText;

namespace {

std::unique_ptr<MainWindow> shownWindow() {
    auto window = std::make_unique<MainWindow>();
    window->setMessageFunction([](const QString& text) { QFAIL(qPrintable("message: " + text)); });
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qFatal("window not active");
    return window;
}

QStringList entries(QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
    return out;
}

const pilaro::ConcreteGrade& concrete(const char* text) {
    return *pilaro::findConcreteGrade(text);
}

// How a typed text can end without any choice being made.
enum class TypingEnd { None, Return, KeypadEnter, FocusLeaves, TabKey };

// An unset material value reads as -1 here, which no grade has.
double value(const pilaro::MaybeValue& v) {
    return v.value_or(-1.0);
}

}  // namespace

Q_DECLARE_METATYPE(TypingEnd)

class FormEventsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { pilaro::test::useProgramLook(); }

    void load_fills_lists_none_selected() {
        auto window = shownWindow();
        auto* cbohnt = control<QComboBox>(*window, "cbohnt");
        auto* cbogj = control<QComboBox>(*window, "cbogj");
        QCOMPARE(entries(cbohnt),
                 (QStringList{"15号", "20号", "25号", "30号", "40号", "50号", "60号"}));
        QCOMPARE(entries(cbogj), (QStringList{"Ⅰ级", "Ⅱ级", "Ⅲ级", "Ⅳ级", "5号"}));
        for (QComboBox* list : {cbohnt, cbogj}) {
            QCOMPARE(list->currentIndex(), -1);
            QCOMPARE(list->currentText(), QStringLiteral(" "));
            QCOMPARE(list->insertPolicy(), QComboBox::NoInsert);
            QVERIFY(!list->completer());
        }
        const pilaro::CalcState& state = window->state();
        QCOMPARE(state.type, pilaro::CalcType::None);
        QVERIFY(!state.Ra && !state.Eh && !state.Rg && !state.Eg);
        QVERIFY(!control<QRadioButton>(*window, "optpj")->isChecked());
        QVERIFY(!control<QRadioButton>(*window, "optqd")->isChecked());
        QVERIFY(control<QLineEdit>(*window, "txtag1")->isVisible());
        QCOMPARE(control<QLineEdit>(*window, "txtag1")->text(), QString());
    }

    void choice_by_arrow_keys() {
        auto window = shownWindow();
        pilaro::test::pickWithArrowKeys(*window, "cbohnt", "25号");
        QCOMPARE(value(window->state().Ra), concrete("25号").Ra);
        QCOMPARE(value(window->state().Eh), concrete("25号").Eh);
        pilaro::test::pickWithArrowKeys(*window, "cbohnt", "20号");
        QCOMPARE(value(window->state().Ra), concrete("20号").Ra);
        QCOMPARE(value(window->state().Eh), concrete("20号").Eh);
        QVERIFY(!window->state().Rg);  // the steel values stay unset
    }

    void choice_by_wheel() {
        auto window = shownWindow();
        auto* list = control<QComboBox>(*window, "cbohnt");
        const QPointF at = QRectF(list->rect()).center();
        for (int i = 0; i < 2; ++i) {
            QWheelEvent wheel(at, list->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(list, &wheel);
        }
        QCOMPARE(list->currentText(), QStringLiteral("20号"));
        QCOMPARE(value(window->state().Ra), concrete("20号").Ra);
    }

    void choice_by_mouse_in_popup() {
        auto window = shownWindow();
        auto* list = control<QComboBox>(*window, "cbogj");
        list->showPopup();
        QAbstractItemView* view = list->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QRect item = view->visualRect(list->model()->index(4, 0));  // "5号"
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(list->currentText(), QStringLiteral("5号"));
        // The fifth steel row, never a concrete one.
        const pilaro::SteelGrade& fifth = pilaro::steelGrades()[4];
        QCOMPARE(value(window->state().Rg), fifth.Rg);
        QCOMPARE(value(window->state().Eg), fifth.Eg);
        QVERIFY(!window->state().Ra);
    }

    void typing_is_no_choice_data() {
        QTest::addColumn<TypingEnd>("end");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pickedBefore");
        const QString whole = QStringLiteral("25号");
        QTest::newRow("typed only") << TypingEnd::None << whole << false;
        QTest::newRow("Return") << TypingEnd::Return << whole << false;
        QTest::newRow("keypad Enter") << TypingEnd::KeypadEnter << whole << false;
        QTest::newRow("focus leaves") << TypingEnd::FocusLeaves << whole << false;
        QTest::newRow("Tab") << TypingEnd::TabKey << whole << false;
        QTest::newRow("word start and Return")
            << TypingEnd::Return << QStringLiteral("25") << false;
        QTest::newRow("Return after a pick") << TypingEnd::Return << whole << true;
        QTest::newRow("focus leaves after a pick") << TypingEnd::FocusLeaves << whole << true;
    }
    void typing_is_no_choice() {
        QFETCH(TypingEnd, end);
        QFETCH(QString, typed);
        QFETCH(bool, pickedBefore);
        auto window = shownWindow();
        auto* list = control<QComboBox>(*window, "cbohnt");
        if (pickedBefore) pilaro::test::pickWithArrowKeys(*window, "cbohnt", "40号");
        const pilaro::CalcState before = window->state();
        QSignalSpy choices(list, &QComboBox::activated);
        QSignalSpy finished(list->lineEdit(), &QLineEdit::editingFinished);

        list->setFocus();
        QTRY_VERIFY(list->lineEdit()->hasFocus());
        list->lineEdit()->selectAll();
        typeText(list->lineEdit(), typed);
        QCOMPARE(list->currentText(), typed);
        switch (end) {
            case TypingEnd::None:
                break;
            case TypingEnd::Return:
                QTest::keyClick(list->lineEdit(), Qt::Key_Return);
                break;
            case TypingEnd::KeypadEnter:
                QTest::keyClick(list->lineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
                break;
            case TypingEnd::FocusLeaves:
                control<QWidget>(*window, "txtnj")->setFocus();
                break;
            case TypingEnd::TabKey:
                QTest::keyClick(list->lineEdit(), Qt::Key_Tab);
                break;
        }
        QApplication::processEvents();
        // The ends that finish editing did reach the line edit ...
        if (end != TypingEnd::None) QVERIFY(finished.count() >= 1);
        // ... and still nothing was chosen or stored.
        QCOMPARE(choices.count(), 0);
        QCOMPARE(value(window->state().Ra), value(before.Ra));
        QCOMPARE(value(window->state().Eh), value(before.Eh));
        QCOMPARE(list->currentText(), typed);
    }

    void options_set_type_and_txtag1() {
        auto window = shownWindow();
        auto* txtag1 = control<QLineEdit>(*window, "txtag1");
        auto* label8 = control<QWidget>(*window, "Label8");
        pilaro::test::typeInto(*window, "txtag1", QStringLiteral("45.239"));

        click(*window, "optpj");
        QCOMPARE(window->state().type, pilaro::CalcType::Design);
        QVERIFY(txtag1->isHidden());
        QVERIFY(label8->isVisible());

        click(*window, "optpj");  // the chosen one again changes nothing
        QCOMPARE(window->state().type, pilaro::CalcType::Design);
        QVERIFY(txtag1->isHidden());

        click(*window, "optqd");
        QCOMPARE(window->state().type, pilaro::CalcType::Check);
        QVERIFY(txtag1->isVisible());
        QCOMPARE(txtag1->text(), QStringLiteral("45.239"));

        QVERIFY(!window->state().Ra);  // the material values are untouched
    }

    void option_by_keyboard() {
        auto window = shownWindow();
        auto* optqd = control<QRadioButton>(*window, "optqd");
        optqd->setFocus();
        QTest::keyClick(optqd, Qt::Key_Space);
        QCOMPARE(window->state().type, pilaro::CalcType::Check);
        // An arrow key moves the choice within the group.
        QTest::keyClick(optqd, Qt::Key_Left);
        QCOMPARE(window->state().type, pilaro::CalcType::Design);
        QVERIFY(control<QLineEdit>(*window, "txtag1")->isHidden());
    }

    void print_passes_state_and_dialog() {
        auto window = shownWindow();
        // A sheet describes a completed run: the design example first.
        pilaro::test::pickWithArrowKeys(*window, "cbohnt", QStringLiteral("25号"));
        pilaro::test::pickWithArrowKeys(*window, "cbogj", QStringLiteral("Ⅱ级"));
        for (const auto& [field, text] : {std::pair{"txtnj", "5000"},
                                          {"txtmj", "3000"},
                                          {"txtzd", "1.2"},
                                          {"txtbc", "0.05"},
                                          {"txtlj", "10"}})
            pilaro::test::typeInto(*window, field, QString::fromUtf8(text));
        click(*window, "optpj");
        click(*window, "cmdrun");
        int asked = 0;
        QWidget* askedOver = nullptr;
        window->setPrinterDialog([&](QPrinter&, QWidget* parent) {
            ++asked;
            askedOver = parent;
            return false;  // Cancel ends the action silently
        });
        const pilaro::CalcState before = window->state();
        click(*window, "cmdprint");
        QCOMPARE(asked, 1);
        QCOMPARE(askedOver, window.get());
        QCOMPARE(window->state().type, before.type);
    }

    // Without an injected message function the user gets a modal box.
    void default_message_is_modal_information_box() {
        MainWindow window;
        window.show();
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QAbstractButton*> buttons;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            answer.stop();
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons();
            box->button(QMessageBox::Ok)->click();
        });
        answer.start(10);
        click(window, "cmdrun");  // no type chosen
        QCOMPARE(title, QStringLiteral("Pilaro"));
        QCOMPARE(text, QStringLiteral("请选择计算类型《配筋计算或强度验算！》"));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(buttons.size(), 1);
    }

    void exit_calls_exit_function() {
        auto window = shownWindow();
        int exits = 0;
        window->setExitFunction([&] { ++exits; });
        click(*window, "cmdexit");
        QCOMPARE(exits, 1);
    }

    // By default the button ends the program's event loop at once.
    void exit_ends_event_loop() {
        auto window = shownWindow();
        QTimer::singleShot(0, window.get(), [&] { click(*window, "cmdexit"); });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        guard.start(10000);
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(FormEventsTest)
#include "form_events_test.moc"
