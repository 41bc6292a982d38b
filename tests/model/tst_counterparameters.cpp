// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "model/counterparameters.h"
#include "model/oscillatortiming.h"
#include "model/timetext.h"

#include <QRandomGenerator>
#include <QTest>

class TestCounterParameters : public QObject
{
    Q_OBJECT

private slots:
    void readsProperty();
    void loadsTimes_data();
    void loadsTimes();
    void oscillatorFormFromFrequency();
    void oscillatorFormRoundTrip();
    void randomValuesRoundTrip();
};

void TestCounterParameters::readsProperty()
{
    const QString property = QStringLiteral("Mode=9 MainCnt=500nsec SubCnt=0.5usec Disp=DutyMHz");
    const auto parameters = CounterParameters::fromProperty(property);
    QCOMPARE(parameters.mode(), 9);
    QCOMPARE(parameters.mainSteps(), 100u);
    QCOMPARE(parameters.subSteps(), 100u);
    QCOMPARE(parameters.disp(), QStringLiteral("DutyMHz"));
    QVERIFY(!parameters.takesInput());
    QCOMPARE(parameters.toProperty(), property);

    const auto empty = CounterParameters::fromProperty(QString());
    QCOMPARE(empty.mode(), 0);
    QVERIFY(empty.subCount().isEmpty());
    QCOMPARE(CounterParameters::fromProperty(QStringLiteral("Mode=x")).mode(), 0);
}

void TestCounterParameters::loadsTimes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("unit");
    QTest::newRow("microseconds") << "1.5usec" << 1.5 << "usec";
    QTest::newRow("bare steps") << "20" << 100.0 << "nsec";
    QTest::newRow("seconds") << "21sec" << 21.0 << "sec";
    QTest::newRow("milliseconds, not seconds") << "3msec" << 3.0 << "msec";
    QTest::newRow("nanoseconds") << "100nsec" << 100.0 << "nsec";
    QTest::newRow("empty") << "" << 0.0 << "nsec";
    QTest::newRow("unit alone is a step count") << "sec" << 0.0 << "nsec";
}

void TestCounterParameters::loadsTimes()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QFETCH(QString, unit);
    const CounterParameters::Time time = CounterParameters::loadTime(text);
    QCOMPARE(time.number, number);
    QCOMPARE(time.unit, unit);
}




void TestCounterParameters::oscillatorFormFromFrequency()
{
    const qint64 period = OscillatorTiming::periodFromFrequency(1e6);
    QCOMPARE(period, 1000);
    const qint64 high = OscillatorTiming::trueWidthFromDuty(50, period);
    QCOMPARE(high, 500);
    QCOMPARE(period - high, 500);
    QCOMPARE(OscillatorTiming::dutyPercent(500, 0), 100.0);
    QCOMPARE(OscillatorTiming::frequencyHz(500, 0), 2e6);
}

// Widths → frequency and duty → widths gives the widths back.
void TestCounterParameters::oscillatorFormRoundTrip()
{
    QRandomGenerator random(12);
    for (int i = 0; i < 500; ++i) {
        const double high = 5.0 * random.bounded(1, 2000);
        const double low = 5.0 * random.bounded(1, 2000);
        const double frequency = OscillatorTiming::frequencyHz(high, low);
        const double duty = OscillatorTiming::dutyPercent(high, low);
        const qint64 period = qint64(TimeText::roundTo5(
            double(OscillatorTiming::periodFromFrequency(frequency))));
        const double backHigh = TimeText::roundTo5(double(OscillatorTiming::trueWidthFromDuty(duty, period)));
        QCOMPARE(period, qint64(high + low));
        QCOMPARE(backHigh, high);
    }
}

void TestCounterParameters::randomValuesRoundTrip()
{
    QRandomGenerator random(7);
    const QStringList units = CounterParameters::units();
    const QStringList disps = {QString(), QStringLiteral("Hz"), QStringLiteral("DutyKHz"),
                               QStringLiteral("MHz")};
    for (int i = 0; i < 2000; ++i) {
        CounterParameters value;
        value.setMode(random.bounded(CounterParameters::ModeCount));
        for (bool main : {true, false}) {
            const QString unit = units.at(random.bounded(units.size()));
            const qint64 ns = 5 * random.bounded(qint64(CounterParameters::MaxCountNs / 5) + 1);
            const CounterParameters::Time time{double(ns) / CounterParameters::unitFactor(unit), unit};
            main ? value.setMainCount(time) : value.setSubCount(time);
            const quint32 steps = main ? value.mainSteps() : value.subSteps();
            QCOMPARE(steps, quint32(ns / 5));
        }
        if (CounterParameters::hasOscillatorForm(value.mode()))
            value.setDisp(disps.at(random.bounded(disps.size())));
        const QString property = value.toProperty();
        const auto again = CounterParameters::fromProperty(property);
        QCOMPARE(again, value);
        QCOMPARE(again.toProperty(), property);
        const CounterParameters::Time shown = CounterParameters::loadTime(value.mainCount());
        QCOMPARE(CounterParameters::timeText(shown), value.mainCount());
    }
}

KARIX_TEST(TestCounterParameters)
#include "tst_counterparameters.moc"
