// Micro-benchmarks of the estimation core and of one Calculate press on each
// calculator, from the click to the last read-out written. Run by hand:
// build/bench/mixora_corebench (QT_QPA_PLATFORM=offscreen).
#include "core/entry.h"
#include "core/estimate.h"
#include "core/units.h"
#include "app/appsetup.h"
#include "windows/calculators/circularcalculator.h"
#include "windows/calculators/rectangularcalculator.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

class CoreBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void usableEntry();
    void parseEntry();
    void formatResult();
    void wholeEstimate();
    void calculatePress_data();
    void calculatePress();
};

void CoreBench::initTestCase()
{
    setUpApplication(*qApp);
    QLocale::setDefault(QLocale::c());
}

void CoreBench::usableEntry()
{
    const QString text = QStringLiteral(" 12.25 ");
    bool usable = false;
    QBENCHMARK {
        usable = mixora::IsUsableEntry(text);
    }
    QVERIFY(usable);
}

void CoreBench::parseEntry()
{
    const QString text = QStringLiteral("2.5E-1");
    double value = 0;
    QBENCHMARK {
        value = mixora::ParseEntry(text);
    }
    QCOMPARE(value, 0.25);
}

void CoreBench::formatResult()
{
    QString text;
    QBENCHMARK {
        text = mixora::FormatResult(2999.7);
    }
    QCOMPARE(text, QStringLiteral("2999.7"));
}

// Texts in, seven texts out, as one Calculate does it.
void CoreBench::wholeEstimate()
{
    const QString texts[] = {QStringLiteral("4"), QStringLiteral("10"), QStringLiteral("10")};
    const QString units[] = {mixora::kInches, mixora::kFeet, mixora::kFeet};
    QString last;
    QBENCHMARK {
        double feet[3];
        for (int i = 0; i < 3; ++i) {
            if (!mixora::IsUsableEntry(texts[i]))
                QFAIL("unusable");
            feet[i] = mixora::ToFeet(mixora::ParseEntry(texts[i]), units[i]);
        }
        const mixora::Estimate e = mixora::EstimateFromVolume(mixora::RectangularYards(feet[0], feet[1], feet[2]));
        for (double figure : {e.Yards, e.Meters, e.Cost, e.Bags60, e.Cost60, e.Bags80, e.Cost80})
            last = mixora::FormatResult(figure);
    }
    QCOMPARE(last, QStringLiteral("332.1"));
}

void CoreBench::calculatePress_data()
{
    QTest::addColumn<int>("calculator");
    QTest::newRow("slab") << 0;
    QTest::newRow("footing") << 1;
    QTest::newRow("circular") << 2;
}

void CoreBench::calculatePress()
{
    QFETCH(int, calculator);
    std::unique_ptr<CalculatorWindow> window;
    if (calculator == 2)
        window = std::make_unique<CircularCalculator>();
    else
        window = std::make_unique<RectangularCalculator>(calculator == 0 ? RectangularCalculator::Kind::Slab
                                                                         : RectangularCalculator::Kind::Footing);
    window->show();
    for (const char *name : {"tt", "wt", "lt"}) {
        if (auto *box = window->findChild<QLineEdit *>(QString::fromLatin1(name)))
            box->setText(QStringLiteral("10"));
    }
    auto *calculate = window->findChild<QPushButton *>(QStringLiteral("Command2"));
    QBENCHMARK {
        QTest::mouseClick(calculate, Qt::LeftButton);
    }
    QVERIFY(!window->findChild<QLineEdit *>(QStringLiteral("c80t"))->text().isEmpty());
}

QTEST_MAIN(CoreBench)
#include "corebench.moc"
