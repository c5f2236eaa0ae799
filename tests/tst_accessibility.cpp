#include "app/appsetup.h"
#include "platform/messagebox.h"
#include "tests/support/calculatordriver.h"
#include "tests/support/programwindows.h"
#include "tests/support/promptrecorder.h"
#include "windows/calculators/calculatorwindow.h"
#include "windows/shell/forms.h"
#include "windows/shell/mainwindow.h"
#include "windows/shell/splashwindow.h"

#include <QAccessible>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// What a screen reader is told: the names of the boxes, the actions that
// press the buttons and menu commands, and the prompts as alerts.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void names_data();
    void names();
    void everyFocusableControlIsNamed();
    void unitBoxOffersItsUnitAndList();
    void pressedThroughActions();
    void promptIsAnAlert();
    void nothingActsWhilePromptIsOpen();

private:
    CalculatorWindow *openCalculator(const QString &command);

    std::unique_ptr<PromptRecorder> m_prompts;
};

namespace {

QString accessibleName(QObject *object)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("<not accessible>");
}

void pressByAction(QObject *object)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
    QVERIFY(accessible && accessible->actionInterface());
    QVERIFY(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

} // namespace

void TestAccessibility::initTestCase()
{
    setUpApplication(*qApp);
}

void TestAccessibility::init()
{
    QLocale::setDefault(QLocale::c());
    m_prompts = std::make_unique<PromptRecorder>();
}

void TestAccessibility::cleanup()
{
    closeProgram();
    QCOMPARE(m_prompts->takeSummaries(), QStringList());
}

CalculatorWindow *TestAccessibility::openCalculator(const QString &command)
{
    if (command == QLatin1String("slab"))
        MDIForm1->slab_Click();
    else if (command == QLatin1String("footing"))
        MDIForm1->footing_Click();
    else
        MDIForm1->circular_Click();
    return qobject_cast<CalculatorWindow *>(MDIForm1->mdiArea()->activeSubWindow()->widget());
}

void TestAccessibility::names_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    const char *const shared[][2] = {
        {"yt", "Cubic Yards"}, {"mt", "Cubic Meters"}, {"ct", "Estimated Cost ($)"},
        {"b60t", "60lb bags"}, {"b80t", "80lb bags"}, {"c60t", "Cost of 60lb bags"},
        {"c80t", "Cost of 80lb bags"}, {"Command1", "Clear"}, {"Command2", "Calculate"},
    };
    const char *const rows[][3][2] = {
        {{"slab", ""}, {"tt", "Thickness:"}, {"tc", "Thickness unit"}},
        {{"slab", ""}, {"wt", "Width:"}, {"wc", "Width unit"}},
        {{"slab", ""}, {"lt", "Length:"}, {"lc", "Length unit"}},
        {{"footing", ""}, {"tt", "Depth:"}, {"tc", "Depth unit"}},
        {{"footing", ""}, {"lt", "Length:"}, {"lc", "Length unit"}},
        {{"circular", ""}, {"tt", "Diameter:"}, {"tc", "Diameter unit"}},
        {{"circular", ""}, {"wt", "Height:"}, {"wc", "Height unit"}},
    };
    for (const auto &row : rows) {
        for (int i = 1; i < 3; ++i)
            QTest::addRow("%s %s", row[0][0], row[i][0]) << row[0][0] << row[i][0] << row[i][1];
    }
    for (const char *command : {"slab", "footing", "circular"}) {
        for (const auto &readout : shared)
            QTest::addRow("%s %s", command, readout[0]) << command << readout[0] << readout[1];
    }
}

void TestAccessibility::names()
{
    QFETCH(QString, command);
    QFETCH(QString, control);
    QFETCH(QString, name);

    CalculatorWindow *window = openCalculator(command);
    QWidget *widget = window->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(accessibleName(widget), name);

    // A dimension's box is labelled by the row's caption; its unit box is not,
    // as a screen reader says a label in place of the name ("Thickness:" for
    // "Thickness unit").
    if (QStringList{"tt", "wt", "lt", "tc", "wc", "lc"}.contains(control)) {
        const QString caption = window->findChild<QWidget *>(control.left(1) + u't')->accessibleName();
        QStringList labels;
        for (const auto &[related, relation] : QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label))
            labels.append(related->text(QAccessible::Name));
        QCOMPARE(labels.contains(caption), control.endsWith(u't'));
    }
}

void TestAccessibility::everyFocusableControlIsNamed()
{
    startMixora();
    for (QWidget *widget : frmSplash->findChildren<QWidget *>()) {
        if (widget->focusPolicy() != Qt::NoFocus)
            QVERIFY2(!accessibleName(widget).isEmpty(), qPrintable(widget->objectName()));
    }
    for (const char *command : {"slab", "footing", "circular"}) {
        CalculatorWindow *window = openCalculator(QString::fromLatin1(command));
        for (QWidget *widget : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (widget->focusPolicy() != Qt::NoFocus)
                QVERIFY2(!accessibleName(widget).isEmpty(), qPrintable(widget->objectName()));
        }
    }
    for (QAction *action : MDIForm1->menuBar()->actions())
        QVERIFY(!action->text().isEmpty());
}

void TestAccessibility::unitBoxOffersItsUnitAndList()
{
    CalculatorWindow *window = openCalculator(QStringLiteral("slab"));
    QComboBox *box = driver::unitBox(window, "wc");
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
    QCOMPARE(accessible->role(), QAccessible::ComboBox);
    QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("Feet"));
    driver::typeUnit(window, "wc", QStringLiteral("yards"));
    QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("yards"));

    QAccessibleActionInterface *actions = accessible->actionInterface();
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    QTRY_VERIFY(box->view()->isVisible());
    box->hidePopup();
}

void TestAccessibility::pressedThroughActions()
{
    startMixora();
    // A press through the action is animated, so it lands a moment later.
    pressByAction(frmSplash->findChild<QPushButton *>("Command1"));
    QTRY_VERIFY(MDIForm1.existing());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!frmSplash.existing());

    // The menu commands are children of the menu bar's accessible object.
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(MDIForm1->menuBar());
    QAccessibleInterface *footing = nullptr;
    for (int i = 0; i < bar->childCount(); ++i) {
        if (bar->child(i)->text(QAccessible::Name) == QLatin1String("Footing"))
            footing = bar->child(i);
    }
    QVERIFY(footing);
    pressByAction(footing->object());
    QVERIFY(footingcalc.existing() && footingcalc.existing()->isVisible());
    QVERIFY(!slabcalc.existing()->isVisible());

    CalculatorWindow *window = footingcalc.existing();
    driver::type(window, "tt", QStringLiteral("4"));
    driver::type(window, "wt", QStringLiteral("10"));
    driver::type(window, "lt", QStringLiteral("10"));
    pressByAction(driver::button(window, "Command2"));
    QTRY_COMPARE(driver::readouts(window).first(), QStringLiteral("0.1"));
    pressByAction(driver::button(window, "Command1"));
    QTRY_COMPARE(driver::readouts(window).first(), QString());
}

// A screen reader reads a window of the alert role aloud as it opens.
void TestAccessibility::promptIsAnAlert()
{
    CalculatorWindow *window = openCalculator(QStringLiteral("circular"));
    QAccessible::Role role = QAccessible::NoRole;
    QStringList texts;
    m_prompts->whenOpen([&](QWidget *modal) {
        QAccessibleInterface *prompt = QAccessible::queryAccessibleInterface(modal);
        role = prompt->role();
        texts << prompt->text(QAccessible::Name) << prompt->text(QAccessible::Description);
        for (int i = 0; i < prompt->childCount(); ++i)
            texts << prompt->child(i)->text(QAccessible::Name);
    });
    driver::click(window, "Command2");

    QCOMPARE(m_prompts->takeSummaries(), QStringList{"Mixora: Please enter a number value for the Diameter."});
    QCOMPARE(role, QAccessible::AlertMessage);
    QVERIFY2(texts.contains(QStringLiteral("Please enter a number value for the Diameter.")), qPrintable(texts.join(u'|')));
}

// Modality holds back mouse and keys; presses through the accessibility bus
// must wait for the prompt just the same.
void TestAccessibility::nothingActsWhilePromptIsOpen()
{
    CalculatorWindow *window = openCalculator(QStringLiteral("circular"));
    driver::type(window, "wt", QStringLiteral("7"));
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(MDIForm1->menuBar());
    bool promptWasOpen = false;
    m_prompts->whenOpen([&](QWidget *) {
        promptWasOpen = platform::isMessageOpen();
        pressByAction(driver::button(window, "Command2"));
        pressByAction(driver::button(window, "Command1"));
        for (int i = 0; i < bar->childCount(); ++i)
            pressByAction(bar->child(i)->object());
        // The prompt stays open long enough for an animated press to land.
        QTest::qWait(500);
    });
    driver::click(window, "Command2");

    QVERIFY(promptWasOpen);
    QCOMPARE(m_prompts->takeSummaries(), QStringList{"Mixora: Please enter a number value for the Diameter."});
    QCOMPARE(qobject_cast<CalculatorWindow *>(MDIForm1->mdiArea()->activeSubWindow()->widget()), window);
    QVERIFY(!footingcalc.existing() || !footingcalc.existing()->isVisible());
    QCOMPARE(driver::dimensionTexts(window), driver::words("|7"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
