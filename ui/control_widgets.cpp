#include "ui/control_widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <algorithm>
#include <vector>

#include "ui/grade_list.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace pilaro {

namespace {

// One line of a caption is 255 twips high; only taller captions wrap.
constexpr int kOneLineCaptionTwips = 255;

// A field that shows a result: selectable and copyable, never changed by
// the user. Being read-only stops keys and pasting, but Qt still offers a
// read-only line edit to the input method, which would commit Chinese text
// into it.
class ReadOutField : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void inputMethodEvent(QInputMethodEvent* event) override { event->ignore(); }
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override {
        if (query == Qt::ImEnabled) return false;
        return QLineEdit::inputMethodQuery(query);
    }
};

QWidget* makeWidget(const ControlRow& row, QWidget* parent) {
    const QString text = toQString(row.text);
    switch (row.kind) {
        case ControlKind::Frame:
            return new QGroupBox(text, parent);
        case ControlKind::Caption: {
            auto* label = new QLabel(text, parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(row.height > kOneLineCaptionTwips);
            return label;
        }
        case ControlKind::TextField: {
            if (!row.readOut()) return new QLineEdit(text, parent);
            // Still a Tab stop, selectable and copyable (Ctrl+C).
            auto* field = new ReadOutField(text, parent);
            field->setReadOnly(true);
            return field;
        }
        case ControlKind::DropDownList: {
            auto* list = new QComboBox(parent);
            list->setEditable(true);
            makeTypingNoChoice(*list);
            list->setEditText(text);
            return list;
        }
        // Filled by the form with its entries and the one it holds.
        case ControlKind::ChoiceList:
            return new QComboBox(parent);
        case ControlKind::OptionButton:
            return new QRadioButton(text, parent);
        case ControlKind::PushButton: {
            auto* button = new QPushButton(text, parent);
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::PrinterDialog:
            return nullptr;
    }
    return nullptr;
}

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::TextField || kind == ControlKind::DropDownList ||
           kind == ControlKind::ChoiceList || kind == ControlKind::OptionButton ||
           kind == ControlKind::PushButton;
}

}  // namespace

ControlWidgets buildControls(QWidget& window, std::span<const ControlRow> controls) {
    ControlWidgets built;
    std::vector<std::pair<int, QWidget*>> focusOrder;
    std::vector<QLabel*> captions;

    for (const ControlRow& row : controls) {
        QWidget* parent = &window;
        if (row.container != kWindowName) {
            const auto container = built.find(row.container);
            Q_ASSERT_X(container != built.end(), "buildControls",
                       "a container must come before its controls");
            parent = container->second;
        }
        if (row.kind == ControlKind::PrinterDialog) {
            // Never shown: only a named place for the print button's dialog.
            (new QObject(&window))->setObjectName(toQString(row.name));
            continue;
        }
        QWidget* widget = makeWidget(row, parent);
        widget->setObjectName(toQString(row.name));
        widget->setGeometry(twipsToPixelRect(row.left, row.top, row.width, row.height));
        built.emplace(row.name, widget);
        if (takesFocus(row.kind)) focusOrder.emplace_back(row.tabIndex, widget);
        if (auto* label = qobject_cast<QLabel*>(widget)) captions.push_back(label);
    }

    // Where a caption's box reaches under a field, the field stays readable.
    for (QLabel* caption : captions) caption->lower();

    std::stable_sort(focusOrder.begin(), focusOrder.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i) {
        QWidget::setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    }
    return built;
}

}  // namespace pilaro
