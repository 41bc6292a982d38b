// SPDX-License-Identifier: GPL-3.0-or-later
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

    // A wrap past 2^32 keeps the rate; a drop from low in the range is a restart.
    void countsWrapOrRestart_data()
    {
        QTest::addColumn<quint32>("before");
        QTest::addColumn<quint32>("after");
        QTest::addColumn<int>("wraps");
        QTest::addColumn<bool>("hasRate");
        QTest::newRow("wrap") << 0xFFFFFF00u << 0x00000100u << 1 << true;
        QTest::newRow("restart") << 0x20000000u << 0x00000100u << 0 << false;
    }
    void countsWrapOrRestart()
    {
        QFETCH(quint32, before);
        QFETCH(quint32, after);
        QFETCH(int, wraps);
        QFETCH(bool, hasRate);
        CounterRates rates;
        rates.addCount(1, 0, before, 5.0);
        const std::optional<double> rate = rates.addCount(1, 1000, after, 5.0);
        QCOMPARE(rates.wraps(1), wraps);
        QCOMPARE(rate.has_value(), hasRate);
        if (hasRate)
            QCOMPARE(*rate, 0x200 * 5.0);
    }

    void segmentsBreakWhereReadingsStopped()
    {
        CounterRates rates;
        for (qint64 time : {0, 1000, 2000, 3000, 9000, 10000, 11000})
            rates.add(0, time, double(time));
        const QVector<QVector<QPointF>> pieces = rates.segments(0);
        QCOMPARE(pieces.size(), 2);
        QCOMPARE(pieces.first().last().x(), 3000.0);
        QCOMPARE(pieces.last().first().x(), 9000.0);
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
