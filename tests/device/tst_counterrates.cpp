#include "common/testrunner.h"

#include "device/counterrates.h"

#include <QTest>

class TestCounterRates : public QObject
{
    Q_OBJECT

private slots:
    void rateIsTheChangePerSecond()
    {
        CounterRates rates;
        QVERIFY(!rates.add(0, 1000, 100.0));
        QCOMPARE(*rates.add(0, 1500, 150.0), 100.0);
        QCOMPARE(*rates.add(0, 2500, 150.0), 0.0);
        // Counters are independent.
        QVERIFY(!rates.add(1, 2500, 7.0));
        QCOMPARE(rates.history(0).size(), 2);
        QVERIFY(rates.history(1).isEmpty());
    }

    void restartedCounterStartsANewBaseline()
    {
        CounterRates rates;
        rates.add(2, 0, 500.0);
        QVERIFY(!rates.add(2, 1000, 20.0));
        QCOMPARE(*rates.add(2, 2000, 30.0), 10.0);
    }

    void readingsWithoutElapsedTimeGiveNoRate()
    {
        CounterRates rates;
        rates.add(0, 1000, 1.0);
        QVERIFY(!rates.add(0, 1000, 2.0));
        QVERIFY(!rates.add(4, 2000, 2.0));
        QVERIFY(!rates.add(-1, 2000, 2.0));
    }

    void historyKeepsOnlyTheWindow()
    {
        CounterRates rates(10000);
        for (qint64 time = 0; time <= 30000; time += 1000)
            rates.add(3, time, double(time));
        const QVector<QPointF> &history = rates.history(3);
        QCOMPARE(history.first().x(), 20000.0);
        QCOMPARE(history.last().x(), 30000.0);
        QCOMPARE(history.last().y(), 1000.0);
        rates.clear();
        QVERIFY(rates.history(3).isEmpty());
    }
};

KARIX_TEST(TestCounterRates)
#include "tst_counterrates.moc"
