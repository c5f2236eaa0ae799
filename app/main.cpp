#include "platform/appidentity.h"
#include "windows/calculators/circularcalculator.h"
#include "windows/calculators/rectangularcalculator.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::setUpApplication(app);

    RectangularCalculator slab(RectangularCalculator::Kind::Slab);
    RectangularCalculator footing(RectangularCalculator::Kind::Footing);
    CircularCalculator circular;
    for (QWidget *window : {static_cast<QWidget *>(&slab), static_cast<QWidget *>(&footing),
                            static_cast<QWidget *>(&circular)})
        window->show();
    return app.exec();
}
