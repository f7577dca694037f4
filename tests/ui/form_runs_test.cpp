// Whole runs through the window: type the inputs, pick the grades and the
// type, press 运  行, and read every read-out field.
#include <QLineEdit>
#include <QTest>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/materials.h"
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

struct RunCase {
    const char* name;
    Before before;  // a completed run whose results are on show first
    Entry entry;
    CalcStatus status;
    const char* message;  // the text the user reads, for the two stops the form defines
    Shown shown;          // Done: every read-out field; stopped: nothing changes
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
         nullptr,
         kDesignExampleShown},
        {"check with area 0 is designed",
         Before::CheckExample,
         {"optqd", "25号", "Ⅱ级", "5000", "3000", "1.2", "0.05", "10", "0"},
         CalcStatus::Done,
         nullptr,
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
            QCOMPARE(session.messages, QStringList());
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

    // Text typed into a read-out field reaches no calculation.
    void typing_into_read_outs_changes_no_run() {
        Session session;
        pilaro::test::typeInto(*session.window, "txtag2", QStringLiteral("999"));
        pilaro::test::typeInto(*session.window, "txtd12", QStringLiteral("7"));
        pilaro::test::typeInto(*session.window, "txtjg", QStringLiteral("x"));
        session.run(kDesignExample);
        compareShown(session.readOuts(), kDesignExampleShown);
    }

    // A grade typed into a list but never picked is not the one the run uses.
    void typed_grade_is_not_used() {
        Session session;
        session.run(kDesignExample);
        auto* list = control<QComboBox>(*session.window, "cbohnt");
        list->lineEdit()->selectAll();
        pilaro::test::typeText(list->lineEdit(), QStringLiteral("60号"));
        QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        click(*session.window, "cmdrun");
        compareShown(session.readOuts(), kDesignExampleShown);
    }
};

QTEST_MAIN(FormRunsTest)
#include "form_runs_test.moc"
