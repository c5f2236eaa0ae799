#include "tests/support/calculatortest.h"

#include "app/appsetup.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

const QStringList CalculatorTest::kNoResults(7, QString());

void CalculatorTest::initTestCase()
{
    setUpApplication(*qApp);
}

void CalculatorTest::init()
{
    QLocale::setDefault(QLocale::c());
    m_prompts = std::make_unique<PromptRecorder>();
}

void CalculatorTest::cleanup()
{
    m_window.reset();
    QCOMPARE(m_prompts->takeSummaries(), QStringList());
}

QWidget *CalculatorTest::open(std::unique_ptr<QWidget> window)
{
    m_window = std::move(window);
    m_window->show();
    // Failing here fails the case, which goes on only to report what it meets.
    QTest::qVerify(QTest::qWaitForWindowActive(m_window.get()), "qWaitForWindowActive(window)",
                   "the calculator window did not become active", __FILE__, __LINE__);
    return m_window.get();
}
