// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "model/delayparameters.h"
#include "model/timetext.h"

#include <QRandomGenerator>
#include <QTest>

Q_DECLARE_METATYPE(DelayParameters::Entry::Verdict)

class TestDelayParameters : public QObject
{
    Q_OBJECT

private slots:
    void readsProperty_data();
    void readsProperty();
    void randomValuesRoundTrip();
    void checksEntry_data();
    void checksEntry();
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

void TestDelayParameters::checksEntry_data()
{
    using Verdict = DelayParameters::Entry::Verdict;
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("number");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("corrected"); // empty: none
    QTest::newRow("largest") << "us" << "40.48" << Verdict::Accepted << "";
    QTest::newRow("zero") << "us" << "0" << Verdict::Accepted << "";
    QTest::newRow("100 ns") << "ns" << "100" << Verdict::Accepted << "";
    QTest::newRow("above the range") << "us" << "40.485" << Verdict::OutOfRange << "40.48";
    QTest::newRow("above in ns") << "ns" << "40485" << Verdict::OutOfRange << "40480";
    QTest::newRow("negative") << "ns" << "-1" << Verdict::OutOfRange << "0";
    QTest::newRow("not a number") << "ns" << "abc" << Verdict::OutOfRange << "";
    QTest::newRow("12 ns") << "ns" << "12" << Verdict::Rounded << "10";
    QTest::newRow("12.5 ns") << "ns" << "12.5" << Verdict::Rounded << "10";
    QTest::newRow("13 ns") << "ns" << "13" << Verdict::Rounded << "15";
    QTest::newRow("fraction of us") << "us" << "0.0123" << Verdict::Rounded << "0.01";
}

void TestDelayParameters::checksEntry()
{
    QFETCH(QString, unit);
    QFETCH(QString, number);
    QFETCH(DelayParameters::Entry::Verdict, verdict);
    QFETCH(QString, corrected);
    const DelayParameters::Entry entry = DelayParameters::checkEntry({number, unit});
    QCOMPARE(entry.verdict, verdict);
    QCOMPARE(entry.corrected ? TimeText::formatNumber(*entry.corrected) : QString(), corrected);
}

KARIX_TEST(TestDelayParameters)
#include "tst_delayparameters.moc"
