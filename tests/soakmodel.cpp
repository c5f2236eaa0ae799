#include "tests/soakmodel.h"

#include <cmath>
#include <cstdlib>

namespace {

const char *const kStartUnits[][3] = {
    {"Inches", "Feet", "Feet"},
    {"Inches", "Inches", "Feet"},
    {"Inches", "Inches", nullptr},
};

const char *const kCaptions[] = {"Slab Calculator", "Footing Calculator", "Circular Calculator"};

const char *const kFirstPrompt[] = {
    "Please enter a number value for the Thickness.",
    "Please enter a number value for the Depth.",
    "Please enter a number value for the Diameter.",
};

// The texts the soak types, and whether each is a usable number.
bool usable(const QString &text)
{
    static const QStringList numbers{"4", "10", "0.5", "-3", "1e2", " 7 ", "2.5E-1", "0", "12.25", "1e200"};
    return numbers.contains(text);
}

double feet(double value, const QString &unit)
{
    if (unit == QLatin1String("Inches"))
        return value / 12;
    if (unit == QLatin1String("Meters"))
        return value * 3.281;
    return value;
}

double inches(double value, const QString &unit)
{
    if (unit == QLatin1String("Feet"))
        return value * 12;
    if (unit == QLatin1String("Meters"))
        return value * 3.281 * 12;
    return value;
}

double hundredths(double x)
{
    return std::nearbyint(x * 100) / 100;
}

QString shown(double figure)
{
    return figure == 0 ? QStringLiteral("0") : QString::number(figure, 'g', 15);
}

} // namespace

SoakModel::SoakModel()
{
    choose(Slab);
    for (int other : {Footing, Circular})
        m_windows[other] = Window();
}

void SoakModel::create(int calculator)
{
    Window &window = m_windows[calculator];
    if (window.exists)
        return;
    window = Window();
    window.exists = true;
    for (int row = 0; row < rows(calculator); ++row) {
        window.texts.append(QString());
        window.units.append(QString::fromLatin1(kStartUnits[calculator][row]));
    }
    window.readouts = QStringList(7, QString());
    window.focus = QStringLiteral("tt");
}

// The chosen calculator comes into view maximised, whatever state it was
// left in; the others leave the area.
void SoakModel::choose(Calculator chosen)
{
    for (int calculator = 0; calculator < kCalculators; ++calculator) {
        create(calculator);
        m_windows[calculator].visible = calculator == chosen;
    }
    m_windows[chosen].state = Maximized;
}

void SoakModel::setState(State state)
{
    m_windows[visible()].state = state;
}

void SoakModel::focusOn(const QString &control)
{
    m_windows[visible()].focus = control;
}

bool SoakModel::showing(int calculator) const
{
    return m_windows[calculator].visible && m_windows[calculator].state != Minimized;
}

// A maximised calculator's caption joins the main window's title.
QString SoakModel::title() const
{
    const int shown = visible();
    if (shown < 0 || m_windows[shown].state != Maximized)
        return QStringLiteral("Mixora");
    return QStringLiteral("Mixora - [%1]").arg(QLatin1String(kCaptions[shown]));
}

void SoakModel::type(int row, const QString &text)
{
    m_windows[visible()].texts[row] = text;
}

void SoakModel::setUnit(int row, const QString &unit)
{
    m_windows[visible()].units[row] = unit;
}

QString SoakModel::calculate()
{
    Window &window = m_windows[visible()];
    for (int row = 0; row < window.texts.size(); ++row) {
        if (!usable(window.texts[row])) {
            window.texts[row].clear();
            // The prompt gives the emptied box the focus.
            window.focus = QString::fromLatin1("twl").mid(row, 1) + u't';
            if (row == 0)
                return QString::fromLatin1(kFirstPrompt[visible()]);
            const char *names[] = {"", visible() == Circular ? "Height" : "Width", "Length"};
            return QStringLiteral("Please enter a number value for the %1.").arg(QLatin1String(names[row]));
        }
    }
    const QStringList results = figures(visible());
    if (results.isEmpty())
        return QStringLiteral("The dimensions are too large to estimate.");
    window.readouts = results;
    return QString();
}

// The seven read-outs in box order yt, mt, ct, b60t, c60t, b80t, c80t, or
// nothing when a figure is not finite.
QStringList SoakModel::figures(int calculator) const
{
    const Window &window = m_windows[calculator];
    double value[3];
    for (int row = 0; row < window.texts.size(); ++row)
        value[row] = std::strtod(window.texts[row].toLatin1().constData(), nullptr);
    double volume = 0;
    if (calculator == Circular) {
        const double d = inches(value[0], window.units[0]);
        const double h = inches(value[1], window.units[1]);
        volume = d / 2 * (d / 2) * 3.142 * h * 2.14334705e-05;
    } else {
        volume = feet(value[0], window.units[0]) * feet(value[1], window.units[1])
            * feet(value[2], window.units[2]) / 27;
    }
    const double yards = hundredths(volume);
    const double bags60 = hundredths(60 * yards);
    const double bags80 = hundredths(45 * yards);
    const double all[] = {yards, hundredths(0.76 * yards), 75 * yards, bags60, 5 * bags60, bags80, 6 * bags80};
    QStringList texts;
    for (double figure : all) {
        if (!std::isfinite(figure))
            return {};
        texts.append(shown(figure));
    }
    return texts;
}

void SoakModel::clear()
{
    Window &window = m_windows[visible()];
    for (QString &text : window.texts)
        text.clear();
    window.readouts = QStringList(7, QString());
}

void SoakModel::closeVisible()
{
    m_windows[visible()] = Window();
}

int SoakModel::visible() const
{
    for (int calculator = 0; calculator < kCalculators; ++calculator) {
        if (m_windows[calculator].visible)
            return calculator;
    }
    return -1;
}
