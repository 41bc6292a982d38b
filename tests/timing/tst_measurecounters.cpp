// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/imagecapture.h"
#include "timing/measurecounters.h"
#include "timing/timingimage.h"

#include "common/testrunner.h"

#include <QTest>

// The gate and source modes against hand-worked GATE and SRC traces (one
// level per tick from tick 0), fed as the engine feeds them: only at the
// edges the counters watch.
class TestMeasureCounters : public QObject
{
    Q_OBJECT

private slots:
    void intervals_data();
    void intervals();
};

void TestMeasureCounters::intervals_data()
{
    QTest::addColumn<int>("gateMode");
    QTest::addColumn<int>("sourceMode");
    QTest::addColumn<QString>("gate");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("measured"); // "end:value ..."
    QTest::addColumn<int>("running");      // -1: none open

    QTest::newRow("whole run, ticks") << 0 << 0 << "0000" << "0000" << "" << 4;
    QTest::newRow("whole run, high ticks") << 0 << 1 << "0000000" << "0110100" << "" << 3;
    QTest::newRow("whole run, rises from tick 0") << 0 << 2 << "0000000" << "1010011" << "" << 3;
    QTest::newRow("whole run, changes") << 0 << 3 << "0000000" << "1010011" << "" << 5;
    QTest::newRow("while high, ticks") << 1 << 0 << "0111001100" << "0000000000" << "4:3 8:2" << -1;
    QTest::newRow("while high, open at the end") << 1 << 0 << "1100011" << "0000000" << "2:2" << 2;
    QTest::newRow("while high, SRC already high") << 1 << 1 << "0111100" << "1101100" << "5:3" << -1;
    QTest::newRow("while high, rise in opening tick") << 1 << 2 << "0111000" << "0101010" << "4:2" << -1;
    QTest::newRow("while high, changes") << 1 << 3 << "0110110" << "0110011" << "3:1 6:1" << -1;
    QTest::newRow("rise to rise, none open") << 2 << 0 << "0000" << "1111" << "" << -1;
    QTest::newRow("rise to rise, high ticks") << 2 << 1 << "0100010000" << "1111001100" << "5:3" << 2;
    QTest::newRow("rise to rise, SRC rise at the boundary") << 2 << 2 << "0100010001" << "0101010001" << "5:2 9:1" << 1;
    QTest::newRow("change to change, ticks") << 3 << 0 << "0110001000" << "0000000000" << "3:2 6:3 7:1" << 3;
    QTest::newRow("change to change, high ticks") << 3 << 1 << "0110001000" << "1110110111" << "3:2 6:2 7:0" << 3;
    QTest::newRow("change to change, changes") << 3 << 3 << "0110011000" << "0011100110" << "3:1 5:0 7:1" << 2;
}

void TestMeasureCounters::intervals()
{
    QFETCH(int, gateMode);
    QFETCH(int, sourceMode);
    QFETCH(QString, gate);
    QFETCH(QString, source);
    QFETCH(QString, measured);
    QFETCH(int, running);

    QByteArray bytes(TimingImage::Size, '\0');
    bytes[ImageCapture::imageOffset(0x0063)] = char(gateMode | sourceMode << 2);
    MeasureCounters counters{TimingImage(bytes)};
    const TraceSink::Watch watch = counters.watched();
    const int gateSignal = TraceSignals::FirstCounterInput + 6; // counter 3: above bit 32
    quint64 previous = 0;
    for (int tick = 0; tick < gate.size(); ++tick) {
        const quint64 levels = quint64(gate.at(tick) == QLatin1Char('1')) << gateSignal
                               | quint64(source.at(tick) == QLatin1Char('1')) << (gateSignal + 1);
        const quint64 changed = levels ^ previous;
        if ((changed & levels & watch.rises) | (changed & ~levels & watch.falls))
            counters.step(quint64(tick), levels, changed);
        previous = levels;
    }
    counters.finish(quint64(gate.size()));
    QStringList seen;
    for (const MeasureCounters::Measurement &measurement : counters.measurements(3))
        seen << QStringLiteral("%1:%2").arg(measurement.endTick).arg(measurement.value);
    QCOMPARE(seen.join(QLatin1Char(' ')), measured);
    const std::optional<quint64> open = counters.running(3);
    QCOMPARE(open ? int(*open) : -1, running);
    QCOMPARE(counters.measurementCount(3), quint64(seen.size()));
}

KARIX_TEST(TestMeasureCounters)
#include "tst_measurecounters.moc"
