#include "app/appsetup.h"
#include "tests/soakmodel.h"
#include "tests/support/calculatordriver.h"
#include "tests/support/programwindows.h"
#include "tests/support/promptrecorder.h"
#include "windows/calculators/calculatorwindow.h"
#include "windows/shell/forms.h"
#include "windows/shell/mainwindow.h"
#include "windows/shell/splashwindow.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

// Thousands of random actions on the real main window and its calculators,
// each followed by a comparison of everything on show with SoakModel.
class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomActionsMatchTheModel();

private:
    QString act();
    QString differences(const QString &expectedPrompt);

    QRandomGenerator m_random{20261208};
    SoakModel m_model;
    std::unique_ptr<PromptRecorder> m_prompts;
    QString m_expectedPrompt;
};

namespace {

const QStringList kTexts{"4", "10", "0.5", "-3", "1e2", " 7 ", "2.5E-1", "0", "12.25", "1e200",
                         "", "abc", "1,000", "inf", "12 ft", " ", "nan", "0x10", "1.2.3"};
const QStringList kTypedUnits{"Inches", "Feet", "Meters", "inches", "yards", "Metres", "Foot", ""};
const QStringList kUnitNames{"Inches", "Feet", "Meters"};
const char *const kTextBoxes[] = {"tt", "wt", "lt"};
const char *const kUnitBoxes[] = {"tc", "wc", "lc"};
const char *const kCommands[] = {"slab", "footing", "circular"};

WindowInstance<CalculatorWindow> *instances[] = {&slabcalc, &footingcalc, &circularcalc};

} // namespace

namespace {

QtMessageHandler g_defaultHandler = nullptr;

// The offscreen platform says at every drop-down list that it cannot grab
// the keyboard; thousands of those would bury a real message.
void dropPlatformNotices(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        g_defaultHandler(type, context, message);
}

} // namespace

void TestSoak::initTestCase()
{
    setUpApplication(*qApp);
    g_defaultHandler = qInstallMessageHandler(dropPlatformNotices);
}

// Performs one random action on the program and the model; returns what it did.
QString TestSoak::act()
{
    m_expectedPrompt.clear();
    const int visible = m_model.visible();
    const int roll = visible < 0 ? 90 : int(m_random.bounded(100));
    const auto pick = [this](int count) { return int(m_random.bounded(count)); };

    if (roll >= 75 && roll < 95) {
        const int calculator = pick(SoakModel::kCalculators);
        const bool byAltKey = pick(2) == 1;
        QMenuBar *bar = MDIForm1->menuBar();
        QAction *action = bar->findChild<QAction *>(QString::fromLatin1(kCommands[calculator]));
        if (byAltKey)
            QTest::keyClick(MDIForm1.get(), action->text().at(1).toLatin1(), Qt::AltModifier);
        else
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
        m_model.choose(SoakModel::Calculator(calculator));
        return QStringLiteral("%1 command by %2").arg(kCommands[calculator], byAltKey ? "Alt key" : "click");
    }

    CalculatorWindow *window = instances[visible]->existing();
    const int row = pick(SoakModel::rows(visible));
    if (roll < 30) {
        const QString text = kTexts[pick(int(kTexts.size()))];
        driver::type(window, kTextBoxes[row], text);
        m_model.type(row, text);
        return QStringLiteral("type \"%1\" into %2").arg(text, kTextBoxes[row]);
    }
    if (roll < 38) {
        const QString unit = kTypedUnits[pick(int(kTypedUnits.size()))];
        driver::typeUnit(window, kUnitBoxes[row], unit);
        m_model.setUnit(row, unit);
        return QStringLiteral("type \"%1\" into %2").arg(unit, kUnitBoxes[row]);
    }
    if (roll < 45) {
        const int item = pick(3);
        driver::pickUnit(window, kUnitBoxes[row], item);
        m_model.setUnit(row, kUnitNames[item]);
        return QStringLiteral("pick %1 in %2").arg(kUnitNames[item], kUnitBoxes[row]);
    }
    if (roll < 68) {
        driver::click(window, "Command2");
        m_expectedPrompt = m_model.calculate();
        return QStringLiteral("Calculate");
    }
    if (roll < 75) {
        driver::click(window, "Command1");
        m_model.clear();
        return QStringLiteral("Clear");
    }
    driver::closeMaximizedChild(MDIForm1.get());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_model.closeVisible();
    return QStringLiteral("close the calculator in view");
}

// Everything on show that the model does not expect, or an empty text.
QString TestSoak::differences(const QString &expectedPrompt)
{
    QStringList found;
    const QStringList prompts = m_prompts->takeSummaries();
    const QStringList expected = expectedPrompt.isEmpty() ? QStringList() : QStringList{"Mixora: " + expectedPrompt};
    if (prompts != expected)
        found << QStringLiteral("prompts %1, expected %2").arg(prompts.join(u';'), expected.join(u';'));

    for (int calculator = 0; calculator < SoakModel::kCalculators; ++calculator) {
        const SoakModel::Window &model = m_model.window(calculator);
        CalculatorWindow *window = instances[calculator]->existing();
        const QString name = QString::fromLatin1(kCommands[calculator]);
        if (bool(window) != model.exists) {
            found << name + (model.exists ? QStringLiteral(" is missing") : QStringLiteral(" should not exist"));
            continue;
        }
        if (!window)
            continue;
        if (window->isVisible() != model.visible)
            found << name + (model.visible ? QStringLiteral(" is hidden") : QStringLiteral(" is in view"));
        const auto compare = [&](const char *what, const QStringList &shown, const QStringList &wanted) {
            if (shown != wanted)
                found << QStringLiteral("%1 %2: [%3], expected [%4]")
                             .arg(name, what, shown.join(u'|'), wanted.join(u'|'));
        };
        compare("texts", driver::dimensionTexts(window), model.texts);
        compare("units", driver::unitTexts(window), model.units);
        compare("read-outs", driver::readouts(window), model.readouts);
    }
    return found.join(u'\n');
}

void TestSoak::randomActionsMatchTheModel()
{
    const int steps = qEnvironmentVariableIsSet("MIXORA_SOAK_STEPS")
        ? qEnvironmentVariableIntValue("MIXORA_SOAK_STEPS")
        : 10000;
    QLocale::setDefault(QLocale::c());
    m_prompts = std::make_unique<PromptRecorder>(1);

    startMixora();
    QVERIFY(QTest::qWaitForWindowActive(frmSplash.get()));
    QTest::mouseClick(frmSplash->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QTest::qWaitForWindowActive(MDIForm1.get()));

    QStringList done;
    QString mismatch = differences(QString());
    for (int step = 0; step < steps && mismatch.isEmpty(); ++step) {
        done << act();
        mismatch = differences(m_expectedPrompt);
        // A window manager gives the activation back after a prompt; here
        // it is asked for, so that the Alt keys keep reaching the menu bar.
        if (!MDIForm1->isActiveWindow()) {
            MDIForm1->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(MDIForm1.get()));
        }
    }
    if (!mismatch.isEmpty()) {
        for (int i = 0; i < done.size(); ++i)
            done[i] = QStringLiteral("%1. %2").arg(i + 1).arg(done[i]);
        QFAIL(qPrintable(QStringLiteral("after these actions:\n%1\nthe program differs from the model:\n%2")
                             .arg(done.join(u'\n'), mismatch)));
    }
    qInfo("%d actions, all as the model expects", steps);
    closeProgram();
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
