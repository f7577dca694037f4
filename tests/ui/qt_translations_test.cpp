// Qt's own dialogs read Chinese once its translations are loaded as at
// start-up: the printer dialog, the file dialog behind it, the message box.
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "ui/qt_translations.h"

namespace {

// Without keyboard mnemonics: "打印(&P)" reads 打印, "&Print" reads Print.
QStringList buttonTexts(const QWidget& dialog) {
    QStringList texts;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
        texts << button->text().remove(QRegularExpression("\\(&.\\)|&")).trimmed();
    return texts;
}

}  // namespace

class QtTranslationsTest : public QObject {
    Q_OBJECT

  private slots:
    void dialogButtonsReadChinese() {
        QVERIFY(pilaro::installQtChineseTranslations(*qApp));
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog printerDialog(&printer);
        QMessageBox messageBox(QMessageBox::Information, "Pilaro", "", QMessageBox::Ok);
        QFileDialog fileDialog;
        fileDialog.setOption(QFileDialog::DontUseNativeDialog);
        const struct {
            QDialog* dialog;
            QStringList chinese, english;
        } cases[] = {
            {&printerDialog, {"打印", "取消"}, {"Print", "Cancel"}},
            {&messageBox, {"确定"}, {"OK"}},
            {&fileDialog, {"打开", "取消"}, {"Open", "Cancel"}},
        };
        for (const auto& c : cases) {
            c.dialog->show();
            const QStringList texts = buttonTexts(*c.dialog);
            for (const QString& text : c.chinese) QVERIFY2(texts.contains(text), qPrintable(text));
            for (const QString& text : c.english) QVERIFY2(!texts.contains(text), qPrintable(text));
        }
    }
};

QTEST_MAIN(QtTranslationsTest)
#include "qt_translations_test.moc"
