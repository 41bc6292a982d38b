// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "waveform/wavetrace.h"

#include <QTest>

using Changes = WaveTrace::Changes;
using Level = WaveTrace::Level;
using Spans = std::vector<WaveTrace::Span>;
Q_DECLARE_METATYPE(Changes)
Q_DECLARE_METATYPE(Spans)

class TestWaveTrace : public QObject
{
    Q_OBJECT
private slots:
    void spans_data()
    {
        QTest::addColumn<Changes>("changes");
        QTest::addColumn<double>("firstTick");
        QTest::addColumn<double>("ticksPerPixel");
        QTest::addColumn<Spans>("expected");
        const Changes pulse{{10, true}, {20, false}};
        const Level L = Level::Low, H = Level::High, B = Level::Band;
        QTest::newRow("no changes") << Changes{} << 0.0 << 1.0 << Spans{{0, 8, L}};
        // A column shows the level at its end: the rise at 10 is column 5.
        QTest::newRow("pulse, 2 ticks a pixel") << pulse << 0.0 << 2.0 << Spans{{0, 5, L}, {5, 8, H}};
        QTest::newRow("view inside the pulse") << pulse << 12.0 << 1.0 << Spans{{0, 8, H}};
        QTest::newRow("view after it, fractional") << pulse << 19.5 << 0.5 << Spans{{0, 1, H}, {1, 8, L}};
        // Two edges in one column: a band, never a vanished pulse.
        QTest::newRow("pulse inside a column") << pulse << 0.0 << 25.0 << Spans{{0, 1, B}, {1, 8, L}};
        Changes dense;
        for (quint64 t = 100; t < 300; t += 2)
            dense.push_back({t, (t / 2) % 2 == 0});
        QTest::newRow("dense region") << dense << 0.0 << 50.0 << Spans{{0, 2, L}, {2, 6, B}, {6, 8, L}};
    }
    void spans()
    {
        QFETCH(Changes, changes);
        QFETCH(double, firstTick);
        QFETCH(double, ticksPerPixel);
        QFETCH(Spans, expected);
        const Spans actual = WaveTrace::spans(changes, firstTick, ticksPerPixel, 8);
        QCOMPARE(actual.size(), expected.size());
        for (size_t i = 0; i < actual.size(); ++i) {
            QCOMPARE(actual[i].from, expected[i].from);
            QCOMPARE(actual[i].to, expected[i].to);
            QCOMPARE(int(actual[i].level), int(expected[i].level));
        }
    }

    // Levels hold from a change up to the next one; edges next to a tick
    // never return the tick itself, so repeated jumps walk every edge.
    void navigation()
    {
        const Changes changes{{10, true}, {20, false}, {30, true}};
        const bool levels[] = {false, true, true, false, true};
        const quint64 ticks[] = {9, 10, 19, 20, 1000};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(WaveTrace::levelAt(changes, ticks[i]), levels[i]);
        QList<quint64> forward, backward;
        for (auto at = WaveTrace::nextEdge(changes, 0); at; at = WaveTrace::nextEdge(changes, *at))
            forward << *at;
        for (auto at = WaveTrace::previousEdge(changes, 100); at; at = WaveTrace::previousEdge(changes, *at))
            backward << *at;
        QCOMPARE(forward, QList<quint64>({10, 20, 30}));
        QCOMPARE(backward, QList<quint64>({30, 20, 10}));
    }
};

KARIX_TEST(TestWaveTrace)
#include "tst_wavetrace.moc"
