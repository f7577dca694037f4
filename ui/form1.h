// The main window: every input, every result and the three buttons, and
// the calculation state they work on.
#pragma once

#include <QWidget>
#include <functional>

#include "engine/calculation.h"
#include "report/report_printer.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace pilaro {

class Form1 : public QWidget {
    Q_OBJECT

  public:
    // Shows the message of a run that stopped.
    using MessageFunction = std::function<void(const QString& text)>;
    // Ends the program.
    using ExitFunction = std::function<void()>;

    // Builds the controls and runs the load event; the caller shows it.
    explicit Form1(QWidget* parent = nullptr);

    const CalcState& state() const { return state_; }

    // Defaults: a modal information box; leaving the event loop; the
    // standard printer dialog.
    void setMessageFunction(MessageFunction showMessage);
    void setExitFunction(ExitFunction exitProgram);
    void setPrinterDialog(PrinterDialogStep dialog);

  private:
    // The window's eight events.
    void Form_Load();
    void cbohnt_Click();
    void cbogj_Click();
    void optpj_Click();
    void optqd_Click();
    void cmdrun_Click();
    void cmdprint_Click();
    void cmdexit_Click();

    QLineEdit* field(std::string_view name) const;
    void connectEvents();

    CalcState state_;
    MessageFunction showMessage_;
    ExitFunction exitProgram_;
    PrinterDialogStep printerDialog_;

    QComboBox* cbohnt_ = nullptr;
    QComboBox* cbogj_ = nullptr;
    QRadioButton* optpj_ = nullptr;
    QRadioButton* optqd_ = nullptr;
    QLineEdit* txtag1_ = nullptr;
};

}  // namespace pilaro
