// Whole runs through the window: type the inputs, pick the grades and the
// type, press 运  行, and read every read-out field.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/materials.h"
#include "messages/run_messages.h"
#include "tests/support/bar_texts.h"
#include "tests/support/same_bits.h"
#include "tests/ui/main_window_driver.h"
#include "ui/main_window.h"

using pilaro::CalcStatus;
using pilaro::MainWindow;
using pilaro::test::click;
using pilaro::test::control;
using pilaro::test::textOf;

namespace {

const char* const kReadOuts[] = {"txtag2", "txtpjl", "txtd12", "txtd14", "txtd16", "txtd18",
                                 "txtd20", "txtd22", "txtd25", "txtd28", "txtd32", "txtd34",
                                 "txtd36", "txtsa",  "txtsb",  "txtsc",  "txtsd",  "txtss",
                                 "txtnq",  "txtmq",  "txtqjl", "txtjg"};

const char* const kInputs[] = {"txtnj", "txtmj", "txtzd", "txtbc", "txtlj", "txtag1"};

using Shown = std::map<std::string, QString>;

// What a user enters before pressing the run button; a null text leaves
// the field as it is, a null option or grade leaves it unchosen.
struct Entry {
    const char* option;
    const char* concrete;
    const char* steel;
    const char* nj;
    const char* mj;
    const char* zd;
    const char* bc;
    const char* lj;
    const char* ag1;
};

// The worked examples: D=1.2, a=0.05, l0=10, 25号, Ⅱ级.
const Entry kDesignExample{"optpj", "25号", "Ⅱ级", "5000", "3000", "1.2", "0.05", "10", nullptr};
const Entry kCheckPasses{"optqd", "25号", "Ⅱ级", "5000", "1500", "1.2", "0.05", "10", "45.239"};
const Entry kCheckFails{"optqd", "25号", "Ⅱ级", "8000", "3000", "1.2", "0.05", "10", "45.239"};

Shown designShown(std::vector<QString> values) {
    Shown shown;
    const char* const names[] = {"txtag2", "txtpjl", "txtd12", "txtd14", "txtd16", "txtd18",
                                 "txtd20", "txtd22", "txtd25", "txtd28", "txtd32", "txtd34",
                                 "txtd36", "txtsa",  "txtsb",  "txtsc",  "txtsd",  "txtss"};
    for (std::size_t i = 0; i < values.size(); ++i) shown[names[i]] = values[i];
    for (const char* name : {"txtnq", "txtmq", "txtqjl", "txtjg"}) shown[name] = QString();
    return shown;
}

Shown checkShown(std::vector<QString> values) {
    Shown shown;
    const char* const names[] = {"txtsa", "txtsb", "txtsc",  "txtsd", "txtss",
                                 "txtnq", "txtmq", "txtqjl", "txtjg"};
    for (std::size_t i = 0; i < values.size(); ++i) shown[names[i]] = values[i];
    for (const char* name : {"txtag2", "txtpjl", "txtd12", "txtd14", "txtd16", "txtd18", "txtd20",
                             "txtd22", "txtd25", "txtd28", "txtd32", "txtd34", "txtd36"})
        shown[name] = QString();
    return shown;
}

const Shown kDesignExampleShown =
    designShown({" 207.021", " .0183", " 183", " 135", " 103", " 82", " 66", " 55", " 43", " 34",
                 " 26", " 23", " 21", " 1.22629", " .63692", " .07825", " 1.87936", " .5167"});

enum class Before { Nothing, DesignExample, CheckExample };

// What a check that took the design road says, naming the field.
const char* const kRanAsDesign = "未输入纵向钢筋面积（或为0），已按配筋计算，结果见“配筋结果”。";

struct RunCase {
    const char* name;
    Before before;  // a completed run whose results are on show first
    Entry entry;
    CalcStatus status;
    // The text the user reads: for the two stops the form defines, and for
    // a check that ran as a design.
    const char* message;
    Shown shown;  // Done: every read-out field; stopped: nothing changes
};

const std::vector<RunCase>& runCases() {
    static const std::vector<RunCase> cases = {
        {"design example", Before::Nothing, kDesignExample, CalcStatus::Done, nullptr,
         kDesignExampleShown},
        {"design at the minimum ratio, after a check",
         Before::CheckExample,
         {"optpj", "25号", "Ⅱ级", "1000", "100", "1.0", "0.05", "5", nullptr},
         CalcStatus::Done,
         nullptr,
         designShown({" 31.415", " .004", " 28", " 21", " 16", " 13", " 10", " 9", " 7", " 6", " 4",
                      " 4", " 3", " .19143", " .16602", "-1.89792", " 1.14981", " .1391"})},
        {"check passes, after a design", Before::DesignExample, kCheckPasses, CalcStatus::Done,
         nullptr,
         checkShown({" 1.47802", " .66451", " .46727", " 1.77673", " .596", " 6037.51", " 1809.547",
                     " .004", "通过验算！"})},
        {"check asks to reinforce again", Before::Nothing, kCheckFails, CalcStatus::Done, nullptr,
         checkShown({" 1.10352", " .61182", "-.10325", " 1.89646", " .4776", " 4339.491",
                     " 1625.931", " .004", "重新配筋！"})},
        {"check with an empty area is designed",
         Before::CheckExample,
         {"optqd", "25号", "Ⅱ级", "5000", "3000", "1.2", "0.05", "10", ""},
         CalcStatus::Done,
         kRanAsDesign,
         kDesignExampleShown},
        {"check with area 0 is designed",
         Before::CheckExample,
         {"optqd", "25号", "Ⅱ级", "5000", "3000", "1.2", "0.05", "10", "0"},
         CalcStatus::Done,
         kRanAsDesign,
         kDesignExampleShown},
        {"no type chosen",
         Before::Nothing,
         {nullptr, "25号", "Ⅱ级", "5000", "3000", "1.2", "0.05", "10", nullptr},
         CalcStatus::NoType,
         "请选择计算类型《配筋计算或强度验算！》",
         {}},
        {"section too slender",
         Before::DesignExample,
         {"optpj", "25号", "Ⅱ级", "5000", "3000", "0.5", "0.05", "20", nullptr},
         CalcStatus::EnlargeSection,
         "应加大截面尺寸！",
         {}},
        {"number out of range",
         Before::DesignExample,
         {"optpj", "25号", "Ⅱ级", "1e400", "3000", "1.2", "0.05", "10", nullptr},
         CalcStatus::AxialForceTooLarge,
         nullptr,
         {}},
        {"zero diameter",
         Before::DesignExample,
         {"optpj", "25号", "Ⅱ级", "5000", "3000", "0", "0.05", "10", nullptr},
         CalcStatus::ZeroDiameter,
         nullptr,
         {}},
        {"empty axial force",
         Before::DesignExample,
         {"optpj", "25号", "Ⅱ级", "", "3000", "1.2", "0.05", "10", nullptr},
         CalcStatus::ZeroAxialForce,
         nullptr,
         {}},
        {"no grade picked",
         Before::Nothing,
         {"optpj", nullptr, nullptr, "5000", "3000", "1.2", "0.05", "10", nullptr},
         CalcStatus::MissingGrade,
         nullptr,
         {}},
        {"tension in a design",
         Before::DesignExample,
         {"optpj", "25号", "Ⅱ级", "-1000", "0", "1.2", "0.05", "5", nullptr},
         CalcStatus::TensionForce,
         nullptr,
         {}},
        {"eccentricity out of range",
         Before::DesignExample,
         {"optpj", "25号", "Ⅱ级", "1e-300", "1e300", "1.2", "0.05", "10", nullptr},
         CalcStatus::ResultOutOfRange,
         nullptr,
         {}},
        {"cover typed in mm",
         Before::DesignExample,
         {"optqd", "25号", "Ⅱ级", "1000", "0", "1.2", "50", "5", "45.239"},
         CalcStatus::CoverOutsideSection,
         nullptr,
         {}},
    };
    return cases;
}

struct Session {
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    QStringList messages;

    Session() {
        window->setMessageFunction([this](const QString& text) { messages << text; });
        window->show();
    }

    void enter(const Entry& e) {
        if (e.option) click(*window, e.option);
        if (e.concrete)
            pilaro::test::pickWithArrowKeys(*window, "cbohnt", QString::fromUtf8(e.concrete));
        if (e.steel) pilaro::test::pickWithArrowKeys(*window, "cbogj", QString::fromUtf8(e.steel));
        const char* texts[] = {e.nj, e.mj, e.zd, e.bc, e.lj, e.ag1};
        for (std::size_t i = 0; i < std::size(kInputs); ++i) {
            if (texts[i]) pilaro::test::typeInto(*window, kInputs[i], QString::fromUtf8(texts[i]));
        }
    }
    void run(const Entry& e) {
        enter(e);
        click(*window, "cmdrun");
    }
    Shown readOuts() const {
        Shown shown;
        for (const char* name : kReadOuts) shown[name] = textOf(*window, name);
        return shown;
    }
    Shown inputs() const {
        Shown shown;
        for (const char* name : kInputs) shown[name] = textOf(*window, name);
        return shown;
    }
};

void compareShown(const Shown& actual, const Shown& expected) {
    for (const auto& [field, text] : expected) {
        QVERIFY2(actual.count(field), field.c_str());
        QVERIFY2(actual.at(field) == text,
                 qPrintable(QString::fromStdString(field) + ": \"" + actual.at(field) +
                            "\", expected \"" + text + "\""));
    }
    QCOMPARE(actual.size(), expected.size());
}

}  // namespace

class FormRunsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { pilaro::test::useProgramLook(); }

    void run_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < runCases().size(); ++i)
            QTest::newRow(runCases()[i].name) << int(i);
    }
    void run() {
        QFETCH(int, row);
        const RunCase& c = runCases()[row];
        Session session;
        if (c.before == Before::DesignExample) session.run(kDesignExample);
        if (c.before == Before::CheckExample) session.run(kCheckPasses);
        QCOMPARE(session.messages, QStringList());
        const Shown before = session.readOuts();

        session.enter(c.entry);
        const Shown typed = session.inputs();
        click(*session.window, "cmdrun");

        // The handler never writes an input field.
        compareShown(session.inputs(), typed);
        if (c.status == CalcStatus::Done) {
            QCOMPARE(session.messages,
                     c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList());
            compareShown(session.readOuts(), c.shown);
            for (const char* name : kReadOuts)
                QCOMPARE(control<QLineEdit>(*session.window, name)->cursorPosition(), 0);
            return;
        }
        // A stopped run shows one message and leaves every read-out as it was.
        const std::string_view message = pilaro::statusMessage(c.status);
        QCOMPARE(session.messages,
                 QStringList{QString::fromUtf8(message.data(), qsizetype(message.size()))});
        if (c.message) QCOMPARE(session.messages.front(), QString::fromUtf8(c.message));
        compareShown(session.readOuts(), before);
    }

    // Before any run the read-outs show the blanks they start with.
    void stop_before_first_run_keeps_start_texts() {
        Session session;
        session.run(
            {nullptr, nullptr, nullptr, "5000", nullptr, nullptr, nullptr, nullptr, nullptr});
        Shown start;
        for (const char* name : kReadOuts) start[name] = QStringLiteral(" ");
        start["txtd36"] = QString();
        for (const char* name : {"txtsa", "txtsb", "txtsc", "txtsd", "txtss"})
            start[name] = QString(QChar(0x3000));
        compareShown(session.readOuts(), start);
    }

    // Options and grades chosen after a run leave its results on show; the
    // next run uses them.
    void choices_after_a_run_change_no_shown_result() {
        Session session;
        session.run(kCheckPasses);
        const Shown shown = session.readOuts();
        click(*session.window, "optpj");
        pilaro::test::pickWithArrowKeys(*session.window, "cbohnt", QStringLiteral("30号"));
        pilaro::test::pickWithArrowKeys(*session.window, "cbogj", QStringLiteral("Ⅲ级"));
        compareShown(session.readOuts(), shown);
        QCOMPARE(session.window->state().Ra.value_or(0), pilaro::findConcreteGrade("30号")->Ra);

        click(*session.window, "cmdrun");
        QVERIFY(session.readOuts() != shown);
        QCOMPARE(session.readOuts()["txtjg"], QString());
    }

    // The read-outs can be selected and copied, but typing, deleting or
    // pasting changes nothing, and so nothing reaches a calculation.
    void read_outs_take_no_typing() {
        Session session;
        session.run(kDesignExample);
        QGuiApplication::clipboard()->setText(QStringLiteral("5"));
        for (const char* name : {"txtag2", "txtd12", "txtss", "txtjg"}) {
            auto* field = control<QLineEdit>(*session.window, name);
            field->setFocus();
            pilaro::test::typeInto(*session.window, name, QStringLiteral("99配"));
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keySequence(field, QKeySequence::Paste);
        }
        compareShown(session.readOuts(), kDesignExampleShown);

        auto* area = control<QLineEdit>(*session.window, "txtag2");
        area->selectAll();
        QTest::keySequence(area, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(" 207.021"));
    }

    // A grade typed over the list's text is not the one the state holds:
    // the run is refused rather than computed with another grade.
    void typed_grade_is_refused_data() {
        QTest::addColumn<bool>("pickedFirst");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString concrete = QStringLiteral("混凝土标号请从列表中选择");
        const QString steel = QStringLiteral("钢筋等级请从列表中选择");
        QTest::newRow("another entry") << true << "cbohnt"
                                       << "40号" << concrete;
        QTest::newRow("no entry") << true << "cbohnt"
                                  << "25" << concrete;
        QTest::newRow("entry with a blank") << true << "cbohnt"
                                            << "25号 " << concrete;
        QTest::newRow("cleared") << true << "cbohnt"
                                 << "" << concrete;
        QTest::newRow("steel") << true << "cbogj"
                               << "Ⅲ级" << steel;
        QTest::newRow("steel in Latin letters") << true << "cbogj"
                                                << "II级" << steel;
        QTest::newRow("typed, never picked") << false << "cbohnt"
                                             << "25号" << concrete;
    }
    void typed_grade_is_refused() {
        QFETCH(bool, pickedFirst);
        QFETCH(QString, list);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Session session;
        if (pickedFirst) session.run(kDesignExample);
        const Shown before = session.readOuts();
        const pilaro::CalcState stateBefore = session.window->state();
        session.enter({"optpj", nullptr, nullptr, "5000", "3000", "1.2", "0.05", "10", nullptr});
        auto* text = control<QComboBox>(*session.window, list.toUtf8().constData())->lineEdit();
        text->selectAll();
        if (typed.isEmpty()) QTest::keyClick(text, Qt::Key_Delete);
        pilaro::test::typeText(text, typed);
        QTest::keyClick(text, Qt::Key_Return);
        click(*session.window, "cmdrun");
        QCOMPARE(session.messages, QStringList{message});
        compareShown(session.readOuts(), before);
        const pilaro::CalcState& state = session.window->state();
        QVERIFY(pilaro::test::sameBits(state.Ra, stateBefore.Ra));
        QVERIFY(pilaro::test::sameBits(state.lastInput.Nj, stateBefore.lastInput.Nj));
    }

    // The list showing the grade that was picked runs as always.
    void retyped_picked_grade_runs() {
        Session session;
        session.enter(kDesignExample);
        auto* text = control<QComboBox>(*session.window, "cbohnt")->lineEdit();
        text->selectAll();
        pilaro::test::typeText(text, QStringLiteral("25号"));
        click(*session.window, "cmdrun");
        QCOMPARE(session.messages, QStringList());
        compareShown(session.readOuts(), kDesignExampleShown);
    }

    // Bars typed into 纵向钢筋面积 are checked as the area they supply,
    // exactly as if that area had been typed.
    void bars_checked_as_their_area_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < std::size(pilaro::test::kBarTexts); ++i)
            QTest::newRow(pilaro::test::kBarTexts[i].text) << int(i);
    }
    void bars_checked_as_their_area() {
        QFETCH(int, row);
        const pilaro::test::BarText& bars = pilaro::test::kBarTexts[row];
        Entry entry = kCheckFails;
        entry.ag1 = bars.area;
        Session typedArea;
        typedArea.run(entry);
        entry.ag1 = bars.text;
        Session typedBars;
        typedBars.run(entry);
        QCOMPARE(typedBars.messages, QStringList());
        compareShown(typedBars.readOuts(), typedArea.readOuts());
        QCOMPARE(typedBars.inputs()["txtag1"], QString::fromUtf8(bars.text));
        const pilaro::MaybeValue area = QString::fromUtf8(bars.area).toDouble();
        QVERIFY(pilaro::test::sameBits(typedBars.window->state().lastInput.Ag, area));
    }

    // A field that holds more than a number, or steel that is neither a
    // number nor bars of the bar table, or more steel than the section:
    // one message naming the field, and nothing changes.
    void refused_field_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString notANumber =
            QStringLiteral("“%1”不是一个数。请用小数点，不要加单位或千分位逗号。");
        const QString notBars = QStringLiteral(
            "“%1”既不是一个数，也不是钢筋（如24D28或12D28+"
            "12D25）。请用小数点，不要加单位或千分位逗号。");
        const auto row = [](const char* field, const QString& text, const QString& message) {
            QTest::newRow(qPrintable(QString::fromUtf8(field) + " " + text))
                << QString::fromUtf8(field) << text << message;
        };
        row("txtnj", "5,000", "轴向力输入有误：" + notANumber.arg("5,000"));
        row("txtzd", "1,5", "圆形直径输入有误：" + notANumber.arg("1,5"));
        row("txtnj", "12.5kN", "轴向力输入有误：" + notANumber.arg("12.5kN"));
        row("txtnj", "abc", "轴向力输入有误：" + notANumber.arg("abc"));
        row("txtmj", " 3000 kN.m ", "计算弯矩输入有误：" + notANumber.arg("3000 kN.m"));
        row("txtbc", "0.05m", "保护层厚度输入有误：" + notANumber.arg("0.05m"));
        row("txtlj", "1e", "计算长度输入有误：" + notANumber.arg("1e"));
        row("txtag1", "24D27",
            "纵向钢筋面积输入有误：“24D27”中有钢筋表中没有的直径。"
            "钢筋直径只能是12、14、16、18、20、22、25、28、32、34、36（mm）。");
        row("txtag1", "24D28cm2", "纵向钢筋面积输入有误：" + notBars.arg("24D28cm2"));
        row("txtag1", "1.47792D2", "纵向钢筋面积输入有误：" + notBars.arg("1.47792D2"));
        row("txtag1", "20000", "纵向钢筋面积大于截面面积（配筋率大于1），请检查纵向钢筋面积！");
    }
    void refused_field() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        Session session;
        session.run(kDesignExample);
        const Shown before = session.readOuts();
        const pilaro::CalcInput inputBefore = session.window->state().lastInput;
        session.enter(kCheckPasses);
        pilaro::test::typeInto(*session.window, field.toUtf8().constData(), text);
        click(*session.window, "cmdrun");
        QCOMPARE(session.messages, QStringList{message});
        compareShown(session.readOuts(), before);
        const pilaro::CalcInput& input = session.window->state().lastInput;
        QCOMPARE(input.type, inputBefore.type);
        QVERIFY(pilaro::test::sameBits(input.Ag, inputBefore.Ag));
        QVERIFY(pilaro::test::sameBits(input.Mj, inputBefore.Mj));
    }
};

QTEST_MAIN(FormRunsTest)
#include "form_runs_test.moc"
