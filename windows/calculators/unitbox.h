#pragma once

#include <QComboBox>

class QLabel;

// The unit box beside a dimension: an editable drop-down list of the unit
// names that keeps whatever text the user types. A screen reader hears it
// named for its dimension ("Width unit"), with its unit.
class UnitBox : public QComboBox
{
    Q_OBJECT

public:
    UnitBox(const QString &startUnit, const QLabel *dimensionLabel, QWidget *parent);
};
