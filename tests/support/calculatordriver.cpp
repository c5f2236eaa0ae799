#include "tests/support/calculatordriver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace driver {

QStringList words(const char *list)
{
    return QString::fromUtf8(list).split(u'|');
}

QLineEdit *textBox(QWidget *window, const char *name)
{
    auto *box = window->findChild<QLineEdit *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (!box)
        qFatal("no text box %s", name);
    return box;
}

QComboBox *unitBox(QWidget *window, const char *name)
{
    auto *box = window->findChild<QComboBox *>(QString::fromLatin1(name));
    if (!box)
        qFatal("no unit box %s", name);
    return box;
}

QPushButton *button(QWidget *window, const char *name)
{
    auto *button = window->findChild<QPushButton *>(QString::fromLatin1(name));
    if (!button)
        qFatal("no button %s", name);
    return button;
}

static void replaceText(QWidget *box, const QString &text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void type(QWidget *window, const char *name, const QString &text)
{
    replaceText(textBox(window, name), text);
}

void typeUnit(QWidget *window, const char *name, const QString &text)
{
    QComboBox *box = unitBox(window, name);
    replaceText(box->lineEdit(), text);
    // Leaving the box is where a completion would have taken hold.
    QTest::keyClick(box->lineEdit(), Qt::Key_Tab);
}

void pickUnit(QWidget *window, const char *name, int index)
{
    QComboBox *box = unitBox(window, name);
    box->showPopup();
    QAbstractItemView *list = box->view();
    const QRect item = list->visualRect(list->model()->index(index, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
}

void click(QWidget *window, const char *name)
{
    QTest::mouseClick(button(window, name), Qt::LeftButton);
}

static const char *const kDimensionBoxes[] = {"tt", "wt", "lt"};
static const char *const kUnitBoxes[] = {"tc", "wc", "lc"};

void calculate(QWidget *window, const QStringList &texts, const QStringList &units)
{
    for (int i = 0; i < texts.size(); ++i)
        type(window, kDimensionBoxes[i], texts[i]);
    for (int i = 0; i < units.size(); ++i) {
        if (!units[i].isEmpty())
            typeUnit(window, kUnitBoxes[i], units[i]);
    }
    click(window, "Command2");
}

QStringList dimensionTexts(QWidget *window)
{
    QStringList texts;
    for (const char *name : kDimensionBoxes) {
        if (auto *box = window->findChild<QLineEdit *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly))
            texts.append(box->text());
    }
    return texts;
}

QStringList unitTexts(QWidget *window)
{
    QStringList texts;
    for (const char *name : kUnitBoxes) {
        if (auto *box = window->findChild<QComboBox *>(QString::fromLatin1(name)))
            texts.append(box->currentText());
    }
    return texts;
}

QStringList readouts(QWidget *window)
{
    QStringList texts;
    for (const char *name : {"yt", "mt", "ct", "b60t", "c60t", "b80t", "c80t"})
        texts.append(textBox(window, name)->text());
    return texts;
}

QString focusName(QWidget *window)
{
    QWidget *focus = window->focusWidget();
    if (!focus)
        return QString();
    // A unit box's line edit stands for its box.
    if (auto *combo = qobject_cast<QComboBox *>(focus->parentWidget()); combo && combo->lineEdit() == focus)
        return combo->objectName();
    return focus->objectName();
}

} // namespace driver

namespace driver {

void closeMaximizedChild(QMainWindow *mainWindow)
{
    // A maximised child's buttons sit in the menu bar's corner, close rightmost.
    QWidget *buttons = mainWindow->menuBar()->cornerWidget(Qt::TopRightCorner);
    if (!buttons)
        qFatal("no maximised child window");
    QTest::mouseClick(buttons, Qt::LeftButton, {}, QPoint(buttons->width() - 6, buttons->height() / 2));
}

static bool fits(const QFontMetrics &metrics, const QString &text, const QSize &box, bool wrap)
{
    if (wrap) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 10000), Qt::TextWordWrap, text);
        return needed.width() <= box.width() && needed.height() <= box.height();
    }
    return metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height();
}

QStringList captionsThatDoNotFit(QWidget *window)
{
    QStringList cut;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!fits(label->fontMetrics(), label->text(), label->size(), label->wordWrap()))
            cut.append(label->objectName());
    }
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        // Leave room for the button's bevel on each side.
        const QSize inside = button->size() - QSize(8, 4);
        if (!fits(button->fontMetrics(), button->text(), inside, false))
            cut.append(button->objectName());
    }
    return cut;
}

} // namespace driver
