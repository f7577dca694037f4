// The N–M diagram of the form's last run, in a window of its own beside
// the main window, whose controls keep their places: drawn by the painter
// of pilaro-batch's pictures, scaled to the window, and greyed with a word
// of why while the results are stale.
#pragma once

#include <QWidget>

#include "form/form_diagram.h"

namespace pilaro {

class DiagramWindow : public QWidget {
    Q_OBJECT

  public:
    // A window of its own that belongs to `owner` (and closes with it).
    explicit DiagramWindow(QWidget* owner);

    // Shows the run's diagrams, or why it has none, without taking the
    // focus from the form; placed beside the owner the first time.
    void showDiagrams(FormDiagrams drawn);
    void setStale(bool stale);
    // Forgets the diagrams and hides: the results they belonged to are gone.
    void clear();

    [[nodiscard]] const FormDiagrams& drawn() const { return drawn_; }
    [[nodiscard]] bool stale() const { return stale_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    FormDiagrams drawn_;
    bool stale_ = false;
    bool placed_ = false;
};

}  // namespace pilaro
