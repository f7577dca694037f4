// Awkward text typed or pasted into every input field of the window, then
// 运  行 in both types: the window never falls over, answers with a message
// or with results, and never leaves read-outs half written: a stopped run
// leaves every read-out and the calculation state as they were, a completed
// run shows exactly the values of its own road.
#include <QLineEdit>
#include <QTest>
#include <map>
#include <string>
#include <vector>

#include "engine/bar_counts.h"
#include "engine/calculation.h"
#include "engine/read_outs.h"
#include "messages/field_messages.h"
#include "tests/robustness/awkward_inputs.h"
#include "tests/robustness/number_text_form.h"
#include "tests/robustness/result_fields.h"
#include "tests/robustness/run_rules.h"
#include "tests/ui/main_window_driver.h"
#include "ui/main_window.h"

namespace {

using namespace pilaro;
using test::control;

const char* const kInputs[] = {"txtnj", "txtmj", "txtzd", "txtbc", "txtlj", "txtag1"};
// What each of them holds, in the same order.
const messages::Field kInputFields[] = {messages::Field::AxialForce, messages::Field::Moment,
                                        messages::Field::Diameter,   messages::Field::Cover,
                                        messages::Field::Length,     messages::Field::SteelArea};

// A sound section to start from: D = 1.2, a = 0.05, l0 = 10, 25号, Ⅱ级.
const std::map<std::string, QString> kSoundSection = {{"txtnj", "5000"}, {"txtmj", "1500"},
                                                      {"txtzd", "1.2"},  {"txtbc", "0.05"},
                                                      {"txtlj", "10"},   {"txtag1", "45.239"}};

const char* const kBarFields[] = {"txtd12", "txtd14", "txtd16", "txtd18", "txtd20", "txtd22",
                                  "txtd25", "txtd28", "txtd32", "txtd34", "txtd36"};

// Each numeric read-out with the state's value it shows.
std::map<std::string, MaybeValue> shownValues(const CalcResult& r) {
    std::map<std::string, MaybeValue> values = {
        {"txtag2", r.Ag},   {"txtpjl", r.rho},     {"txtsa", r.coefA}, {"txtsb", r.coefB},
        {"txtsc", r.coefC}, {"txtsd", r.coefD},    {"txtss", r.xi},    {"txtnq", r.Nq},
        {"txtmq", r.Mq},    {"txtqjl", r.rhoGiven}};
    for (int i = 0; i < kBarSizeCount; ++i) values[kBarFields[i]] = r.barCounts[i];
    return values;
}

using Shown = std::map<std::string, QString>;

Shown readOuts(const QWidget& window) {
    Shown shown;
    for (const auto& [name, value] : shownValues(CalcResult{}))
        shown[name] = control<QLineEdit>(window, name.c_str())->text();
    shown["txtjg"] = control<QLineEdit>(window, "txtjg")->text();
    return shown;
}

// Every stop of a run, and every refusal of a field holding `typed`.
std::vector<QString> allMessages(const QString& typed) {
    std::vector<QString> messages;
    for (int s = static_cast<int>(CalcStatus::NoType);
         s <= static_cast<int>(CalcStatus::AreaAboveSection); ++s) {
        const std::string_view m = statusMessage(static_cast<CalcStatus>(s));
        messages.push_back(QString::fromUtf8(m.data(), static_cast<qsizetype>(m.size())));
    }
    using messages::FieldProblem;
    for (messages::Field field : kInputFields)
        for (FieldProblem problem : {FieldProblem::NotANumber, FieldProblem::NotANumberNorBars,
                                     FieldProblem::UnknownBarDiameter})
            messages.push_back(
                QString::fromStdString(messages::fieldMessage(problem, messages::fieldName(field),
                                                              typed.toStdString(), barDiameters())
                                           .chinese));
    return messages;
}

// Short text is typed key by key; long text and text with control
// characters is pasted, as it would reach the field.
void enter(QLineEdit* field, const QString& text) {
    field->selectAll();
    const bool typeable = text.size() <= 64 && !text.contains('\t') && !text.contains('\n');
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    } else if (typeable) {
        test::typeText(field, text);
    } else {
        field->insert(text);
    }
}

// Empty when the read-outs show exactly the completed run of `state`.
QString completedRunFault(const Shown& shown, const CalcState& state) {
    const bool checkRoad = takesCheckRoad(state.lastInput);
    const std::map<std::string, MaybeValue> values = shownValues(state.result);
    for (const auto& [name, text] : shown) {
        if (name == "txtjg") continue;
        const bool designField = name == "txtag2" || name == "txtpjl" || name.rfind("txtd", 0) == 0;
        const bool checkField = name == "txtnq" || name == "txtmq" || name == "txtqjl";
        const bool filled = checkRoad ? !designField : !checkField;
        if (!filled) {
            if (!text.isEmpty()) return QString::fromStdString(name + " not emptied");
            continue;
        }
        const MaybeValue& value = values.at(name);
        if (!value) return QString::fromStdString(name + " shows a value the state lacks");
        const std::string fault = test::numberTextFault(*value, text.toStdString());
        if (text.isEmpty() || !fault.empty())
            return QString::fromStdString(name + " does not show its value: " + fault);
    }
    const QString verdict = shown.at("txtjg");
    const std::string_view checked = verdictText(state.result.verdict);
    if (checkRoad
            ? verdict != QString::fromUtf8(checked.data(), static_cast<qsizetype>(checked.size()))
            : !verdict.isEmpty())
        return "txtjg does not show the verdict of the road taken";
    return {};
}

}  // namespace

class WindowAwkwardInput : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        window_ = new MainWindow;
        window_->setMessageFunction([this](const QString& text) { messages_.push_back(text); });
        window_->show();
        test::pickWithArrowKeys(*window_, "cbohnt", "25号");
        test::pickWithArrowKeys(*window_, "cbogj", "Ⅱ级");
    }
    void cleanupTestCase() { delete window_; }

    void awkwardText_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("fields");  // one field name, or "all"
        QTest::addColumn<QString>("text");
        const auto& texts = test::awkwardFieldTexts();
        for (const char* option : {"optpj", "optqd"}) {
            for (std::size_t t = 0; t < texts.size(); ++t) {
                const QString text = QString::fromStdString(texts[t]);
                for (const char* fields :
                     {"txtnj", "txtmj", "txtzd", "txtbc", "txtlj", "txtag1", "all"}) {
                    const QByteArray name =
                        QStringLiteral("%1 %2 text%3").arg(option, fields).arg(t).toUtf8();
                    QTest::newRow(name.constData()) << QString(option) << QString(fields) << text;
                }
            }
        }
    }

    void awkwardText() {
        QFETCH(QString, option);
        QFETCH(QString, fields);
        QFETCH(QString, text);

        test::click(*window_, option.toUtf8().constData());
        for (const char* name : kInputs) {
            const bool awkward = fields == "all" || fields == name;
            enter(control<QLineEdit>(*window_, name), awkward ? text : kSoundSection.at(name));
        }
        std::map<std::string, QString> typed;
        for (const char* name : kInputs) typed[name] = control<QLineEdit>(*window_, name)->text();

        const Shown before = readOuts(*window_);
        const CalcState stateBefore = window_->state();
        messages_.clear();
        test::click(*window_, "cmdrun");
        const Shown after = readOuts(*window_);
        const CalcState& state = window_->state();

        for (const char* name : kInputs)
            QVERIFY2(control<QLineEdit>(*window_, name)->text() == typed[name],
                     "the run wrote an input field");
        QVERIFY2(messages_.size() <= 1, "more than one message for one press");
        // A check whose area reads as 0 completes as a design, and says so.
        const bool ranAsDesign =
            !messages_.empty() &&
            messages_.front() ==
                QStringLiteral("未输入纵向钢筋面积（或为0），已按配筋计算，结果见“配筋结果”。");
        if (messages_.empty() || ranAsDesign) {
            const QString fault = completedRunFault(after, state);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            return;
        }
        const std::vector<QString> known = allMessages(text);
        QVERIFY2(std::find(known.begin(), known.end(), messages_.front()) != known.end(),
                 qPrintable("an unknown message: " + messages_.front()));
        QVERIFY2(after == before, "a stopped run changed a read-out");
        // Only the section's own stop keeps the derived fields it computed.
        const bool enlarge =
            messages_.front() == QString::fromUtf8(statusMessage(CalcStatus::EnlargeSection));
        const std::vector<std::string> changed =
            test::changedFields(stateBefore.result, state.result);
        for (const std::string& name : changed) {
            const bool derived = name == "g" || name == "r" || name == "I" || name == "e0" ||
                                 name == "lambda" || name == "alpha" || name == "eta" ||
                                 name == "rhoGiven";
            QVERIFY2(enlarge && derived,
                     qPrintable(QString::fromStdString("a stopped run changed " + name)));
        }
        if (!enlarge)
            QVERIFY2(test::sameInput(state.lastInput, stateBefore.lastInput),
                     "a stopped run replaced the last input");
    }

  private:
    MainWindow* window_ = nullptr;
    std::vector<QString> messages_;
};

QTEST_MAIN(WindowAwkwardInput)
#include "window_input_test.moc"
