#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace mixora {
struct Estimate;
}

// What every calculator shares: labelled dimension rows with their unit
// boxes, Clear and Calculate, and the seven read-outs with their headings.
// A subclass names the rows and turns their values into a volume.
class CalculatorWindow : public QWidget
{
    Q_OBJECT

public:
    // A dimension row; its boxes are named after the row letter ("tt", "tc").
    struct Row
    {
        char letter;
        QString caption;
        int labelWidth; // twips
        QString startUnit;
        QString prompt;
    };

    // Everything that tells one calculator from another.
    struct Design
    {
        QString caption;
        QString heading;
        int headingLeft; // twips
        int headingWidth; // twips
        QSize client; // twips
        QList<Row> rows;
    };

    // The designed client size; the window may be squeezed down to what
    // holds its controls.
    QSize sizeHint() const override;

    // Clear: empties the dimension and read-out boxes, keeps the units.
    void Command1_Click();
    // Calculate: checks the dimensions in order, then fills the read-outs.
    void Command2_Click();

protected:
    CalculatorWindow(const Design &design, QWidget *parent);

    bool focusNextPrevChild(bool next) override;

    // Unrounded cubic yards from the row values and unit texts, in row order.
    virtual double volumeYards(const QList<double> &values, const QStringList &units) const = 0;

private:
    struct DimensionRow
    {
        QLineEdit *text;
        QComboBox *unit;
        QString prompt;
    };

    void buildHeading(const Design &design);
    void buildRows(const QList<Row> &rows);
    void buildButtons();
    void buildReadouts();
    QList<QWidget *> focusOrder() const;
    void setFocusOrder();
    bool checkEntries();
    void showEstimate(const mixora::Estimate &estimate);

    QList<DimensionRow> m_rows;
    QPushButton *m_clear = nullptr;
    QPushButton *m_calculate = nullptr;
    QList<QLineEdit *> m_readouts; // in focus order
    QSize m_designedSize;
};
