// The main window: every input, every result and the three buttons, and
// the calculation state they work on.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "form/calc_state.h"
#include "report/report_printer.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace pilaro {

class MainWindow : public QWidget {
    Q_OBJECT

  public:
    // Shows the message of a run that stopped.
    using MessageFunction = std::function<void(const QString& text)>;
    // Ends the program.
    using ExitFunction = std::function<void()>;

    // Builds the controls and runs the load event; the caller shows it.
    explicit MainWindow(QWidget* parent = nullptr);

    [[nodiscard]] const CalcState& state() const { return state_; }

    // Defaults: a modal information box; leaving the event loop; the
    // standard printer dialog.
    void setMessageFunction(MessageFunction showMessage);
    void setExitFunction(ExitFunction exitProgram);
    void setPrinterDialog(PrinterDialogStep dialog);

  private:
    // The window's eight events, each named after its control and event.
    void Form_Load();       // the window is built: fill the two grade lists
    void cbohnt_Click();    // a concrete grade is picked from the 混凝土标号 list
    void cbogj_Click();     // a steel grade is picked from the 钢筋等级 list
    void optpj_Click();     // the option 配筋计算 (design) is chosen
    void optqd_Click();     // the option 强度校核 (check) is chosen
    void cmdrun_Click();    // the run button 运  行 is pressed
    void cmdprint_Click();  // the print button 打  印 is pressed
    void cmdexit_Click();   // the exit button 退  出 is pressed

    [[nodiscard]] QLineEdit* field(std::string_view name) const;
    // The UTF-8 text of a field or of a grade list's text part.
    [[nodiscard]] std::string controlText(std::string_view name) const;
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
