// SPDX-License-Identifier: GPL-3.0-or-later
// A download + verify from the main window against the in-process module
// simulator on 127.0.0.1, compared with karix-cli download + verify of the
// same design in the same run, and the longest time the GUI event loop was
// blocked meanwhile (a 1 ms timer measures the gaps between its ticks).
#include "app/devicecommands.h"
#include "app/mainwindow.h"
#include "app/consoleprompter.h"
#include "sim/modulesimulator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int runs = 5;
const QString design = QStringLiteral(KARIX_SOURCE_DIR "/examples/coincidence.krx");

// Says yes to every question and downloads through the DRC question.
class YesPrompter : public ConsolePrompter
{
public:
    YesPrompter() : ConsolePrompter(QMessageBox::Yes) {}
    QMessageBox::StandardButton warning(QWidget *, const QString &, const QString &text,
                                        QMessageBox::StandardButtons, QMessageBox::StandardButton,
                                        std::optional<QPoint>) override
    {
        lastText = text;
        return QMessageBox::Yes;
    }
    void information(QWidget *, const QString &, const QString &text) override { lastText = text; }
    int runDialog(QDialog &dialog) override
    {
        if (auto *download = dialog.findChild<QPushButton *>(QStringLiteral("downloadButton")))
            download->click();
        return dialog.result();
    }

    QString lastText;
};

// Longest gap between two ticks of a 1 ms timer, in ms.
class BlockProbe : public QObject
{
public:
    BlockProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_longest = std::max(m_longest, m_clock.nsecsElapsed());
            m_clock.restart();
        });
    }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_timer.start(1);
    }
    double stopMs()
    {
        m_timer.stop();
        return double(m_longest) / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

double cliMs(const ModuleSimulator &sim)
{
    const QStringList connection{QStringLiteral("-h"), QStringLiteral("127.0.0.1"),
                                 QStringLiteral("-u"), QString::number(sim.udpPort())};
    QElapsedTimer clock;
    clock.start();
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("download"), design, QStringLiteral("--force")} + connection,
          QStringList{QStringLiteral("verify"), design} + connection}) {
        QProcess cli;
        cli.start(QStringLiteral(KARIX_BINARY_DIR "/karix-cli"), arguments);
        if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
            return -1.0;
    }
    return double(clock.nsecsElapsed()) / 1e6;
}

void runCommand(DeviceCommands &commands, void (DeviceCommands::*command)())
{
    QEventLoop loop;
    QObject::connect(&commands, &DeviceCommands::commandFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    (commands.*command)();
    if (commands.isBusy())
        loop.exec();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ModuleSimulator sim;
    if (!sim.start()) {
        fprintf(stderr, "%s\n", qPrintable(sim.errorString()));
        return 1;
    }
    const ConnectionSettings settings = sim.connectionSettings();
    MainWindow window(design, &settings);
    YesPrompter prompter;
    window.setPrompter(&prompter);
    DeviceCommands &commands = window.deviceCommands();
    BlockProbe probe;

    double cliBest = -1.0;
    double guiBest = -1.0;
    double longestBlock = 0.0;
    for (int run = 0; run < runs; ++run) {
        const double cli = cliMs(sim);
        probe.start();
        QElapsedTimer clock;
        clock.start();
        runCommand(commands, &DeviceCommands::download);
        runCommand(commands, &DeviceCommands::verify);
        const double gui = double(clock.nsecsElapsed()) / 1e6;
        longestBlock = std::max(longestBlock, probe.stopMs());
        if (cli < 0 || !prompter.lastText.contains(QLatin1String("matched"))) {
            fprintf(stderr, "download or verify failed: %s\n", qPrintable(prompter.lastText));
            return 1;
        }
        cliBest = run == 0 ? cli : std::min(cliBest, cli);
        guiBest = run == 0 ? gui : std::min(guiBest, gui);
    }
    printf("design:                            %s\n", qPrintable(design));
    printf("karix-cli download + verify:       %.1f ms (best of %d)\n", cliBest, runs);
    printf("GUI download + verify:             %.1f ms (best of %d)\n", guiBest, runs);
    printf("GUI / karix-cli:                   %.2f (target <= 1.2)\n", guiBest / cliBest);
    printf("longest event-loop block:          %.1f ms (target < 20)\n", longestBlock);
    printf("%s\n", qPrintable(commands.lastLinkHealth().summary()));
    return 0;
}
