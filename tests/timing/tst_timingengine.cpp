// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/imagecapture.h"
#include "timing/changelistsource.h"
#include "timing/timingengine.h"
#include "timing/timingimage.h"
#include "timing/tracerecorder.h"

#include "common/testrunner.h"

#include <QRandomGenerator>
#include <QTest>

using Changes = std::vector<TraceRecorder::Change>;

// Small images written by hand, run with input changes, traced in memory.
class TestTimingEngine : public QObject
{
    Q_OBJECT

private slots:
    void coincidenceOfTwoInputs();
    void feedbackLatchHoldsOneTickLater();
    void delayLineShiftsItsInput();
    void runsInSlices();
    void matchesTickByTickReference();

private:
    static void put(QByteArray &image, quint32 address, quint32 value, int width = 1);
    static QByteArray randomImage(QRandomGenerator &random);
    static Changes run(const QByteArray &image, std::vector<InputChange> inputs, quint64 ticks,
                       int signal);
};

void TestTimingEngine::put(QByteArray &image, quint32 address, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        image[ImageCapture::imageOffset(address + quint32(i))] = char(value >> (8 * (width - 1 - i)));
}

Changes TestTimingEngine::run(const QByteArray &bytes, std::vector<InputChange> inputs,
                              quint64 ticks, int signal)
{
    const TimingImage image(bytes);
    TimingEngine engine(image);
    ChangeListSource source(std::move(inputs));
    TraceRecorder recorder;
    engine.setInputSource(&source);
    engine.addSink(&recorder);
    engine.runUntil(ticks);
    return recorder.changes(signal);
}

// Unit 0 passes S0 AND S1 (pre-logic bit 0); NIM-OUT0 shows unit 0.
static QByteArray coincidenceImage()
{
    QByteArray image(TimingImage::Size, '\0');
    for (int p = 0; p < 1024; ++p)
        image[ImageCapture::imageOffset(0x2000 + 2 * p + 1)] = char((p & 3) == 3 ? 1 : 0);
    for (int a = 0; a < 2048; ++a)
        image[ImageCapture::imageOffset(0x2800 + a)] = char(a & 1);
    return image;
}

void TestTimingEngine::coincidenceOfTwoInputs()
{
    QByteArray image = coincidenceImage();
    put(image, 0x0006, 0x0700, 2);
    // S0 high over ticks 2..5 (changes at 7 ns and 30 ns), S1 over 4..8.
    const Changes out = run(image, {{2, 0, true}, {4, 1, true}, {6, 0, false}, {9, 1, false}}, 20,
                            TraceSignals::FirstOutput);
    QCOMPARE(out, (Changes{{4, true}, {6, false}}));
}

void TestTimingEngine::feedbackLatchHoldsOneTickLater()
{
    QByteArray image(TimingImage::Size, '\0');
    put(image, 0x0006, 0x0708, 2);  // unit 3 a delay line of 0 steps
    put(image, 0x0004, 0x01);       // fed by feedback line 0
    for (int p = 0; p < 1024; ++p)  // unit 0 passes S0
        put(image, 0x2000 + 2 * p, p & 1, 2);
    for (int a = 0; a < 2048; ++a)  // line 0 = unit 0 OR unit 3
        put(image, 0x3000 + a, (a & 0x9) ? 1 : 0);
    const std::vector<InputChange> pulse{{2, 0, true}, {3, 0, false}};
    QCOMPARE(run(image, pulse, 50, TraceSignals::FirstUnit + 3), (Changes{{3, true}}));
    QCOMPARE(run(image, pulse, 50, TraceSignals::FirstFeedback), (Changes{{3, true}}));
}

void TestTimingEngine::delayLineShiftsItsInput()
{
    QByteArray image = coincidenceImage();
    put(image, 0x0006, 0x0701, 2); // unit 0 a delay line, input pre-logic bit 13
    put(image, 0x0010 + 2 * 5, 7, 2);
    for (int p = 0; p < 1024; ++p)
        put(image, 0x2000 + 2 * p, (p & 1) ? 0x2000 : 0, 2);
    const Changes out = run(image, {{0, 0, true}, {3, 0, false}, {4, 0, true}, {5, 0, false}}, 30,
                            TraceSignals::FirstOutput);
    QCOMPARE(out, (Changes{{7, true}, {10, false}, {11, true}, {12, false}}));
}

void TestTimingEngine::runsInSlices()
{
    QByteArray image = coincidenceImage();
    put(image, 0x0006, 0x0700, 2);
    put(image, 0x0008 + 6, 9);       // unit 9 oscillates: 2 high, 3 low
    put(image, 0x0020 + 8 * 6, 2, 4);
    put(image, 0x0024 + 8 * 6, 2, 4);
    put(image, 0x0006, 0x0500, 2);
    const TimingImage timing(image);
    TimingEngine whole(timing);
    TimingEngine sliced(timing);
    TraceRecorder wholeTrace, slicedTrace;
    whole.addSink(&wholeTrace);
    sliced.addSink(&slicedTrace);
    whole.runUntil(1000);
    for (quint64 end = 7; end < 1000; end += 13)
        sliced.runUntil(end);
    sliced.runUntil(1000);
    const int unit9 = TraceSignals::FirstUnit + 9;
    QCOMPARE(slicedTrace.changes(unit9), wholeTrace.changes(unit9));
    QCOMPARE(wholeTrace.changes(unit9).size(), size_t(400));
    QCOMPARE(wholeTrace.changes(unit9).at(2).tick, quint64(5));
}

// Random tables, unit kinds and feedback: the image bytes the engine must
// follow, whatever a compiler would write; short counts, so units are due often.
QByteArray TestTimingEngine::randomImage(QRandomGenerator &random)
{
    QByteArray image(TimingImage::Size, '\0');
    for (char &byte : image)
        byte = char(random.bounded(256));
    for (quint32 k = 0; k < 8; ++k) {
        put(image, 0x0008 + k, random.bounded(11));
        put(image, 0x0010 + 2 * k, random.bounded(6), 2);
        put(image, 0x0020 + 8 * k, random.bounded(5), 4);
        put(image, 0x0024 + 8 * k, random.bounded(5), 4);
    }
    return image;
}

// The model evaluated literally, every tick, straight from the image: the
// levels (TraceSignals bits) of each tick.
static std::vector<quint64> referenceLevels(const TimingImage &image,
                                            const std::vector<InputChange> &changes, quint64 ticks)
{
    std::array<TimerUnit, 11> timers;
    for (int u = 3; u < 11; ++u)
        timers[u] = TimerUnit(image.counterMode(u - 3), image.mainCount(u - 3), image.subCount(u - 3));
    std::array<std::vector<bool>, 11> history;
    std::vector<quint64> levels;
    quint16 x = 0, a = 0;
    for (size_t next = 0; levels.size() < ticks;) {
        const quint64 t = levels.size();
        for (; next < changes.size() && changes[next].tick == t; ++next)
            x = changes[next].level ? x | 1u << changes[next].input : x & ~(1u << changes[next].input);
        const quint16 w = image.preLogicWord(x);
        const quint8 f = image.feedbackByte(a);
        a = 0;
        for (int u = 0; u < 11; ++u) {
            const bool modeBit = image.unitModeMask() >> u & 1;
            const bool delay = u < 8 && modeBit;
            const bool pass = u < 3 ? !modeBit : u >= 8 && modeBit;
            const int fbBit = delay ? (u + 5) % 8 : u - 3;
            const bool fed = !pass && (delay ? image.dlyFeedbackMask() : image.cntFeedbackMask()) >> fbBit & 1;
            const int wBit = pass ? (u < 3 ? u : u - 5) : (u < 3 ? 13 + u : 5 + u);
            const bool in = fed ? f >> fbBit & 1 : w >> wBit & 1;
            history[u].push_back(in);
            const quint64 n = image.delayValue((u + 5) % 8);
            const bool out = pass ? in : delay ? t >= n && history[u][t - n] : timers[u].step(t, in);
            a |= quint16(out << u);
        }
        using namespace TraceSignals;
        levels.push_back(quint64(x) | quint64(a) << FirstUnit | quint64(image.outputByte(a)) << FirstOutput
                         | quint64(image.counterByte(a)) << FirstCounterInput | quint64(f) << FirstFeedback);
    }
    return levels;
}

void TestTimingEngine::matchesTickByTickReference()
{
    for (quint32 seed = 1; seed <= 40; ++seed) {
        QRandomGenerator random(seed);
        const TimingImage image(randomImage(random));
        std::vector<InputChange> changes;
        for (quint64 tick = 0; tick < 3000; tick += random.bounded(40))
            changes.push_back({tick, int(random.bounded(10)), random.bounded(2) == 1});
        TimingEngine engine(image);
        ChangeListSource source(changes);
        TraceRecorder traced, expected;
        engine.setInputSource(&source);
        engine.addSink(&traced);
        engine.runUntil(1000);
        engine.runUntil(3000);
        quint64 previous = 0;
        const std::vector<quint64> levels = referenceLevels(image, changes, 3000);
        for (quint64 tick = 0; tick < levels.size(); previous = levels[tick++])
            expected.step(tick, levels[tick], levels[tick] ^ previous);
        for (int signal = 0; signal < TraceSignals::Count; ++signal)
            QVERIFY2(traced.changes(signal) == expected.changes(signal),
                     qPrintable(QStringLiteral("seed %1, %2").arg(seed).arg(TraceSignals::name(signal))));
    }
}

KARIX_TEST(TestTimingEngine)
#include "tst_timingengine.moc"
