#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPointer>

// The unit box beside a dimension: an editable drop-down list of the unit
// names that keeps whatever text the user types. A screen reader hears it
// named for its dimension ("Width unit") and labelled by the dimension's
// caption.
class UnitBox : public QComboBox
{
    Q_OBJECT

public:
    UnitBox(const QString &startUnit, QLabel *dimensionLabel, QWidget *parent);

    QLabel *dimensionLabel() const { return m_dimensionLabel; }

private:
    QPointer<QLabel> m_dimensionLabel;
};
