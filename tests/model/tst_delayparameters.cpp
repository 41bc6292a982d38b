// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "model/delayparameters.h"

#include <QRandomGenerator>
#include <QTest>

class TestDelayParameters : public QObject
{
    Q_OBJECT

private slots:
    void readsProperty_data();
    void readsProperty();
    void randomValuesRoundTrip();
};

void TestDelayParameters::readsProperty_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("unit");
    QTest::newRow("nanoseconds") << "Delay=100ns" << 20 << "100" << "ns";
    QTest::newRow("microseconds") << "Delay=1.5us" << 300 << "1.5" << "us";
    QTest::newRow("largest") << "Delay=40.48us" << 8096 << "40.48" << "us";
    QTest::newRow("bare steps") << "Delay=8096" << 8096 << "40480" << "ns";
    QTest::newRow("new block") << "" << 0 << "0" << "ns";
    QTest::newRow("other key") << "Mode=3" << 0 << "0" << "ns";
    QTest::newRow("fraction of ns unreadable as steps") << "Delay=12.5ns" << 0 << "12.5" << "ns";
}

void TestDelayParameters::readsProperty()
{
    QFETCH(QString, property);
    QFETCH(int, steps);
    QFETCH(QString, number);
    QFETCH(QString, unit);
    const auto parameters = DelayParameters::fromProperty(property);
    QCOMPARE(parameters.steps(), steps);
    QCOMPARE(parameters.shown().number, number);
    QCOMPARE(parameters.shown().unit, unit);
}

void TestDelayParameters::randomValuesRoundTrip()
{
    QRandomGenerator random(3);
    for (int i = 0; i < 2000; ++i) {
        const int steps = random.bounded(int(DelayParameters::MaxDelayNs / 5) + 1);
        const bool micro = random.bounded(2) == 1;
        const double number = micro ? steps * 5 / 1000.0 : steps * 5.0;
        const auto value = DelayParameters::fromNumber(number, micro ? "us" : "ns");
        QCOMPARE(value.steps(), steps);
        const QString property = value.toProperty();
        QCOMPARE(DelayParameters::fromProperty(property).toProperty(), property);
        QCOMPARE(DelayParameters::fromNumber(value.shown().number.toDouble(), value.shown().unit), value);
    }
}

KARIX_TEST(TestDelayParameters)
#include "tst_delayparameters.moc"
