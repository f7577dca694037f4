#include "ui/main_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include "engine/materials.h"
#include "engine/read_outs.h"
#include "form/control_table.h"
#include "form/form_reading.h"
#include "form/read_out_fields.h"
#include "ui/control_widgets.h"
#include "ui/grade_list.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace pilaro {

namespace {

template <class Widget>
Widget* namedChild(const QWidget& window, std::string_view name) {
    auto* widget = window.findChild<Widget*>(toQString(name));
    Q_ASSERT_X(widget, "MainWindow", "every control of the table is built");
    return widget;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(toQString(kWindowName));
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    buildControls(*this, mainWindowControls());

    cbohnt_ = namedChild<QComboBox>(*this, "cbohnt");
    cbogj_ = namedChild<QComboBox>(*this, "cbogj");
    optpj_ = namedChild<QRadioButton>(*this, "optpj");
    optqd_ = namedChild<QRadioButton>(*this, "optqd");
    txtag1_ = field("txtag1");

    showMessage_ = [this](const QString& text) { showInformation(this, text); };
    exitProgram_ = [] { QCoreApplication::exit(0); };
    connectEvents();

    Form_Load();
    namedChild<QPushButton>(*this, "cmdrun")->setFocus();
}

void MainWindow::setMessageFunction(MessageFunction showMessage) {
    showMessage_ = std::move(showMessage);
}

void MainWindow::setExitFunction(ExitFunction exitProgram) {
    exitProgram_ = std::move(exitProgram);
}

void MainWindow::setPrinterDialog(PrinterDialogStep dialog) {
    printerDialog_ = std::move(dialog);
}

QLineEdit* MainWindow::field(std::string_view name) const {
    return namedChild<QLineEdit>(*this, name);
}

std::string MainWindow::controlText(std::string_view name) const {
    const QWidget* control = namedChild<QWidget>(*this, name);
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentText().toStdString();
    return field(name)->text().toStdString();
}

void MainWindow::connectEvents() {
    // Only a picked entry is a choice; typing into the text part is not
    // (see makeTypingNoChoice).
    connect(cbohnt_, &QComboBox::activated, this, &MainWindow::cbohnt_Click);
    connect(cbogj_, &QComboBox::activated, this, &MainWindow::cbogj_Click);
    // An option reacts when it becomes the chosen one, by mouse or keyboard.
    connect(optpj_, &QRadioButton::toggled, this, [this](bool chosen) {
        if (chosen) optpj_Click();
    });
    connect(optqd_, &QRadioButton::toggled, this, [this](bool chosen) {
        if (chosen) optqd_Click();
    });
    connect(namedChild<QPushButton>(*this, "cmdrun"), &QPushButton::clicked, this,
            &MainWindow::cmdrun_Click);
    connect(namedChild<QPushButton>(*this, "cmdprint"), &QPushButton::clicked, this,
            &MainWindow::cmdprint_Click);
    connect(namedChild<QPushButton>(*this, "cmdexit"), &QPushButton::clicked, this,
            &MainWindow::cmdexit_Click);
}

void MainWindow::Form_Load() {
    QStringList concrete;
    for (const ConcreteGrade& grade : concreteGrades()) concrete << toQString(grade.text);
    appendEntriesNoneSelected(*cbohnt_, concrete);

    QStringList steel;
    for (const SteelGrade& grade : steelGrades()) steel << toQString(grade.text);
    appendEntriesNoneSelected(*cbogj_, steel);
}

void MainWindow::cbohnt_Click() {
    const QByteArray text = cbohnt_->currentText().toUtf8();
    if (const ConcreteGrade* grade = findConcreteGrade(utf8View(text))) {
        state_.Ra = grade->Ra;
        state_.Eh = grade->Eh;
    }
}

void MainWindow::cbogj_Click() {
    const QByteArray text = cbogj_->currentText().toUtf8();
    if (const SteelGrade* grade = findSteelGrade(utf8View(text))) {
        state_.Rg = grade->Rg;
        state_.Eg = grade->Eg;
    }
}

void MainWindow::optpj_Click() {
    state_.type = CalcType::Design;
    txtag1_->hide();
}

void MainWindow::optqd_Click() {
    state_.type = CalcType::Check;
    txtag1_->show();
}

void MainWindow::cmdrun_Click() {
    // Stops before any field is read when no type is chosen; a refused
    // run stores nothing and changes no read-out.
    const FormReading reading =
        readForm(state_, [this](std::string_view name) { return controlText(name); });
    if (reading.refused()) {
        showMessage_(toQString(reading.refusal));
        return;
    }
    const CalcStatus status = runCalculation(state_, reading.input);
    if (status != CalcStatus::Done) {
        // A stopped run leaves every read-out field as it was.
        showMessage_(toQString(statusMessage(status)));
        return;
    }
    for (const ShownReadOut& readOut :
         shownReadOuts(readOuts(state_.result, takesCheckRoad(reading.input)))) {
        QLineEdit* readOutField = field(readOut.field);
        readOutField->setText(toQString(readOut.text));
        // Long numbers show their leading digits, not their tail.
        readOutField->setCursorPosition(0);
    }
}

void MainWindow::cmdprint_Click() {
    printReport(state_, this, printerDialog_);
}

void MainWindow::cmdexit_Click() {
    exitProgram_();
}

}  // namespace pilaro
