// SPDX-License-Identifier: GPL-3.0-or-later
#include "timing/timerunit.h"

#include "common/testrunner.h"

#include <QTest>

// Each timer mode against hand-worked pulse trains: the input and the
// expected output as one level per tick, from tick 0.
class TestTimerUnit : public QObject
{
    Q_OBJECT

private slots:
    void pulseTrains_data();
    void pulseTrains();
};

void TestTimerUnit::pulseTrains_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("main");
    QTest::addColumn<int>("sub"); // as written in the image
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");

    QTest::newRow("0: rise during pulse ignored") << 0 << 3 << 1 << "0101000010000000" << "0111000011100000";
    QTest::newRow("0: rise in dead time ignored") << 0 << 2 << 1 << "0100100000" << "0110000000";
    QTest::newRow("0: idle after S+1 ticks") << 0 << 2 << 1 << "0100010000" << "0110011000";
    QTest::newRow("0: main 0 gives no pulse") << 0 << 0 << 3 << "0110" << "0000";
    QTest::newRow("1: retrigger restarts") << 1 << 3 << 0 << "0101000000" << "0111110000";
    QTest::newRow("2: wait then pulse") << 2 << 2 << 3 << "0101000000" << "0001110000";
    QTest::newRow("2: main 0 pulses at once") << 2 << 0 << 2 << "0100" << "0110";
    QTest::newRow("2: sub 0 gives no pulse") << 2 << 2 << 0 << "0100000" << "0000000";
    QTest::newRow("3: rise restarts the wait") << 3 << 2 << 2 << "0100101000" << "0001000011";
    QTest::newRow("4: guard ignores chatter") << 4 << 3 << 2 << "0110101100000000" << "0111100111000000";
    QTest::newRow("4: guard 0 follows") << 4 << 0 << 0 << "0101100" << "0101100";
    QTest::newRow("4: guard 1 as 0") << 4 << 1 << 1 << "0101100" << "0101100";
    QTest::newRow("5: changes extend guard") << 5 << 3 << 2 << "0110101100000000" << "0111111111100000";
    QTest::newRow("6: change due although input returned") << 6 << 2 << 3 << "0110000000000" << "0001110000000";
    QTest::newRow("7: short pulse vanishes") << 7 << 3 << 3 << "0110000000" << "0000000000";
    QTest::newRow("7: pulse of exactly D passes") << 7 << 3 << 3 << "0111000000" << "0000111000";
    QTest::newRow("8: oscillates while enabled") << 8 << 2 << 0 << "0111111100" << "0110110100";
    QTest::newRow("8: main 0 stays low") << 8 << 0 << 0 << "0111" << "0000";
    QTest::newRow("9: free running from 0") << 9 << 1 << 0 << "0000000000" << "1010101010";
    QTest::newRow("mode above 9") << 12 << 2 << 2 << "0110" << "0000";
}

void TestTimerUnit::pulseTrains()
{
    QFETCH(int, mode);
    QFETCH(int, main);
    QFETCH(int, sub);
    QFETCH(QString, input);
    QFETCH(QString, output);

    // Stepped only at input changes and due ticks, as the engine does.
    TimerUnit unit(mode, quint32(main), quint32(sub));
    QString seen;
    bool previous = false;
    bool level = false;
    for (int tick = 0; tick < input.size(); ++tick) {
        const bool in = input.at(tick) == QLatin1Char('1');
        if (tick == 0 || in != previous || unit.due() == quint64(tick))
            level = unit.step(quint64(tick), in);
        previous = in;
        seen += level ? QLatin1Char('1') : QLatin1Char('0');
    }
    QCOMPARE(seen, output);
}

KARIX_TEST(TestTimerUnit)
#include "tst_timerunit.moc"
