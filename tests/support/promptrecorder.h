#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// Closes every modal dialog that opens while it lives and records what it
// showed, so a test asserts on the prompts it expected and an unexpected one
// fails the test instead of hanging it.
class PromptRecorder : public QObject
{
    Q_OBJECT

public:
    struct Prompt
    {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttonCount = 0;
        bool isMessageBox = false;
    };

    // Looks for a dialog every intervalMs milliseconds.
    explicit PromptRecorder(int intervalMs = 10, QObject *parent = nullptr);

    // The prompts seen since the last call, oldest first, as "title: text",
    // with anything but one OK button and no icon spelled out after it.
    QStringList takeSummaries();
    bool isEmpty() const { return m_prompts.isEmpty(); }
    // Called with each prompt while it is open, inside its own event loop,
    // before it is answered.
    void whenOpen(std::function<void(QWidget *)> inspect) { m_inspect = std::move(inspect); }

private:
    void poll();
    QList<Prompt> take();

    QTimer m_timer;
    QList<Prompt> m_prompts;
    std::function<void(QWidget *)> m_inspect;
};
