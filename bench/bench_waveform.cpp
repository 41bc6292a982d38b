// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of the Simulate window on examples/coincidence.krx: the repaint of
// the waveform view after a 1 s run with both detector inputs at random
// 1 MHz, whole run and zoomed in (target under 16 ms), and a what-if run of
// 100 µs from Run to the new waves (target under 200 ms). Prints
// milliseconds; never part of the test run. With --screenshot FILE it
// also saves the window after a 10 µs run, as the user guide shows it.
// Runs offscreen with test-mode data locations.

#include "benchapplication.h"
#include "app/mainwindow.h"
#include "waveform/simulatewindow.h"
#include "waveform/stimuluseditor.h"
#include "waveform/waveformview.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int Repaints = 20;

// Milliseconds from Run to the finished run.
double runAndWait(SimulateWindow &window, const QString &duration)
{
    window.setDuration(duration);
    QEventLoop loop;
    QObject::connect(&window, &SimulateWindow::runFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(600000, &loop, &QEventLoop::quit); // a bound, never reached
    QElapsedTimer timer;
    timer.start();
    window.run();
    loop.exec();
    return timer.nsecsElapsed() / 1e6;
}

double repaintMs(const WaveformView &view)
{
    QImage image(view.size(), QImage::Format_RGB32);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Repaints; ++i) {
        QPainter painter(&image);
        view.paint(painter, view.size());
    }
    return timer.nsecsElapsed() / 1e6 / Repaints;
}

void setRandomInputs(SimulateWindow &window, const QString &value)
{
    window.stimulus()->setSource(0, StimulusSetup::Kind::Random, value);
    window.stimulus()->setSource(1, StimulusSetup::Kind::Random, value);
}

void saveScreenshot(SimulateWindow &window, const QString &path)
{
    setRandomInputs(window, QStringLiteral("1MHz,20ns"));
    window.resize(1000, 640);
    runAndWait(window, QStringLiteral("10us"));
    WaveformView &view = *window.view();
    view.selectRow(4);
    view.setCursor(0, 0);
    view.jumpToNextEdge();
    view.setCursor(1, *view.cursor(0));
    view.jumpToNextEdge();
    view.setView(*view.cursor(1) - 300.0, 1.0);
    QCoreApplication::processEvents();
    window.grab().save(path);
    std::printf("screenshot: %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char **argv)
{
    BenchApplication app(argc, argv);
    MainWindow main(QStringLiteral(KARIX_SOURCE_DIR "/examples/coincidence.krx"), nullptr);
    SimulateWindow &window = main.simulateWindow();
    window.showWindow();
    const QStringList args = app.arguments();
    const int shot = int(args.indexOf(QStringLiteral("--screenshot")));
    if (shot > 0 && shot + 1 < args.size()) {
        saveScreenshot(window, args.at(shot + 1));
        return 0;
    }

    window.resize(1400, 700);
    setRandomInputs(window, QStringLiteral("1MHz,20ns"));
    const double longRun = runAndWait(window, QStringLiteral("1s"));
    std::printf("1 s run, 2 inputs at random 1 MHz: %.0f ms\n", longRun);
    WaveformView &view = *window.view();
    const double zooms[][2] = {{0, 0}, {1e8, 2000}, {1e8, 2}, {1e8, 0.05}};
    const char *names[] = {"whole 1 s", "10 ms wide", "10 us wide", "250 ns wide"};
    for (int i = 0; i < 4; ++i) {
        if (i == 0)
            view.fit();
        else
            view.setView(zooms[i][0], zooms[i][1]);
        std::printf("repaint, %s: %.2f ms (target < 16)\n", names[i], repaintMs(view));
    }

    // What-if: a new rate, Run again; the previous run stays as overlay.
    setRandomInputs(window, QStringLiteral("1MHz,20ns"));
    runAndWait(window, QStringLiteral("100us"));
    double total = 0;
    constexpr int WhatIfRuns = 10;
    for (int i = 0; i < WhatIfRuns; ++i) {
        setRandomInputs(window, QStringLiteral("%1kHz,20ns").arg(500 + 100 * i));
        total += runAndWait(window, QStringLiteral("100us"));
    }
    std::printf("what-if run of 100 us, Run to new waves: %.1f ms (target < 200)\n",
                total / WhatIfRuns);
    return 0;
}
