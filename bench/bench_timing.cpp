// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the speed of the timing simulation: one second of module time with
// ten random 1 MHz inputs, and the worst case of an oscillator toggling
// every tick (summary only).
#include "compiler/imagecapture.h"
#include "timing/generatoroption.h"
#include "timing/inputmixer.h"
#include "timing/inputnames.h"
#include "timing/measurecounters.h"
#include "timing/timingengine.h"
#include "timing/timingimage.h"
#include "timing/tracesummary.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <ctime>

namespace {

constexpr quint64 OneSecond = 200000000;
constexpr quint64 Probe = 10000000; // ticks

void put(QByteArray &image, quint32 address, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        image[ImageCapture::imageOffset(address + quint32(i))] = char(value >> (8 * (width - 1 - i)));
}

// A typical trigger: six coincidences of input pairs on the pass-through
// units, five inputs stretched by one-shots, the outputs, feedback lines and
// measure counters fed by the units.
QByteArray triggerImage()
{
    QByteArray image(TimingImage::Size, '\0');
    put(image, 0x0006, 0x0700, 2);
    for (int k = 0; k < 5; ++k) {
        put(image, 0x0008 + k, 0, 1);
        put(image, 0x0020 + 8 * k, 20, 4);
    }
    for (int p = 0; p < 1024; ++p) {
        quint32 word = quint32(p & 0x1F) << 8;
        for (int pair = 0; pair < 5; ++pair)
            word |= quint32(((p >> (2 * pair)) & 3) == 3) << pair;
        put(image, 0x2000 + 2 * p, word, 2);
    }
    for (int a = 0; a < 2048; ++a) {
        put(image, 0x2800 + a, quint32(a) & 0xFF, 1);
        put(image, 0x3800 + a, quint32(a >> 3) & 0xFF, 1);
    }
    for (int k = 0; k < 4; ++k)
        put(image, 0x0060 + k, quint32(k * 5), 1);
    return image;
}

QByteArray oscillatorImage()
{
    QByteArray image(TimingImage::Size, '\0');
    put(image, 0x0006, 0x0500, 2);
    put(image, 0x0008 + 6, 9, 1); // unit 9: 1 tick high, 1 tick low
    put(image, 0x0020 + 8 * 6, 1, 4);
    for (int a = 0; a < 2048; ++a) {
        put(image, 0x2800 + a, (a >> 9) & 1, 1);
        put(image, 0x3000 + a, (a >> 9) & 1, 1);
        put(image, 0x3800 + a, (a >> 8) & 0x3, 1);
    }
    put(image, 0x0060, 0x0A, 1); // rise to rise, counting SRC rises
    return image;
}

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

struct Timing
{
    double wall;
    double cpu; // the figure that counts on a shared, loaded machine
};

Timing simulate(const QByteArray &bytes, InputSource *source, quint64 ticks, quint64 &pulses)
{
    const TimingImage image(bytes);
    TimingEngine engine(image);
    TraceSummary summary;
    MeasureCounters counters(image, TraceSummary::DefaultLimit);
    engine.setInputSource(source);
    engine.addSink(&summary);
    engine.addSink(&counters);
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = cpuSeconds();
    engine.runUntil(ticks);
    engine.finish();
    const Timing timing{double(timer.nsecsElapsed()) / 1e9, cpuSeconds() - cpuStart};
    pulses = 0;
    for (int k = 0; k < 8; ++k)
        pulses += summary.riseCount(k);
    return timing;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    InputMixer inputs;
    const InputNames names;
    QString error;
    for (int j = 0; j < InputNames::Count; ++j)
        inputs.addSource(GeneratorOption::rate(InputNames::connectors().at(j) + QStringLiteral("=1MHz"),
                                             names, quint64(j + 1), error));
    quint64 pulses = 0;
    const Timing random = simulate(triggerImage(), &inputs, OneSecond, pulses);
    std::printf("1 s of module time (%llu ticks), 10 inputs at 1 MHz random: %.2f s CPU, "
                "%.2f s wall (goal < 2 s), %llu output pulses\n",
                static_cast<unsigned long long>(OneSecond), random.cpu, random.wall,
                static_cast<unsigned long long>(pulses));
    const Timing worst = simulate(oscillatorImage(), nullptr, OneSecond, pulses);
    std::printf("oscillator toggling every tick, summary only: %.1f M ticks/s CPU, "
                "%.1f M ticks/s wall (goal >= 50), %llu output pulses\n",
                double(OneSecond) / worst.cpu / 1e6, double(OneSecond) / worst.wall / 1e6,
                static_cast<unsigned long long>(pulses));
    return 0;
}
