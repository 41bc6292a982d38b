// SPDX-License-Identifier: GPL-3.0-or-later
// karix-countershot OUT.png: the counter window after a download, as a user
// sees it. Starts the module simulator on 127.0.0.1, opens
// examples/counters.krx in the main window, triggers Download, waits for the
// progress dialog to finish and the counter window to connect, starts the
// counter and lets the plot fill for a few seconds, then saves the window.
#include "app/consoleprompter.h"
#include "app/devicecommands.h"
#include "app/mainwindow.h"
#include "dialogs/msrcntwidget.h"
#include "sim/modulesimulator.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QPushButton>
#include <QThread>
#include <cstdio>
#include <functional>

namespace {

constexpr int plotSeconds = 20;

// Runs the event loop until done() or the time-out; false on time-out.
bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: karix-countershot OUT.png\n");
        return 2;
    }
    SimConfig simConfig;
    simConfig.streamIntervalMs = 200;
    ModuleSimulator sim(simConfig);
    if (!sim.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(sim.errorString()));
        return 1;
    }
    ConnectionSettings settings = sim.connectionSettings();
    settings.autoConnect = true;
    MainWindow window(QStringLiteral(KARIX_SOURCE_DIR "/examples/counters.krx"), &settings);
    ConsolePrompter prompter(QMessageBox::Yes);
    window.setPrompter(&prompter);
    window.show();

    DeviceCommands &commands = window.deviceCommands();
    window.findChild<QAction *>(QStringLiteral("actionDownload"))->trigger();
    MsrCntWidget *counters = nullptr;
    const bool connected = waitFor(
        [&] {
            counters = commands.counterWindow();
            return !commands.isBusy() && counters
                   && counters->statusText() == QLatin1String("Waiting for data ...");
        },
        30000);
    if (!connected) {
        std::fprintf(stderr, "the counter window did not connect\n");
        return 1;
    }
    counters->startButton(0)->click();
    waitFor([] { return false; }, plotSeconds * 1000);
    const bool saved = counters->grab().save(QString::fromLocal8Bit(argv[1]));
    counters->startButton(0)->click();
    waitFor([&] { return !counters->isSwitching(); }, 5000);
    return saved ? 0 : 1;
}
