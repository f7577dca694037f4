// The main window: the form's controls as Qt widgets, each event handed to
// the form's rules (form/form_events.h) and their answer shown: the
// read-outs greyed while stale, the focus on the control at fault, and
// the run's N–M diagram in a window of its own beside it. The choice of
// method is a band below the archived form, which stays as it was; the
// current code's read-outs are a frame the window grows into below it.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "form/calc_state.h"
#include "form/control_role.h"
#include "form/form_events.h"
#include "form/form_reading.h"
#include "report/report_printer.h"
#include "ui/control_widgets.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace pilaro {

class DiagramWindow;

class MainWindow : public QWidget {
    Q_OBJECT

  public:
    // Shows a message of the form: why a run stopped or was refused.
    using MessageFunction = std::function<void(const QString& text)>;
    // Ends the program.
    using ExitFunction = std::function<void()>;

    // Builds the controls and fills the lists; the caller shows it.
    explicit MainWindow(QWidget* parent = nullptr);

    [[nodiscard]] const CalcState& state() const { return state_; }
    // The run's diagram; null before the first completed run.
    [[nodiscard]] DiagramWindow* diagramWindow() const { return diagramWindow_; }

    // Defaults: a modal information box; leaving the event loop; the
    // standard printer dialog.
    void setMessageFunction(MessageFunction showMessage);
    void setExitFunction(ExitFunction exitProgram);
    void setPrinterDialog(PrinterDialogStep dialog);

  private:
    // What a press of a button does.
    using Action = void (MainWindow::*)();
    [[nodiscard]] static Action actionOf(FormButton button);

    void fillLists();
    void connectControls();
    void pickFrom(const QComboBox& list);
    // Shows what the form says changed: lists refilled, fields emptied,
    // controls shown or hidden, and the client area of the method chosen.
    void apply(const FormChange& change);
    void showList(const ListContents& contents);
    void showControls(const std::vector<ControlShown>& shown);
    void fitToMethod();
    void choose(const QRadioButton& option);
    void run();
    void print();
    void exitProgram();
    void showHelp();
    // Greys the read-outs and the diagram while the form shows other
    // inputs than their run read.
    void markStale();
    void showDiagram();
    void focusOn(std::string_view control);

    [[nodiscard]] QWidget* control(std::string_view name) const;
    [[nodiscard]] QWidget* control(const ControlRole& role) const;
    // The UTF-8 text of a field or of a list's text part.
    [[nodiscard]] std::string controlText(std::string_view name) const;
    [[nodiscard]] ControlText controlTexts() const;
    void showMessage(const std::string& text);

    CalcState state_;
    ControlWidgets controls_;
    DiagramWindow* diagramWindow_ = nullptr;
    MessageFunction showMessage_;
    ExitFunction exitProgram_;
    PrinterDialogStep printerDialog_;
};

}  // namespace pilaro
