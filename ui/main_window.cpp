#include "ui/main_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStringList>

#include "form/control_table.h"
#include "form/form_diagram.h"
#include "form/form_events.h"
#include "form/keyboard.h"
#include "form/shown_results.h"
#include "messages/form_messages.h"
#include "ui/control_widgets.h"
#include "ui/diagram_window.h"
#include "ui/grade_list.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace pilaro {

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(toQString(kWindowName));
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    controls_ = buildControls(*this, mainWindowControls());
    fitToMethod();

    showMessage_ = [this](const QString& text) { showInformation(this, text); };
    exitProgram_ = [] { QCoreApplication::exit(0); };
    fillLists();
    // The given area's field shows when the window opens; the controls of
    // a method show with it.
    showControls(methodControls(state_));
    connectControls();
    // The form's help on the platform's help key; no control is added.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &MainWindow::showHelp);
    control(FormButton::Run)->setFocus();
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

QWidget* MainWindow::control(std::string_view name) const {
    const auto found = controls_.find(name);
    Q_ASSERT_X(found != controls_.end(), "MainWindow", "every control of the table is built");
    return found != controls_.end() ? found->second : nullptr;
}

QWidget* MainWindow::control(const ControlRole& role) const {
    return control(controlName(role));
}

std::string MainWindow::controlText(std::string_view name) const {
    const QWidget* widget = control(name);
    if (const auto* list = qobject_cast<const QComboBox*>(widget))
        return list->currentText().toStdString();
    return qobject_cast<const QLineEdit*>(widget)->text().toStdString();
}

ControlText MainWindow::controlTexts() const {
    return [this](std::string_view name) { return controlText(name); };
}

void MainWindow::showMessage(const std::string& text) {
    if (!text.empty()) showMessage_(toQString(text));
}

void MainWindow::fillLists() {
    for (const ListContents& list : formLists(state_)) showList(list);
}

void MainWindow::showList(const ListContents& contents) {
    auto* list = qobject_cast<QComboBox*>(control(contents.list));
    QStringList entries;
    for (std::string_view entry : contents.entries) entries << toQString(entry);
    const QString shown = toQString(contents.shown);
    list->clear();
    list->addItems(entries);
    // The entry the form holds; a grade list that holds none shows its
    // opening text with no entry selected.
    const auto at = static_cast<int>(entries.indexOf(shown));
    list->setCurrentIndex(at);
    if (at < 0 && list->isEditable()) list->setEditText(shown);
}

void MainWindow::showControls(const std::vector<ControlShown>& shown) {
    for (const ControlShown& control : shown)
        this->control(control.control)->setVisible(control.shown);
}

void MainWindow::fitToMethod() {
    const FormBox box = formBox(state_.method);
    setFixedSize(twipsToPixels(box.width), twipsToPixels(box.height));
}

void MainWindow::apply(const FormChange& change) {
    for (const ListContents& list : change.lists) showList(list);
    for (const ControlSetting& field : change.fields)
        qobject_cast<QLineEdit*>(control(field.control))->setText(toQString(field.text));
    showControls(change.shown);
    for (const ControlPlace& place : change.places)
        control(place.control)
            ->setGeometry(twipsToPixelRect(place.left, place.top, place.width, place.height));
    fitToMethod();
    if (change.resultsCleared && diagramWindow_) diagramWindow_->clear();
}

void MainWindow::connectControls() {
    for (const ControlRow& row : mainWindowControls()) {
        QWidget* widget = row.kind == ControlKind::PrinterDialog ? nullptr : control(row.name);
        if (auto* list = qobject_cast<QComboBox*>(widget)) {
            // Only a picked entry is a choice; typing into the text part is
            // not (see makeTypingNoChoice). Either changes what it shows.
            connect(list, &QComboBox::activated, this, [this, list] { pickFrom(*list); });
            connect(list, &QComboBox::editTextChanged, this, &MainWindow::markStale);
        } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
            // An option reacts when it becomes the chosen one, by mouse or
            // keyboard.
            connect(option, &QRadioButton::toggled, this, [this, option](bool chosen) {
                if (chosen) choose(*option);
            });
        } else if (auto* field = qobject_cast<QLineEdit*>(widget); field && !row.readOut()) {
            connect(field, &QLineEdit::textEdited, this, &MainWindow::markStale);
            if (enterRuns(row.name))
                connect(field, &QLineEdit::returnPressed, this, &MainWindow::run);
        } else if (const auto* button = std::get_if<FormButton>(&row.role)) {
            connect(qobject_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                    actionOf(*button));
        }
    }
}

MainWindow::Action MainWindow::actionOf(FormButton button) {
    switch (button) {
        case FormButton::Run:
            return &MainWindow::run;
        case FormButton::Print:
            return &MainWindow::print;
        case FormButton::Exit:
            return &MainWindow::exitProgram;
    }
    return nullptr;
}

void MainWindow::pickFrom(const QComboBox& list) {
    apply(pickEntry(state_, list.objectName().toStdString(), list.currentText().toStdString()));
    markStale();
}

// The given area's field shows when the window opens, before any option
// is chosen; from the first choice on, the form decides.
void MainWindow::choose(const QRadioButton& option) {
    chooseOption(state_, option.objectName().toStdString());
    showControls(shownControls(state_));
    markStale();
}

void MainWindow::run() {
    const RunOutcome outcome = pressRun(state_, controlTexts());
    for (const ShownReadOut& readOut : outcome.readOuts) {
        auto* field = qobject_cast<QLineEdit*>(control(readOut.field));
        field->setText(toQString(readOut.text));
        // Long numbers show their leading digits, not their tail.
        field->setCursorPosition(0);
    }
    if (outcome.shown) showDiagram();
    markStale();
    showMessage(outcome.message);
    focusOn(outcome.focus);
}

void MainWindow::print() {
    const PrintOutcome outcome = pressPrint(state_, controlTexts());
    showMessage(outcome.message);
    focusOn(outcome.focus);
    if (outcome.prints) printReport(state_, this, printerDialog_);
}

void MainWindow::showHelp() {
    std::string help;
    for (const messages::HelpSection& section : messages::formHelp())
        help += std::string(section.heading.chinese) + "\n" + std::string(section.text.chinese) +
                "\n\n";
    help.resize(help.size() - 2);
    showMessage(help);
}

void MainWindow::markStale() {
    const bool stale = resultsStale(state_, controlTexts());
    const QString hint =
        stale ? toQString(messages::formNotice(messages::FormNotice::StaleHint).chinese)
              : QString();
    for (const ControlRow& row : mainWindowControls()) {
        if (!row.readOut()) continue;
        QWidget* field = control(row.name);
        if (field->property("stale").toBool() == stale) continue;
        field->setProperty("stale", stale);
        field->setToolTip(hint);
        // Grey as a disabled field's text, which the style knows; an empty
        // palette gives the field back its own.
        QPalette grey = field->palette();
        grey.setColor(QPalette::Text, grey.color(QPalette::Disabled, QPalette::Text));
        field->setPalette(stale ? grey : QPalette());
    }
    if (diagramWindow_) diagramWindow_->setStale(stale);
}

void MainWindow::showDiagram() {
    if (!diagramWindow_) diagramWindow_ = new DiagramWindow(this);
    diagramWindow_->showDiagrams(formDiagrams(state_, controlTexts()));
}

void MainWindow::focusOn(std::string_view name) {
    if (!name.empty()) control(name)->setFocus();
}

void MainWindow::exitProgram() {
    exitProgram_();
}

}  // namespace pilaro
