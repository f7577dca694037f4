// Every row of the example tables gives, in pilaro-batch, the texts that
// the window shows for the same inputs typed in by hand, under the
// archived method and under JTG 3362-2018.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <nlohmann/json.hpp>

#include "engine/calculation.h"
#include "engine/read_outs.h"
#include "form/read_out_fields.h"
#include "table/cell_values.h"
#include "tests/batch/batch_process.h"
#include "tests/ui/main_window_driver.h"
#include "ui/main_window.h"

using nlohmann::json;

namespace {

QString text(const json& value) {
    return QString::fromStdString(value.get<std::string>());
}

}  // namespace

class BatchWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void example_rows_read_out_as_in_the_window() {
        pilaro::test::useProgramLook();
        pilaro::test::ScratchFolder folder;
        const pilaro::test::BatchRun run =
            pilaro::test::runBatch(folder, {PILARO_EXAMPLE_TABLE, "--format", "json"});
        QCOMPARE(run.status, 3);  // the example has one row with an error on purpose

        pilaro::MainWindow window;
        QStringList messages;
        window.setMessageFunction([&](const QString& message) { messages << message; });
        window.show();
        int compared = 0;
        int inputErrors = 0;
        for (const std::string& line : pilaro::test::splitLines(run.out)) {
            const json row = json::parse(line);
            const json& in = row["input"];
            if (row["status"] == "input-error") {
                ++inputErrors;
                continue;
            }
            const bool check =
                pilaro::table::readType(in["type"].get<std::string>()) == pilaro::CalcType::Check;
            pilaro::test::click(window, check ? "optqd" : "optpj");
            pilaro::test::pickWithArrowKeys(
                window, "cbohnt",
                QString::fromUtf8(
                    pilaro::table::readConcrete(in["concrete"].get<std::string>())->text));
            pilaro::test::pickWithArrowKeys(
                window, "cbogj",
                QString::fromUtf8(pilaro::table::readSteel(in["steel"].get<std::string>())->text));
            for (const auto& [field, name] : {std::pair{"txtnj", "Nj"},
                                              {"txtmj", "Mj"},
                                              {"txtzd", "D"},
                                              {"txtbc", "a"},
                                              {"txtlj", "l0"}})
                pilaro::test::typeInto(window, field, text(in[name]));
            if (check) {
                // Bars are typed into the window as they stand in the table.
                QString steel = text(in["Ag"]);
                if (steel.isEmpty()) steel = text(in["bars"]);
                pilaro::test::typeInto(window, "txtag1", steel);
            }
            messages.clear();
            pilaro::test::click(window, "cmdrun");

            const std::string where = "row " + std::to_string(row["row"].get<int>());
            if (row["status"] != "done") {
                QCOMPARE(messages, QStringList{text(row["message"])});
                continue;
            }
            QVERIFY2(messages.isEmpty(), where.c_str());
            for (const pilaro::ReadOutEntry& readOut : pilaro::kReadOuts) {
                const std::string field(pilaro::readOutField(readOut.id));
                QString shown = pilaro::test::textOf(window, field.c_str());
                if (shown.startsWith(' ')) shown.remove(0, 1);
                QVERIFY2(shown == text(row["result"].value(std::string(readOut.name), json(""))),
                         (where + " " + field + ": " + shown.toStdString()).c_str());
            }
            ++compared;
        }
        QCOMPARE(inputErrors, 1);
        QVERIFY(compared >= 8);
    }

    // The example pier under JTG 3362-2018 (and two rows of the archived
    // method beside it), typed into the window with the method its grades
    // choose: each read-out is pilaro-batch's cell for the row.
    void current_code_rows_read_out_as_in_the_window() {
        pilaro::test::useProgramLook();
        pilaro::test::ScratchFolder folder;
        const pilaro::test::BatchRun run =
            pilaro::test::runBatch(folder, {PILARO_JTG3362_TABLE, "--format", "json"});
        QCOMPARE(run.status, 1);  // its archived check fails on purpose

        pilaro::MainWindow window;
        QStringList messages;
        window.setMessageFunction([&](const QString& message) { messages << message; });
        window.show();
        const QStringList methods = {QStringLiteral("原方法（号、级）"),
                                     QStringLiteral("JTG 3362-2018（现行规范）")};
        int designs = 0, checks = 0, archived = 0;
        for (const std::string& line : pilaro::test::splitLines(run.out)) {
            const json row = json::parse(line);
            const json& in = row["input"];
            QVERIFY(row["status"] == "done");
            const bool current = row["result"].contains("method");
            const bool check =
                pilaro::table::readType(in["type"].get<std::string>()) == pilaro::CalcType::Check;
            pilaro::test::pickWithArrowKeys(window, "cbomethod", methods[current ? 1 : 0]);
            if (current) {
                const QString gamma0 = text(in["gamma0"]);
                auto* list = window.findChild<QComboBox*>(QStringLiteral("cbogamma"));
                for (int i = 0; i < list->count(); ++i)
                    if (list->itemText(i).startsWith(gamma0))
                        pilaro::test::pickWithArrowKeys(window, "cbogamma", list->itemText(i));
            }
            pilaro::test::click(window, check ? "optqd" : "optpj");
            const auto concrete = in["concrete"].get<std::string>();
            const auto steel = in["steel"].get<std::string>();
            pilaro::test::pickWithArrowKeys(
                window, "cbohnt",
                QString::fromUtf8(current ? concrete
                                          : pilaro::table::readConcrete(concrete)->text));
            pilaro::test::pickWithArrowKeys(
                window, "cbogj",
                QString::fromUtf8(current ? steel : pilaro::table::readSteel(steel)->text));
            for (const auto& [field, name] : {std::pair{"txtnj", "Nj"},
                                              {"txtmj", "Mj"},
                                              {"txtzd", "D"},
                                              {"txtbc", "a"},
                                              {"txtlj", "l0"}})
                pilaro::test::typeInto(window, field, text(in[name]));
            if (check) pilaro::test::typeInto(window, "txtag1", text(in["bars"]));
            messages.clear();
            pilaro::test::click(window, "cmdrun");

            const std::string where = "row " + std::to_string(row["row"].get<int>());
            QVERIFY2(messages.isEmpty(), where.c_str());
            const json& result = row["result"];
            std::vector<std::pair<std::string, std::string>> cells;
            if (current) {
                for (const pilaro::CurrentReadOutField& r : pilaro::currentReadOutFields())
                    cells.emplace_back(r.field, pilaro::jtg3362::readOutEntry(r.id).name);
            } else {
                for (const pilaro::ReadOutEntry& r : pilaro::kReadOuts)
                    cells.emplace_back(pilaro::readOutField(r.id), r.name);
            }
            for (const auto& [field, name] : cells) {
                QString shown = pilaro::test::textOf(window, field.c_str());
                if (!current && shown.startsWith(' ')) shown.remove(0, 1);
                QVERIFY2(shown == text(result.value(name, json(""))),
                         (where + " " + field + ": " + shown.toStdString()).c_str());
            }
            (current ? (check ? checks : designs) : archived) += 1;
        }
        QCOMPARE(designs, 6);
        QCOMPARE(checks, 3);
        QCOMPARE(archived, 2);
    }
};

QTEST_MAIN(BatchWindowTest)
#include "batch_window_test.moc"
