#include "windows/calculators/unitbox.h"

#include "core/units.h"
#include "platform/announcer.h"
#include "platform/messagebox.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

#include <limits>

namespace {

// Qt 6.4 names an editable combo box after its text on Linux; this one keeps
// its own name ("Width unit") and offers the unit as its value. Its children
// are the list and the text, as in Qt's own: a screen reader ignores a list
// whose parent does not count it among its children.
class UnitBoxAccessible : public QAccessibleWidget
{
public:
    explicit UnitBoxAccessible(UnitBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return unitBox()->currentText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return 2; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(unitBox()->view());
        if (index == 1)
            return QAccessible::queryAccessibleInterface(unitBox()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child->object() == unitBox()->view())
            return 0;
        if (child->object() == unitBox()->lineEdit())
            return 1;
        return -1;
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }

    void doAction(const QString &action) override
    {
        if (action == showMenuAction()) {
            if (!platform::isMessageOpen())
                unitBox()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    UnitBox *unitBox() const { return static_cast<UnitBox *>(widget()); }
};

QAccessibleInterface *accessibleUnitBox(const QString &, QObject *object)
{
    if (auto *box = qobject_cast<UnitBox *>(object))
        return new UnitBoxAccessible(box);
    return nullptr;
}

} // namespace

UnitBox::UnitBox(const QString &startUnit, const QLabel *dimensionLabel, QWidget *parent)
    : QComboBox(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleUnitBox), true);
    Q_UNUSED(factoryInstalled);

    setEditable(true);
    addItems(mixora::UnitNames());
    // Typed texts stay as typed: no new list items, and no completion, which
    // would turn "Me" into "Meters" or "inches" into "Inches" and convert a
    // value the user never meant to convert. Names are picked from the list.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    setCurrentIndex(findText(startUnit));

    QString dimension = dimensionLabel->text();
    dimension.remove(u':');
    setAccessibleName(tr("%1 unit").arg(dimension));
    lineEdit()->setAccessibleName(accessibleName());
    connect(this, &QComboBox::currentIndexChanged, this, &UnitBox::announceUnit);
}

// A unit picked with Up or Down while the list is closed. Qt 6.8 reports it
// as the box's change of selection, which Orca 48 leaves to the box's text
// to tell and the text's changes, not being the focus, go unspoken; Qt 6.4
// and Orca 43 say it already.
void UnitBox::announceUnit()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (hasFocus() && !view()->isVisible())
        platform::announce(this, currentText());
#endif
}
