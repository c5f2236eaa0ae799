#include "windows/calculators/calculatorwindow.h"

#include "core/entry.h"
#include "core/estimate.h"
#include "platform/accessibility/accessibility.h"
#include "platform/messagebox.h"
#include "platform/twips.h"
#include "windows/calculators/readoutbox.h"
#include "windows/calculators/unitbox.h"
#include "windows/design.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPointer>
#include <QStyle>

#include <limits>
#include <utility>

namespace twips = platform::twips;

namespace {

constexpr int kRowTop = 600;
constexpr int kRowPitch = 480;

// Read-outs in focus order; each is named for the figure it shows, and the
// heading above it, if any, is its label.
struct Readout
{
    const char *name;
    QRect box; // twips
    const char *accessibleName;
    const char *heading;
    double mixora::Estimate::*figure;
};

const Readout kReadouts[] = {
    {"yt", {1920, 3480, 975, 375}, QT_TR_NOOP("Cubic Yards"), "Label5", &mixora::Estimate::Yards},
    {"ct", {3240, 3480, 1095, 375}, QT_TR_NOOP("Estimated Cost ($)"), "Label4", &mixora::Estimate::Cost},
    {"mt", {600, 3480, 975, 375}, QT_TR_NOOP("Cubic Meters"), "Label6", &mixora::Estimate::Meters},
    {"b60t", {2040, 4560, 975, 375}, QT_TR_NOOP("60lb bags"), "Label7", &mixora::Estimate::Bags60},
    {"b80t", {3360, 4560, 975, 375}, QT_TR_NOOP("80lb bags"), "Label8", &mixora::Estimate::Bags80},
    {"c60t", {2040, 5160, 975, 375}, QT_TR_NOOP("Cost of 60lb bags"), nullptr, &mixora::Estimate::Cost60},
    {"c80t", {3360, 5160, 975, 375}, QT_TR_NOOP("Cost of 80lb bags"), nullptr, &mixora::Estimate::Cost80},
};

struct Caption
{
    const char *name;
    const char *text;
    QRect box; // twips
    bool twoLines = false;
};

const Caption kResultCaptions[] = {
    {"Label4", QT_TR_NOOP("Estimated Cost ($):"), {3120, 3120, 1335, 255}},
    {"Label5", QT_TR_NOOP("Cubic Yards"), {2040, 3120, 975, 255}},
    {"Label6", QT_TR_NOOP("Cubic Meters"), {600, 3120, 975, 255}},
    {"Label7", QT_TR_NOOP("60lb bags"), {2160, 4200, 735, 255}},
    {"Label8", QT_TR_NOOP("80lb bags"), {3480, 4200, 735, 255}},
    {"Label9", QT_TR_NOOP("No. of Pre-Mix Concrete Bags :"), {360, 4440, 1335, 495}, true},
    {"Label10", QT_TR_NOOP("Estimated Cost ($):"), {360, 5160, 1335, 255}},
};

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &pixels)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(pixels);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

template <typename Box = QLineEdit>
Box *addTextBox(QWidget *parent, const QString &name, const QRect &pixels)
{
    auto *box = new Box(parent);
    box->setObjectName(name);
    box->setGeometry(pixels);
    return box;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &text, const QRect &pixels)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(pixels);
    // Enter in a box must press nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

CalculatorWindow::CalculatorWindow(const Design &design, QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(design.caption);
    setFont(dialogFont());
    m_designedSize = twips::size(design.client.width(), design.client.height());
    resize(m_designedSize);

    buildHeading(design);
    buildRows(design.rows);
    buildButtons();
    buildReadouts();
    setFocusOrder();
    // Any smaller and controls would be cut off; the main window scrolls instead.
    const QRect controls = childrenRect();
    setMinimumSize(controls.right() + 1, controls.bottom() + 1);
    m_rows.constFirst().text->setFocus();
}

QSize CalculatorWindow::sizeHint() const
{
    return m_designedSize;
}

void CalculatorWindow::buildHeading(const Design &design)
{
    auto *heading = addLabel(this, QStringLiteral("Label11"), design.heading,
                             twips::rect(design.headingLeft, 120, design.headingWidth, 375));
    QFont font = designFont(12, true);
    font.setUnderline(true);
    heading->setFont(font);
}

void CalculatorWindow::buildRows(const QList<Row> &rows)
{
    int top = kRowTop;
    int number = 1;
    for (const Row &row : rows) {
        const QString letter(QChar::fromLatin1(row.letter));
        QLabel *label = addLabel(this, QStringLiteral("Label%1").arg(number++), row.caption,
                                 twips::rect(720, top, row.labelWidth, 255));
        auto *text = addTextBox(this, letter + u't', twips::rect(1800, top, 1215, 285));
        // A line edit cuts a longer paste without a word, and the cut text
        // could read as another number; this box holds the whole of it.
        text->setMaxLength(std::numeric_limits<int>::max());
        auto *unit = new UnitBox(row.startUnit, label, this);
        unit->setObjectName(letter + u'c');
        unit->setGeometry(twips::rect(3480, top, 975, 315));
        // A screen reader names the box after the row's caption.
        label->setBuddy(text);
        text->setAccessibleName(row.caption);
        m_rows.append({text, unit, row.prompt});
        top += kRowPitch;
    }
}

void CalculatorWindow::buildButtons()
{
    m_clear = addButton(this, QStringLiteral("Command1"), tr("Clear"), twips::rect(1440, 2280, 1215, 375));
    m_calculate = addButton(this, QStringLiteral("Command2"), tr("Calculate"),
                            twips::rect(3120, 2280, 1095, 375));
    connect(m_clear, &QPushButton::clicked, this, &CalculatorWindow::Command1_Click);
    connect(m_calculate, &QPushButton::clicked, this, &CalculatorWindow::Command2_Click);
}

void CalculatorWindow::buildReadouts()
{
    for (const Caption &caption : kResultCaptions) {
        auto *label = addLabel(this, QString::fromLatin1(caption.name), tr(caption.text), twips::rect(caption.box));
        label->setWordWrap(caption.twoLines);
    }
    for (const Readout &readout : kReadouts) {
        auto *box = addTextBox<ReadoutBox>(this, QString::fromLatin1(readout.name), twips::rect(readout.box));
        box->setAccessibleName(tr(readout.accessibleName));
        // Left by the window's direction, not the figure's: a negative figure
        // in some locales starts with a right-to-left mark.
        box->setAlignment(QStyle::visualAlignment(box->layoutDirection(), Qt::AlignLeft) | Qt::AlignAbsolute
                          | Qt::AlignVCenter);
        if (readout.heading)
            findChild<QLabel *>(QString::fromLatin1(readout.heading))->setBuddy(box);
        m_readouts.append(box);
    }
}

QList<QWidget *> CalculatorWindow::focusOrder() const
{
    QList<QWidget *> order;
    for (const DimensionRow &row : m_rows)
        order.append(row.text);
    for (const DimensionRow &row : m_rows)
        order.append(row.unit);
    order << m_clear << m_calculate;
    for (QLineEdit *readout : m_readouts)
        order.append(readout);
    return order;
}

void CalculatorWindow::setFocusOrder()
{
    const QList<QWidget *> order = focusOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// Tab past the last read-out goes straight back to the first box. Left to
// the child window, the focus would pass through the child window itself,
// whose focus a screen reader announces after the box's.
bool CalculatorWindow::focusNextPrevChild(bool next)
{
    const QList<QWidget *> order = focusOrder();
    QWidget *focus = focusWidget();
    // A unit box's focus is its line edit's.
    if (focus && !order.contains(focus) && order.contains(focus->parentWidget()))
        focus = focus->parentWidget();
    if (focus == (next ? order.constLast() : order.constFirst())) {
        (next ? order.constFirst() : order.constLast())->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void CalculatorWindow::Command1_Click()
{
    if (platform::isMessageOpen())
        return;
    for (const DimensionRow &row : std::as_const(m_rows))
        row.text->setText(QString());
    for (QLineEdit *readout : std::as_const(m_readouts))
        readout->setText(QString());
}

void CalculatorWindow::Command2_Click()
{
    if (platform::isMessageOpen())
        return;
    if (!checkEntries())
        return;

    QList<double> values;
    QStringList units;
    for (const DimensionRow &row : std::as_const(m_rows)) {
        values.append(mixora::ParseEntry(row.text->text()));
        units.append(row.unit->currentText());
    }
    const mixora::Estimate estimate = mixora::EstimateFromVolume(volumeYards(values, units));
    if (!estimate.isFinite()) {
        platform::showMessage(this, tr("The dimensions are too large to estimate."));
        return;
    }
    showEstimate(estimate);
}

// Prompts for the first unusable dimension, then empties and focuses its box.
bool CalculatorWindow::checkEntries()
{
    for (const DimensionRow &row : std::as_const(m_rows)) {
        if (mixora::IsUsableEntry(row.text->text()))
            continue;
        // The window may be gone by the time the prompt returns.
        QPointer<QLineEdit> box = row.text;
        platform::showMessage(this, row.prompt);
        if (box) {
            box->setText(QString());
            box->setFocus();
        }
        return false;
    }
    return true;
}

void CalculatorWindow::showEstimate(const mixora::Estimate &estimate)
{
    QStringList spoken;
    for (qsizetype i = 0; i < m_readouts.size(); ++i) {
        QLineEdit *box = m_readouts[i];
        box->setText(mixora::FormatResult(estimate.*kReadouts[i].figure));
        // With the focus, a figure too long for its box shows its start.
        box->setCursorPosition(0);
        spoken.append(tr("%1 %2").arg(box->accessibleName(), box->text()));
    }
    // A screen reader user hears the figures without leaving Calculate.
    platform::accessibility::announce(m_calculate, spoken.join(QStringLiteral(", ")));
}
