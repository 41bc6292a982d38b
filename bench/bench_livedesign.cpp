// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the module simulator costs while it runs a design in real time:
// processor time per simulated second for examples/counters.krx with the
// default inputs (the used ones at 1 kHz) and with three 1 MHz inputs.
#include "compiler/imagecapture.h"
#include "device/moduleinterface.h"
#include "io/designdocument.h"
#include "io/designloader.h"
#include "sim/livedesign.h"
#include "sim/simregisterspace.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <ctime>

using namespace ModuleInterface;

namespace {

constexpr int RunMs = 3000;

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void measure(const QByteArray &image, const QStringList &rates, const char *label)
{
    SimRegisterSpace space(QByteArray::fromHex("02010000"), 0, QString());
    space.poke(parameterBlock, image.left(parameterBlockSize));
    space.poke(tableArea, image.mid(parameterBlockSize));
    LiveDesign live(space, rates, 1);
    space.write(counterControl, QByteArray(1, char(0x80))); // counter 0 counts ticks
    const double cpuBefore = cpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(RunMs, &loop, &QEventLoop::quit);
    loop.exec();
    live.advance();
    const double cpu = cpuSeconds() - cpuBefore;
    const double simulated = live.streamValue(0).value_or(0) * 5e-9;
    std::printf("live design, %-28s %6.1f ms processor time per simulated second "
                "(%.2f s simulated in %.2f s)\n",
                label, simulated > 0 ? cpu * 1e3 / simulated : 0.0, simulated, RunMs / 1e3);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    DesignDocument document;
    QString error;
    QStringList warnings;
    if (!DesignLoader::load(QStringLiteral(KARIX_SOURCE_DIR "/examples/counters.krx"), document,
                            error, warnings)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const QByteArray image = ImageCapture::compile(document.model());
    measure(image, {}, "default inputs (1 kHz):");
    measure(image, {QStringLiteral("S0=1MHz"), QStringLiteral("S1=1MHz"), QStringLiteral("S2=1MHz")},
            "three inputs at 1 MHz:");
    return 0;
}
