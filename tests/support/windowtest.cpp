#include "tests/support/windowtest.h"

#include "app/appsetup.h"
#include "tests/support/programwindows.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

const QStringList WindowTest::kNoResults(7, QString());

void WindowTest::initTestCase()
{
    setUpApplication(*qApp);
}

void WindowTest::init()
{
    QLocale::setDefault(QLocale::c());
    m_prompts = std::make_unique<PromptRecorder>();
}

void WindowTest::cleanup()
{
    m_window.reset();
    closeProgram();
    QCOMPARE(m_prompts->takeSummaries(), QStringList());
}

QWidget *WindowTest::open(std::unique_ptr<QWidget> window)
{
    m_window = std::move(window);
    m_window->show();
    // Failing here fails the case, which goes on only to report what it meets.
    QTest::qVerify(QTest::qWaitForWindowActive(m_window.get()), "qWaitForWindowActive(window)",
                   "the window did not become active", __FILE__, __LINE__);
    return m_window.get();
}
