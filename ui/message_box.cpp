#include "ui/message_box.h"

#include <QMessageBox>
#include <QString>

namespace pilaro {

void showInformation(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(kApplicationTitle), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace pilaro
