#include "windows/shell/forms.h"

#include "windows/calculators/circularcalculator.h"
#include "windows/calculators/rectangularcalculator.h"
#include "windows/shell/mainwindow.h"
#include "windows/shell/splashwindow.h"

namespace {

template <typename Calculator, typename... Args>
std::function<CalculatorWindow *()> inMainWindow(const char *name, Args... args)
{
    return [=] {
        auto *calculator = new Calculator(args...);
        calculator->setObjectName(QString::fromLatin1(name));
        return MDIForm1->adopt(calculator);
    };
}

} // namespace

WindowInstance<SplashWindow> frmSplash([] { return new SplashWindow; });

WindowInstance<MainWindow> MDIForm1([] { return new MainWindow; }, &MainWindow::MDIForm_Load);

WindowInstance<CalculatorWindow> slabcalc(
    inMainWindow<RectangularCalculator>("slabcalc", RectangularCalculator::Kind::Slab));
WindowInstance<CalculatorWindow> footingcalc(
    inMainWindow<RectangularCalculator>("footingcalc", RectangularCalculator::Kind::Footing));
WindowInstance<CalculatorWindow> circularcalc(inMainWindow<CircularCalculator>("circularcalc"));

void startMixora()
{
    frmSplash->show();
}
