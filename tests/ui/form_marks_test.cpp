// The window in everyday use: nothing prints before a run or while the
// results are stale, an edit greys the read-outs and the diagram until the
// next run, the check's sheet shows its steel as typed, Enter in a field
// runs, the focus goes to the field at fault, and the run's N–M diagram
// stands in a window of its own while every control of the form keeps its
// place.
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <memory>

#include "diagram/diagram_layout.h"
#include "tests/report/pdf_text.h"
#include "tests/ui/main_window_driver.h"
#include "ui/diagram_window.h"
#include "ui/main_window.h"

using pilaro::MainWindow;
using pilaro::test::click;
using pilaro::test::control;
using pilaro::test::textOf;
using pilaro::test::typeInto;

namespace {

const char* const kReadOuts[] = {"txtag2", "txtpjl", "txtd12", "txtd14", "txtd16", "txtd18",
                                 "txtd20", "txtd22", "txtd25", "txtd28", "txtd32", "txtd34",
                                 "txtd36", "txtsa",  "txtsb",  "txtsc",  "txtsd",  "txtss",
                                 "txtnq",  "txtmq",  "txtqjl", "txtjg"};

const QString kNothingToPrint = QStringLiteral("还没有计算结果可打印，请先运行。");
const QString kStale = QStringLiteral("输入已修改，显示的结果已过时，请重新运行后再打印。");

struct Session {
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    QStringList messages;
    int printDialogs = 0;
    QString pdf;  // where the dialog prints, when set

    Session() {
        window->setMessageFunction([this](const QString& text) { messages << text; });
        window->setPrinterDialog([this](QPrinter& printer, QWidget*) {
            ++printDialogs;
            if (pdf.isEmpty()) return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) qFatal("window not active");
    }
    // The README's pier, as a design or as a check of `area`.
    void enter(const char* option, const char* nj, const char* mj, const char* area = nullptr) {
        pilaro::test::pickWithArrowKeys(*window, "cbohnt", QStringLiteral("25号"));
        pilaro::test::pickWithArrowKeys(*window, "cbogj", QStringLiteral("Ⅱ级"));
        click(*window, option);
        typeInto(*window, "txtnj", QString::fromUtf8(nj));
        typeInto(*window, "txtmj", QString::fromUtf8(mj));
        typeInto(*window, "txtzd", QStringLiteral("1.2"));
        typeInto(*window, "txtbc", QStringLiteral("0.05"));
        typeInto(*window, "txtlj", QStringLiteral("10"));
        if (area) typeInto(*window, "txtag1", QString::fromUtf8(area));
    }
    void run(const char* option, const char* nj, const char* mj, const char* area = nullptr) {
        enter(option, nj, mj, area);
        click(*window, "cmdrun");
    }
    // Whether every read-out is marked stale (1), none is (0), or some (-1).
    int stale() const {
        int marked = 0;
        for (const char* name : kReadOuts)
            marked += control<QLineEdit>(*window, name)->property("stale").toBool();
        return marked == 0 ? 0 : marked == int(std::size(kReadOuts)) ? 1 : -1;
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
};

// The place of every control of the form, in the window's client area.
std::map<QString, QRect> places(const QWidget& window) {
    std::map<QString, QRect> out;
    for (QWidget* w : window.findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->isWindow())
            out[w->objectName()] = QRect(w->mapTo(&window, QPoint(0, 0)), w->size());
    return out;
}

// Pixels of a colour in the plot of a diagram's picture (below the legend,
// whose samples show every colour), within a few levels of each channel.
int pixelsOf(const QImage& image, const pilaro::diagram::Colour& c) {
    const QColor colour = QColor::fromRgba64(quint16(c.red), quint16(c.green), quint16(c.blue));
    int n = 0;
    for (int y = image.height() / 10; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            n += std::abs(p.red() - colour.red()) < 6 && std::abs(p.green() - colour.green()) < 6 &&
                 std::abs(p.blue() - colour.blue()) < 6;
        }
    return n;
}

}  // namespace

class FormMarksTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { pilaro::test::useProgramLook(); }

    void print_is_refused_before_a_run() {
        Session s;
        s.enter("optpj", "5000", "3000");
        click(*s.window, "cmdprint");
        QCOMPARE(s.messages, QStringList{kNothingToPrint});
        QCOMPARE(s.printDialogs, 0);
        QCOMPARE(s.focus(), control<QWidget>(*s.window, "cmdrun"));
        // A refused run is no run either.
        typeInto(*s.window, "txtnj", QStringLiteral("5,000"));
        click(*s.window, "cmdrun");
        click(*s.window, "cmdprint");
        QCOMPARE(s.messages.size(), 3);
        QCOMPARE(s.messages.back(), kNothingToPrint);
        QCOMPARE(s.printDialogs, 0);
    }

    void an_edit_greys_the_results_until_the_next_run() {
        Session s;
        QCOMPARE(s.stale(), 0);
        s.run("optpj", "5000", "3000");
        QCOMPARE(s.messages, QStringList());
        QCOMPARE(s.stale(), 0);
        auto* area = control<QLineEdit>(*s.window, "txtag2");
        const QColor fresh = area->palette().color(QPalette::Text);

        typeInto(*s.window, "txtnj", QStringLiteral("5001"));
        QCOMPARE(s.stale(), 1);
        QVERIFY(area->palette().color(QPalette::Text) != fresh);
        QVERIFY(!area->toolTip().isEmpty());
        QVERIFY(s.window->diagramWindow()->stale());
        QCOMPARE(textOf(*s.window, "txtag2"), QStringLiteral(" 207.021"));  // kept, greyed
        click(*s.window, "cmdprint");
        QCOMPARE(s.messages, QStringList{kStale});
        QCOMPARE(s.printDialogs, 0);

        // The same text again is the run's input again.
        typeInto(*s.window, "txtnj", QStringLiteral("5000"));
        QCOMPARE(s.stale(), 0);
        QCOMPARE(area->palette().color(QPalette::Text), fresh);
        QVERIFY(!s.window->diagramWindow()->stale());

        // A grade picked, an option chosen: stale too; a run clears it.
        pilaro::test::pickWithArrowKeys(*s.window, "cbohnt", QStringLiteral("30号"));
        QCOMPARE(s.stale(), 1);
        pilaro::test::pickWithArrowKeys(*s.window, "cbohnt", QStringLiteral("25号"));
        QCOMPARE(s.stale(), 0);
        click(*s.window, "optqd");
        QCOMPARE(s.stale(), 1);
        typeInto(*s.window, "txtag1", QStringLiteral("24D28"));
        click(*s.window, "cmdrun");
        QCOMPARE(s.stale(), 0);
        QVERIFY(!s.window->diagramWindow()->stale());
        click(*s.window, "cmdprint");
        QCOMPARE(s.printDialogs, 1);
        QCOMPARE(s.messages, QStringList{kStale});
    }

    void a_check_prints_its_steel_as_typed() {
        QTemporaryDir dir;
        Session s;
        s.pdf = dir.filePath(QStringLiteral("check.pdf"));
        s.run("optqd", "5000", "3000", " 24D28 ");
        click(*s.window, "cmdprint");
        QCOMPARE(s.messages, QStringList());
        const std::vector<std::string> lines = pilaro::test::pdfLines(s.pdf.toStdString());
        QCOMPARE(lines.size(), std::size_t(6));
        // 24 bars of 6.158 cm2.
        QCOMPARE(QString::fromStdString(lines[3]),
                 QStringLiteral("校核钢筋＝24D28 纵向钢筋面积＝ 147.792 cm2"));
        QCOMPARE(QString::fromStdString(lines[4]).section(' ', -1),
                 QStringLiteral("校核结果＝重新配筋！"));
    }

    void enter_in_a_field_runs() {
        Session s;
        s.enter("optpj", "5000", "3000");
        QTest::keyClick(control<QLineEdit>(*s.window, "txtlj"), Qt::Key_Return);
        QCOMPARE(textOf(*s.window, "txtag2"), QStringLiteral(" 207.021"));
        s.enter("optqd", "5000", "1500", "45.239");
        QTest::keyClick(control<QLineEdit>(*s.window, "txtag1"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(textOf(*s.window, "txtjg"), QStringLiteral("通过验算！"));
        QCOMPARE(s.messages, QStringList());
        // Enter in a read-out or a list's text part runs nothing.
        typeInto(*s.window, "txtnj", QStringLiteral("8000"));
        QTest::keyClick(control<QLineEdit>(*s.window, "txtnq"), Qt::Key_Return);
        QTest::keyClick(control<QComboBox>(*s.window, "cbohnt")->lineEdit(), Qt::Key_Return);
        QCOMPARE(textOf(*s.window, "txtjg"), QStringLiteral("通过验算！"));
        QCOMPARE(s.stale(), 1);
    }

    void the_focus_goes_to_the_field_at_fault_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        QTest::newRow("force not a number") << "txtnj"
                                            << "5,000"
                                            << "txtnj";
        QTest::newRow("force empty") << "txtnj"
                                     << ""
                                     << "txtnj";
        QTest::newRow("cover in mm") << "txtbc"
                                     << "50"
                                     << "txtbc";
        QTest::newRow("too slender") << "txtlj"
                                     << "60"
                                     << "txtzd";
        QTest::newRow("unknown bar") << "txtag1"
                                     << "24D27"
                                     << "txtag1";
    }
    void the_focus_goes_to_the_field_at_fault() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        Session s;
        s.enter("optqd", "5000", "1500", "45.239");
        typeInto(*s.window, field.toUtf8().constData(), text);
        control<QWidget>(*s.window, "cmdrun")->setFocus();
        click(*s.window, "cmdrun");
        QCOMPARE(s.messages.size(), 1);
        QVERIFY(s.focus());
        QCOMPARE(s.focus()->objectName(), focus);
    }

    void no_type_sends_the_focus_to_the_options() {
        Session s;
        click(*s.window, "cmdrun");
        QCOMPARE(s.focus(), control<QWidget>(*s.window, "optpj"));
    }

    void the_diagram_has_a_window_of_its_own() {
        Session s;
        const std::map<QString, QRect> before = places(*s.window);
        const QSize size = s.window->size();
        QVERIFY(!s.window->diagramWindow());

        s.run("optpj", "5000", "3000");
        pilaro::DiagramWindow* diagram = s.window->diagramWindow();
        QVERIFY(diagram);
        QVERIFY(QTest::qWaitForWindowExposed(diagram));
        QVERIFY(diagram->isWindow());
        // The form is as it was, to the pixel, and keeps the focus.
        QCOMPARE(places(*s.window), before);
        QCOMPARE(s.window->size(), size);
        QVERIFY(s.window->isActiveWindow());
        QVERIFY(diagram->windowTitle().contains(QStringLiteral("207.021 cm²")));

        // The design's point is a design's, drawn in its own blue.
        QCOMPARE(diagram->drawn().diagrams.size(), std::size_t(1));
        QVERIFY(diagram->drawn().diagrams[0].loads.at(0).design);
        const QImage designed = diagram->grab().toImage();
        QVERIFY(pixelsOf(designed, pilaro::diagram::kDesignColour) > 10);
        QCOMPARE(pixelsOf(designed, pilaro::diagram::kFailColour), 0);

        s.run("optqd", "5000", "1500", "45.239");
        QCOMPARE(s.window->diagramWindow(), diagram);
        QVERIFY(!diagram->drawn().diagrams[0].loads.at(0).design);
        const QImage checked = diagram->grab().toImage();
        QVERIFY(pixelsOf(checked, pilaro::diagram::kPassColour) > 10);
        QCOMPARE(pixelsOf(checked, pilaro::diagram::kDesignColour), 0);

        // Greyed while stale: its colours fade.
        typeInto(*s.window, "txtmj", QStringLiteral("1600"));
        const QImage stale = diagram->grab().toImage();
        QCOMPARE(pixelsOf(stale, pilaro::diagram::kPassColour), 0);
    }

    void help_on_the_help_key() {
        Session s;
        QTest::keyClick(s.window.get(), Qt::Key_F1);
        QCOMPARE(s.messages.size(), 1);
        for (const char* said : {"配筋计算", "强度校核", "kN·m", "η", "N–M"})
            QVERIFY2(s.messages[0].contains(QString::fromUtf8(said)), said);
    }
};

QTEST_MAIN(FormMarksTest)
#include "form_marks_test.moc"
