// SPDX-License-Identifier: GPL-3.0-or-later
// Edit history figures: rebuilding a design of 10 full sheets from a
// snapshot (the core alone, and undo, redo and one edit step in the main
// window), opening and showing the largest allowed document in the main window, and the
// memory 1,000 edit steps on a 32-sheet design hold.
// Prints milliseconds and bytes; never part of the test run. Runs offscreen
// with test-mode data locations, so no user file is touched.

#include "benchapplication.h"
#include "fulldesign.h"
#include "app/documentcontroller.h"
#include "app/mainwindow.h"
#include "app/recoveryfile.h"
#include "app/undostack.h"
#include "io/designdocument.h"
#include "io/documentreader.h"
#include "io/documentwriter.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 20;

// Milliseconds of processor time of one run, median and best of kRuns:
// processor time, because on a shared machine the wall clock mostly
// measures the other programs.
struct Timing
{
    double median;
    double best;
};

double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

Timing timeRuns(const std::function<void()> &run)
{
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        const double start = cpuMs();
        run();
        ms.push_back(cpuMs() - start);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front()};
}

void print(const char *what, const Timing &timing)
{
    std::printf("  %-34s median %7.2f ms  best %7.2f ms (processor time)\n", what, timing.median,
                timing.best);
}

void coreRebuild(const QByteArray &bytes)
{
    DesignDocument document;
    std::printf("10 full sheets:\n");
    print("core rebuild (reset + read)", timeRuns([&] {
              document.reset();
              DocumentReader(document.context()).read(bytes);
          }));
}

// The document as a file in the directory; empty when it cannot be written.
QString writeDocument(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("design.krx"));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

void windowSteps(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString path = writeDocument(dir, bytes);
    if (path.isEmpty())
        return;
    MainWindow window(path, nullptr);
    Sheet *sheet = window.document().sheets().sheet(0);
    int captions = 0;
    print("main window, edit step", timeRuns([&] {
              sheet = window.document().sheets().sheet(0);
              sheet->setCaption(QStringLiteral("Edited%1").arg(++captions));
              window.documentController().recordEditStep();
          }));
    QAction *undo = window.findChild<QAction *>(QStringLiteral("actionUndo"));
    QAction *redo = window.findChild<QAction *>(QStringLiteral("actionRedo"));
    print("main window, undo", timeRuns([&] { undo->trigger(); }));
    print("main window, redo", timeRuns([&] { redo->trigger(); }));
    // Closing without the close path would leave the recovery file behind.
    window.history().markSaved();
}

void windowOpen(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString path = writeDocument(dir, bytes);
    if (path.isEmpty())
        return;
    MainWindow window(QString(), nullptr);
    const double start = cpuMs();
    window.documentController().open(path);
    // Until the window is on the screen, its tab bar laid out.
    window.show();
    QApplication::processEvents();
    const double ms = cpuMs() - start;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("256 full sheets (most allowed), main window open and shown: %.1f ms processor "
                "time (target < 200 ms), "
                "peak memory so far %.1f MB\n",
                ms, usage.ru_maxrss / 1024.0);
}

void historyMemory(const QByteArray &bytes)
{
    DesignDocument document;
    DocumentReader(document.context()).read(bytes);
    UndoStack history;
    history.setBaseBytes(bytes);
    const DocumentWriter writer(document.context());
    const double start = cpuMs();
    constexpr int steps = 1000;
    for (int step = 0; step < steps; ++step) {
        Sheet *sheet = document.sheets().sheet(step % document.sheets().count());
        sheet->setCaption(QStringLiteral("Step%1").arg(step));
        history.record(writer.toBytes());
    }
    std::printf("32 full sheets, %d edit steps: history %.1f MB (document %.1f kB), %.1f ms "
                "processor time per step\n",
                steps, history.storedBytes() / 1e6, bytes.size() / 1e3,
                (cpuMs() - start) / steps);
}

} // namespace

int main(int argc, char **argv)
{
    BenchApplication application(argc, argv);

    const QByteArray ten = FullDesign::fullDocument(10);
    coreRebuild(ten);
    windowSteps(ten);
    windowOpen(FullDesign::fullDocument(256));
    historyMemory(FullDesign::fullDocument(32));
    QDir(RecoveryFile::directory()).removeRecursively();
    return 0;
}
