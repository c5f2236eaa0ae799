#include "platform/messagebox.h"

#include "platform/appidentity.h"

#include <QMessageBox>

namespace platform {
namespace {

int openMessages = 0;

} // namespace

void showMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("prompt"));
    ++openMessages;
    box.exec();
    --openMessages;
}

bool isMessageOpen()
{
    return openMessages > 0;
}

} // namespace platform
