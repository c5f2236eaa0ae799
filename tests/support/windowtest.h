#pragma once

#include "tests/support/promptrecorder.h"

#include <QObject>
#include <QStringList>
#include <QWidget>

#include <memory>

// What every test case of the windows starts and ends with: the C locale; a
// recorder of the prompts, each of which the case must have looked at; and,
// after it, nothing left of the program or of the lone window it opened.
// The window tests derive from it.
class WindowTest : public QObject
{
    Q_OBJECT

protected:
    // Shows a lone window, active so that keys and the focus behave as a
    // person meets them, and keeps it until the case ends.
    QWidget *open(std::unique_ptr<QWidget> window);
    QWidget *window() const { return m_window.get(); }
    PromptRecorder &prompts() { return *m_prompts; }

    // The read-outs before any calculation.
    static const QStringList kNoResults;

protected slots:
    void initTestCase();
    void init();
    void cleanup();

private:
    std::unique_ptr<PromptRecorder> m_prompts;
    std::unique_ptr<QWidget> m_window;
};
