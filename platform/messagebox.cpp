#include "platform/messagebox.h"

#include "platform/appidentity.h"

#include <QMessageBox>
#include <QPointer>

namespace platform {
namespace {

int openMessages = 0;

} // namespace

// The box lives on the heap: its parent may be destroyed while it is open
// (the program quits under it), and takes the box with it.
void showMessage(QWidget *parent, const QString &text)
{
    QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("prompt"));
    ++openMessages;
    box->exec();
    --openMessages;
    delete box;
}

bool isMessageOpen()
{
    return openMessages > 0;
}

} // namespace platform
