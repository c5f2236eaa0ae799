#include "tests/support/promptrecorder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>

PromptRecorder::PromptRecorder(int intervalMs, QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &PromptRecorder::poll);
    m_timer.start();
}

QList<PromptRecorder::Prompt> PromptRecorder::take()
{
    return std::exchange(m_prompts, {});
}

QStringList PromptRecorder::takeSummaries()
{
    QStringList summaries;
    for (const Prompt &prompt : take()) {
        QString summary = prompt.title + QStringLiteral(": ") + prompt.text;
        if (!prompt.isMessageBox)
            summary += QStringLiteral(" [not a message box]");
        else if (prompt.icon != QMessageBox::NoIcon || prompt.buttonCount != 1)
            summary += QStringLiteral(" [icon %1, %2 buttons]").arg(prompt.icon).arg(prompt.buttonCount);
        summaries.append(summary);
    }
    return summaries;
}

void PromptRecorder::poll()
{
    QPointer<QWidget> modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (m_inspect) {
        // An inspection may wait with the prompt open; no second one meanwhile.
        m_timer.stop();
        m_inspect(modal);
        m_timer.start();
        // It may have ended the program, and the prompt with it.
        if (!modal)
            return;
    }
    Prompt prompt;
    prompt.title = modal->windowTitle();
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        prompt.isMessageBox = true;
        prompt.text = box->text();
        prompt.icon = box->icon();
        prompt.buttonCount = int(box->buttons().size());
        m_prompts.append(prompt);
        // Dismissed the way a keyboard user would.
        QTest::keyClick(box, Qt::Key_Return);
    } else {
        m_prompts.append(prompt);
    }
    // Whatever Return did not close is closed here, so no test can hang.
    if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && dialog->isVisible())
        dialog->reject();
    else if (modal->isVisible())
        modal->close();
}
