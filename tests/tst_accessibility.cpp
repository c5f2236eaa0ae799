#include "app/appsetup.h"
#include "platform/messagebox.h"
#include "tests/support/calculatordriver.h"
#include "tests/support/programwindows.h"
#include "tests/support/windowtest.h"
#include "windows/calculators/calculatorwindow.h"
#include "windows/shell/forms.h"
#include "windows/shell/mainwindow.h"
#include "windows/shell/splashwindow.h"

#include <QAccessible>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <limits>

// What a screen reader is told: the names of the boxes, the actions that
// press the buttons and menu commands, and the prompts as alerts.
class TestAccessibility : public WindowTest
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void everyFocusableControlIsNamed();
    void unitBoxOffersItsUnitAndList();
    void pressedThroughActions();
    void promptIsAnAlert();
    void nothingActsWhilePromptIsOpen();
    void untrustedCalls_data();
    void untrustedCalls();

private:
    CalculatorWindow *openCalculator(const QString &command);
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

CalculatorWindow *TestAccessibility::openCalculator(const QString &command)
{
    if (command == QLatin1String("slab"))
        MDIForm1->slab_Click();
    else if (command == QLatin1String("footing"))
        MDIForm1->footing_Click();
    else
        MDIForm1->circular_Click();
    return qobject_cast<CalculatorWindow *>(calculatorArea()->activeSubWindow()->widget());
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
    prompts().whenOpen([&](QWidget *modal) {
        QAccessibleInterface *prompt = QAccessible::queryAccessibleInterface(modal);
        role = prompt->role();
        texts << prompt->text(QAccessible::Name) << prompt->text(QAccessible::Description);
        for (int i = 0; i < prompt->childCount(); ++i)
            texts << prompt->child(i)->text(QAccessible::Name);
    });
    driver::click(window, "Command2");

    QCOMPARE(prompts().takeSummaries(), QStringList{"Mixora: Please enter a number value for the Diameter."});
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
    QSignalSpy calculateClicked(driver::button(window, "Command2"), &QAbstractButton::clicked);
    QSignalSpy clearClicked(driver::button(window, "Command1"), &QAbstractButton::clicked);
    prompts().whenOpen([&](QWidget *) {
        promptWasOpen = platform::isMessageOpen();
        calculateClicked.clear();
        pressByAction(driver::button(window, "Command2"));
        pressByAction(driver::button(window, "Command1"));
        for (int i = 0; i < bar->childCount(); ++i)
            pressByAction(bar->child(i)->object());
        // A press is an animated click, which lands later: the prompt stays
        // open until both have.
        QTRY_COMPARE(calculateClicked.count(), 1);
        QTRY_COMPARE(clearClicked.count(), 1);
    });
    driver::click(window, "Command2");

    QVERIFY(promptWasOpen);
    QCOMPARE(prompts().takeSummaries(), QStringList{"Mixora: Please enter a number value for the Diameter."});
    QCOMPARE(qobject_cast<CalculatorWindow *>(calculatorArea()->activeSubWindow()->widget()), window);
    QVERIFY(!footingcalc.existing() || !footingcalc.existing()->isVisible());
    QCOMPARE(driver::dimensionTexts(window), driver::words("|7"));
}

// What a client sends through the program's own interfaces: to a box,
// offsets out of the text, backwards or huge, and edits while a prompt is
// open; to a unit box, unknown actions and children; to the area and a
// child window, children. None may change
// anything, or reach past what there is (the sanitizers watch). The box
// holds "12345", the cursor after "12"; the result is the text, the cursor,
// the selection and what a reading call returned. The unit box holds
// "Feet"; the result is its text, whether its list is open, and what the
// call returned.
void TestAccessibility::untrustedCalls_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<bool>("duringPrompt");
    QTest::addColumn<QString>("result");

    constexpr int huge = std::numeric_limits<int>::max();
    constexpr int least = std::numeric_limits<int>::min();
    const QString untouched = QStringLiteral("12345, cursor 2, selected \"\", returned \"\"");
    const struct
    {
        const char *name;
        const char *call;
        int start;
        int end;
    } changeNothing[] = {
        {"delete backwards", "delete", 3, 1}, {"delete to a negative end", "delete", 0, -4000},
        {"delete from a negative start", "delete", -1, 2}, {"delete past the end", "delete", 2, 6},
        {"delete a huge range", "delete", 0, huge}, {"delete the widest range", "delete", least, huge},
        {"insert before the start", "insert", -1, -1}, {"insert past the end", "insert", 6, 6},
        {"insert far past the end", "insert", huge, huge}, {"replace backwards", "replace", 3, 1},
        {"replace past the end", "replace", 4, 9}, {"replace from a negative start", "replace", least, 2},
        {"select backwards", "select", 3, 1}, {"select past the end", "select", 0, 6},
        {"select from a negative start", "select", -2, 2}, {"select the widest range", "select", least, huge},
        {"add a selection backwards", "addSelection", 5, 0}, {"cursor before the start", "cursor", -1, 0},
        {"cursor past the end", "cursor", 6, 0}, {"cursor far out", "cursor", least, 0},
        {"scroll to a backwards range", "scroll", 4, 1}, {"scroll past the end", "scroll", 0, huge},
        {"read backwards", "read", 4, 1}, {"read the widest range", "read", least, huge},
        {"character before the start", "rect", -1, 0}, {"character at the end", "rect", 5, 0},
        {"character far out", "rect", huge, 0}, {"an unknown action", "action", 0, 0},
    };
    for (const auto &row : changeNothing)
        QTest::newRow(row.name) << row.call << row.start << row.end << false << untouched;
    for (const char *call : {"setText", "delete", "insert", "replace", "select", "cursor"})
        QTest::addRow("%s while a prompt is open", call) << call << 0 << 5 << true << untouched;
    // What a client may do, it can.
    QTest::newRow("delete within") << "delete" << 1 << 3 << false << "145, cursor 3, selected \"\", returned \"\"";
    QTest::newRow("insert at the end") << "insert" << 5 << 5 << false
                                       << "12345x, cursor 6, selected \"\", returned \"\"";
    QTest::newRow("read within") << "read" << 1 << 3 << false << "12345, cursor 2, selected \"\", returned \"23\"";

    const QString unitUntouched = QStringLiteral("Feet, list closed, returned \"\"");
    QTest::newRow("unit box: an unknown action") << "unit action" << 0 << 0 << false << unitUntouched;
    QTest::newRow("unit box: no action name") << "unit noAction" << 0 << 0 << false << unitUntouched;
    QTest::newRow("unit box: its list while a prompt is open") << "unit showMenu" << 0 << 0 << true << unitUntouched;
    QTest::newRow("unit box: a child before the first") << "unit child" << -1 << 0 << false << unitUntouched;
    QTest::newRow("unit box: a child past the last") << "unit child" << 2 << 0 << false << unitUntouched;
    QTest::newRow("unit box: a child far out") << "unit child" << huge << 0 << false << unitUntouched;
    QTest::newRow("unit box: the index of no child") << "unit index" << 0 << 0 << false
                                                     << "Feet, list closed, returned \"-1\"";
    QTest::newRow("area: a child before the first") << "area child" << -1 << 0 << false << unitUntouched;
    QTest::newRow("area: a child far out") << "area child" << huge << 0 << false << unitUntouched;
    QTest::newRow("area: the index of no child") << "area index" << 0 << 0 << false
                                                 << "Feet, list closed, returned \"-1\"";
    QTest::newRow("child window: a child before the first") << "window child" << -1 << 0 << false << unitUntouched;
    QTest::newRow("child window: a child past the last") << "window child" << 1 << 0 << false << unitUntouched;
    QTest::newRow("child window: the index of no child") << "window index" << 0 << 0 << false
                                                         << "Feet, list closed, returned \"-1\"";
}

// Sends a call to the unit box's, the area's or the child window's
// interface; returns what it returned.
static QString sendToContainer(QAccessibleInterface *box, const QString &call, int index)
{
    if (call == QLatin1String("unit action"))
        box->actionInterface()->doAction(QStringLiteral("no such action"));
    else if (call == QLatin1String("unit noAction"))
        box->actionInterface()->doAction(QString());
    else if (call == QLatin1String("unit showMenu"))
        box->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    else if (call.endsWith(QLatin1String(" child")))
        return box->child(index) ? QStringLiteral("a child") : QString();
    else if (call.endsWith(QLatin1String(" index")))
        return QString::number(box->indexOfChild(nullptr));
    return QString();
}

// Sends a call to a box's text interfaces; returns what it returned.
static QString sendToBox(QAccessibleInterface *box, const QString &call, int start, int end)
{
    QAccessibleTextInterface *text = box->textInterface();
    QAccessibleEditableTextInterface *editable = box->editableTextInterface();
    if (call == QLatin1String("setText"))
        box->setText(QAccessible::Value, QStringLiteral("x"));
    else if (call == QLatin1String("delete"))
        editable->deleteText(start, end);
    else if (call == QLatin1String("insert"))
        editable->insertText(start, QStringLiteral("x"));
    else if (call == QLatin1String("replace"))
        editable->replaceText(start, end, QStringLiteral("x"));
    else if (call == QLatin1String("select"))
        text->setSelection(0, start, end);
    else if (call == QLatin1String("addSelection"))
        text->addSelection(start, end);
    else if (call == QLatin1String("cursor"))
        text->setCursorPosition(start == 0 ? end : start);
    else if (call == QLatin1String("scroll"))
        text->scrollToSubstring(start, end);
    else if (call == QLatin1String("read"))
        return text->text(start, end);
    else if (call == QLatin1String("rect"))
        return text->characterRect(start).isValid() ? QStringLiteral("a rectangle") : QString();
    else
        box->actionInterface()->doAction(QStringLiteral("no such action"));
    return QString();
}

void TestAccessibility::untrustedCalls()
{
    QFETCH(QString, call);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(bool, duringPrompt);
    QFETCH(QString, result);

    CalculatorWindow *window = openCalculator(QStringLiteral("slab"));
    QLineEdit *edit = driver::textBox(window, "wt");
    edit->setText(QStringLiteral("12345"));
    edit->setCursorPosition(2);
    QComboBox *unitBox = driver::unitBox(window, "wc");
    QWidget *target = edit;
    if (call.startsWith(QLatin1String("unit")))
        target = unitBox;
    else if (call.startsWith(QLatin1String("area")))
        target = calculatorArea();
    else if (call.startsWith(QLatin1String("window")))
        target = qobject_cast<QMdiSubWindow *>(window->parentWidget());
    QVERIFY(target);
    const bool toContainer = target != edit;
#if !defined(Q_OS_LINUX) || QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (!toContainer)
        QSKIP("Qt's own interface serves the boxes here");
#endif
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(target);
    QVERIFY(toContainer ? target != unitBox || accessible->actionInterface()
                        : accessible->textInterface() && accessible->editableTextInterface());

    QString returned;
    const auto send = [&] {
        returned = toContainer ? sendToContainer(accessible, call, start) : sendToBox(accessible, call, start, end);
    };
    if (duringPrompt) {
        driver::type(window, "tt", QString());
        prompts().whenOpen([&](QWidget *) { send(); });
        driver::click(window, "Command2");
        QCOMPARE(prompts().takeSummaries(), QStringList{"Mixora: Please enter a number value for the Thickness."});
    } else {
        send();
    }
    if (toContainer) {
        QCOMPARE(QStringLiteral("%1, list %2, returned \"%3\"")
                     .arg(unitBox->currentText(), unitBox->view()->isVisible() ? "open" : "closed", returned),
                 result);
        return;
    }
    QCOMPARE(QStringLiteral("%1, cursor %2, selected \"%3\", returned \"%4\"")
                 .arg(edit->text())
                 .arg(edit->cursorPosition())
                 .arg(edit->selectedText(), returned),
             result);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
