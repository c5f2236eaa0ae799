#include "app/appsetup.h"
#include "tests/soakmodel.h"
#include "tests/support/calculatordriver.h"
#include "tests/support/programwindows.h"
#include "tests/support/promptrecorder.h"
#include "tests/support/shelldriver.h"
#include "windows/calculators/calculatorwindow.h"
#include "windows/shell/forms.h"
#include "windows/shell/mainwindow.h"
#include "windows/shell/splashwindow.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

// Thousands of random actions on the real main window and its calculators,
// each followed by a comparison of everything on show with SoakModel: the
// calculators' boxes, and the frame around them (which calculator is in
// view and showing, its window state, the title, the focus). While a
// prompt is open, every change of the frame a user can try comes to nothing.
class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomActionsMatchTheModel();

private:
    QString act();
    QString actOnCalculator(int roll);
    QString actOnFrame(bool promptOpen);
    void tryWhilePromptIsOpen(const SoakModel &before);
    QString differences(const SoakModel &model, const QString &expectedPrompt, bool promptOpen);
    int pick(int count) { return int(m_random.bounded(count)); }

    QRandomGenerator m_random{20261208};
    SoakModel m_model;
    std::unique_ptr<PromptRecorder> m_prompts;
    QString m_expectedPrompt;
    QStringList m_triedWhilePrompt;
    QString m_promptMismatch;
};

namespace {

const QStringList kTexts{"4", "10", "0.5", "-3", "1e2", " 7 ", "2.5E-1", "0", "12.25", "1e200",
                         "", "abc", "1,000", "inf", "12 ft", " ", "nan", "0x10", "1.2.3"};
const QStringList kTypedUnits{"Inches", "Feet", "Meters", "inches", "yards", "Metres", "Foot", ""};
const QStringList kUnitNames{"Inches", "Feet", "Meters"};
const QStringList kWindowMenu{"Restore", "Move", "Size", "Stay on Top", "Minimize", "Maximize", "Close"};
const char *const kTextBoxes[] = {"tt", "wt", "lt"};
const char *const kUnitBoxes[] = {"tc", "wc", "lc"};
const char *const kCommands[] = {"slab", "footing", "circular"};
const char *const kStates[] = {"maximised", "restored", "minimised"};
const char *const kWays[] = {"click", "Alt and its letter", "Alt and the arrows"};
const char *const kButtons[] = {"minimise", "restore", "maximise", "close"};

WindowInstance<CalculatorWindow> *instances[] = {&slabcalc, &footingcalc, &circularcalc};

QMdiSubWindow *childOf(CalculatorWindow *window)
{
    return window ? qobject_cast<QMdiSubWindow *>(window->parentWidget()) : nullptr;
}

SoakModel::State stateOf(QMdiSubWindow *child)
{
    if (child->isMinimized())
        return SoakModel::Minimized;
    return child->isMaximized() ? SoakModel::Maximized : SoakModel::Normal;
}

// The focused control, by the name the model gives it, if it is in this
// calculator.
QString focusIn(CalculatorWindow *window)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !window->isAncestorOf(focus))
        return QStringLiteral("<outside: %1 %2>")
            .arg(focus ? focus->metaObject()->className() : "nothing", focus ? focus->objectName() : QString());
    return driver::focusName(window);
}

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
    m_triedWhilePrompt.clear();
    const int visible = m_model.visible();
    // A calculator's own controls are in reach only while it is showing.
    const int roll = visible >= 0 && m_model.showing(visible) ? int(m_random.bounded(100)) : 100;
    if (roll < 75)
        return actOnCalculator(roll);
    return actOnFrame(false);
}

QString TestSoak::actOnCalculator(int roll)
{
    const int visible = m_model.visible();
    CalculatorWindow *window = instances[visible]->existing();
    const int row = pick(SoakModel::rows(visible));
    if (roll < 30) {
        const QString text = kTexts[pick(int(kTexts.size()))];
        driver::type(window, kTextBoxes[row], text);
        m_model.type(row, text);
        m_model.focusOn(QString::fromLatin1(kTextBoxes[row]));
        return QStringLiteral("type \"%1\" into %2").arg(text, kTextBoxes[row]);
    }
    if (roll < 38) {
        const QString unit = kTypedUnits[pick(int(kTypedUnits.size()))];
        driver::typeUnit(window, kUnitBoxes[row], unit);
        m_model.setUnit(row, unit);
        // Tab leaves the box for the next control, wherever the order puts it.
        m_model.focusOn(focusIn(window));
        return QStringLiteral("type \"%1\" into %2").arg(unit, kUnitBoxes[row]);
    }
    if (roll < 45) {
        const int item = pick(3);
        driver::pickUnit(window, kUnitBoxes[row], item);
        m_model.setUnit(row, kUnitNames[item]);
        m_model.focusOn(focusIn(window));
        return QStringLiteral("pick %1 in %2").arg(kUnitNames[item], kUnitBoxes[row]);
    }
    if (roll < 68) {
        // Some prompts are tried with the frame's every change while open.
        const SoakModel before = m_model;
        m_model.focusOn(QStringLiteral("Command2"));
        m_expectedPrompt = m_model.calculate();
        const bool tryFrame = !m_expectedPrompt.isEmpty() && pick(3) == 0;
        if (tryFrame)
            m_prompts->whenOpen([this, before](QWidget *) { tryWhilePromptIsOpen(before); });
        driver::click(window, "Command2");
        m_prompts->whenOpen({});
        return tryFrame ? QStringLiteral("Calculate; while the prompt is open: %1").arg(m_triedWhilePrompt.join("; "))
                        : QStringLiteral("Calculate");
    }
    driver::click(window, "Command1");
    m_model.clear();
    m_model.focusOn(QStringLiteral("Command1"));
    return QStringLiteral("Clear");
}

// A change of the frame: a menu command, a button or window menu entry of
// the child window in view, its Close shortcut, or, while a prompt is open,
// a request to close the main window. The model follows unless a prompt is
// open, when nothing may change.
QString TestSoak::actOnFrame(bool promptOpen)
{
    MainWindow *main = MDIForm1.get();
    const int visible = m_model.visible();
    QMdiSubWindow *child = visible >= 0 ? childOf(instances[visible]->existing()) : nullptr;
    const int kind = child ? pick(promptOpen ? 5 : 4) : 0;
    const auto follow = [this, promptOpen](auto change) {
        if (!promptOpen)
            change();
    };

    if (kind == 0) {
        const int calculator = pick(SoakModel::kCalculators);
        int way = pick(3);
        if (!shell::menuCommand(main, QString::fromLatin1(kCommands[calculator]), shell::Way(way)))
            shell::menuCommand(main, QString::fromLatin1(kCommands[calculator]), shell::Way(way = 0));
        follow([&] { m_model.choose(SoakModel::Calculator(calculator)); });
        return QStringLiteral("%1 command by %2").arg(kCommands[calculator], kWays[way]);
    }
    const SoakModel::State state = m_model.window(visible).state;
    const QString in = QStringLiteral(" of the %1 calculator").arg(kStates[state]);
    if (kind == 1) {
        const auto button = shell::Button(pick(4));
        if (!shell::clickButton(main, child, button))
            return QStringLiteral("no %1 button%2").arg(kButtons[int(button)], in);
        follow([&] {
            const SoakModel::State after[] = {SoakModel::Minimized, SoakModel::Normal, SoakModel::Maximized};
            if (button == shell::Button::Close)
                m_model.closeVisible();
            else
                m_model.setState(after[int(button)]);
        });
        return QStringLiteral("%1 button%2").arg(kButtons[int(button)], in);
    }
    if (kind == 2) {
        const QString entry = kWindowMenu[pick(int(kWindowMenu.size()))];
        if (!shell::chooseWindowMenuEntry(main, child, entry))
            return QStringLiteral("window menu%1 did not open").arg(in);
        follow([&] {
            if (entry == QLatin1String("Close"))
                m_model.closeVisible();
            else if (entry == QLatin1String("Restore"))
                m_model.setState(SoakModel::Normal);
            else if (entry == QLatin1String("Minimize"))
                m_model.setState(SoakModel::Minimized);
            else if (entry == QLatin1String("Maximize"))
                m_model.setState(SoakModel::Maximized);
        });
        return QStringLiteral("window menu%1: %2").arg(in, entry);
    }
    if (kind == 3) {
        shell::key(main, QKeySequence::keyBindings(QKeySequence::Close).value(0));
        follow([&] { m_model.closeVisible(); });
        return QStringLiteral("Close shortcut%1").arg(in);
    }
    shell::requestClose(main);
    return QStringLiteral("close request to the main window");
}

// Inside the prompt's own event loop: a few changes of the frame, each
// compared at once with the model as it was before Calculate.
void TestSoak::tryWhilePromptIsOpen(const SoakModel &before)
{
    QWidget *prompt = QApplication::activeModalWidget();
    for (int tries = 1 + pick(3); tries > 0 && m_promptMismatch.isEmpty(); --tries) {
        // A window manager may let the main window be activated under a prompt.
        if (pick(2) == 0) {
            MDIForm1->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(MDIForm1.get()));
        }
        m_triedWhilePrompt << actOnFrame(true);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_promptMismatch = differences(before, QString(), true);
    }
    if (prompt) {
        prompt->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(prompt));
    }
}

// Everything on show that the model does not expect, or an empty text.
QString TestSoak::differences(const SoakModel &model, const QString &expectedPrompt, bool promptOpen)
{
    QStringList found;
    if (!promptOpen) {
        const QStringList prompts = m_prompts->takeSummaries();
        const QStringList expected = expectedPrompt.isEmpty() ? QStringList() : QStringList{"Mixora: " + expectedPrompt};
        if (prompts != expected)
            found << QStringLiteral("prompts %1, expected %2").arg(prompts.join(u';'), expected.join(u';'));
    }
    if (!MDIForm1.existing())
        return QStringLiteral("the main window closed");
    if (MDIForm1->windowTitle() != model.title())
        found << QStringLiteral("the title is \"%1\", expected \"%2\"").arg(MDIForm1->windowTitle(), model.title());

    for (int calculator = 0; calculator < SoakModel::kCalculators; ++calculator) {
        const SoakModel::Window &expected = model.window(calculator);
        CalculatorWindow *window = instances[calculator]->existing();
        const QString name = QString::fromLatin1(kCommands[calculator]);
        if (bool(window) != expected.exists) {
            found << name + (expected.exists ? QStringLiteral(" is missing") : QStringLiteral(" should not exist"));
            continue;
        }
        if (!window)
            continue;
        QMdiSubWindow *child = childOf(window);
        if (child->isVisible() != expected.visible)
            found << name + (expected.visible ? QStringLiteral(" is out of view") : QStringLiteral(" is in view"));
        if (window->isVisible() != model.showing(calculator))
            found << name + (model.showing(calculator) ? QStringLiteral("'s controls are hidden")
                                                       : QStringLiteral("'s controls are showing"));
        if (expected.visible && stateOf(child) != expected.state)
            found << QStringLiteral("%1 is %2, expected %3").arg(name, kStates[stateOf(child)], kStates[expected.state]);
        // Keys go to the calculator showing, to the control they last went to.
        const QString focus = focusIn(window);
        if (!promptOpen && model.showing(calculator) && focus != expected.focus)
            found << QStringLiteral("%1's focus is on %2, expected %3").arg(name, focus, expected.focus);
        if (!model.showing(calculator) && !focus.startsWith(QLatin1String("<outside")))
            found << QStringLiteral("%1 is not showing, yet its %2 has the focus").arg(name, focus);
        const auto compare = [&](const char *what, const QStringList &shown, const QStringList &wanted) {
            if (shown != wanted)
                found << QStringLiteral("%1 %2: [%3], expected [%4]")
                             .arg(name, what, shown.join(u'|'), wanted.join(u'|'));
        };
        compare("texts", driver::dimensionTexts(window), expected.texts);
        compare("units", driver::unitTexts(window), expected.units);
        compare("read-outs", driver::readouts(window), expected.readouts);
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
    QString mismatch = differences(m_model, QString(), false);
    for (int step = 0; step < steps && mismatch.isEmpty(); ++step) {
        done << act();
        // What the window system has to say comes first: the offscreen
        // platform activates each window it shows a moment later, a drop-down
        // list or a prompt long gone included.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // A window manager gives the activation back after a prompt or a
        // list; here it is asked for, so that the keys keep reaching the
        // main window (which counts itself active while its list is).
        if (QApplication::activeWindow() != MDIForm1.get()) {
            MDIForm1->activateWindow();
            QVERIFY(QTest::qWaitFor([] { return QApplication::activeWindow() == MDIForm1.get(); }));
        }
        mismatch = m_promptMismatch.isEmpty() ? differences(m_model, m_expectedPrompt, false)
                                              : QStringLiteral("while the prompt was open: ") + m_promptMismatch;
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
