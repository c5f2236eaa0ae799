#include "windows/calculators/unitbox.h"

#include "core/units.h"
#include "platform/messagebox.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

#include <limits>

namespace {

// Qt 6.4 names an editable combo box after its text on Linux; this one keeps
// its own name, offers the unit as its value and is labelled by the row.
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

    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto related = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Label) && unitBox()->dimensionLabel())
            related.append({QAccessible::queryAccessibleInterface(unitBox()->dimensionLabel()), QAccessible::Label});
        return related;
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

UnitBox::UnitBox(const QString &startUnit, QLabel *dimensionLabel, QWidget *parent)
    : QComboBox(parent)
    , m_dimensionLabel(dimensionLabel)
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
}
