#include "platform/messagebox.h"

#include "platform/appidentity.h"

#include <QMessageBox>

namespace platform {

void showMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("prompt"));
    box.exec();
}

} // namespace platform
