#include "windows/calculators/unitbox.h"

#include "core/units.h"

#include <QLabel>
#include <QLineEdit>

#include <limits>

UnitBox::UnitBox(const QString &startUnit, const QLabel *dimensionLabel, QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    addItems(mixora::UnitNames());
    // Typed texts stay as typed: no new list items, and no completion, which
    // would turn "Me" into "Meters" or "inches" into "Inches" and convert a
    // value the user never meant to convert. Names are picked from the list.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    setCurrentIndex(findText(startUnit));

    // A screen reader names the box for its dimension ("Width unit").
    QString dimension = dimensionLabel->text();
    dimension.remove(u':');
    setAccessibleName(tr("%1 unit").arg(dimension));
    lineEdit()->setAccessibleName(accessibleName());
}
