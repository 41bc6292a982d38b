// Edit history figures: rebuilding a design of 10 full sheets from a
// snapshot (the core alone, and undo, redo and one edit step in the main
// window), and the memory 1,000 edit steps on a 32-sheet design hold.
// Prints milliseconds and bytes; never part of the test run. Runs offscreen
// with test-mode data locations, so no user file is touched.

#include "fulldesign.h"
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
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

constexpr int kRuns = 20;

double averageMs(const std::function<void()> &run)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRuns; ++i)
        run();
    return double(timer.nsecsElapsed()) / 1e6 / kRuns;
}

void coreRebuild(const QByteArray &bytes)
{
    DesignDocument document;
    const double ms = averageMs([&] {
        document.reset();
        DocumentReader(document.context()).read(bytes);
    });
    std::printf("10 full sheets, core rebuild (reset + read):  %7.2f ms\n", ms);
}

void windowSteps(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ten.krx"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return;
    file.close();
    MainWindow window(path, nullptr);
    Sheet *sheet = window.document().sheets().sheet(0);
    int captions = 0;
    const double editMs = averageMs([&] {
        sheet = window.document().sheets().sheet(0);
        sheet->setCaption(QStringLiteral("Edited%1").arg(++captions));
        window.recordEditStep();
    });
    QAction *undo = window.findChild<QAction *>(QStringLiteral("action_Undo"));
    QAction *redo = window.findChild<QAction *>(QStringLiteral("actionRe_do"));
    const double undoMs = averageMs([&] { undo->trigger(); });
    const double redoMs = averageMs([&] { redo->trigger(); });
    std::printf("10 full sheets, main window:  edit step %7.2f ms  undo %7.2f ms  redo %7.2f ms\n",
                editMs, undoMs, redoMs);
    // Closing without the close path would leave the recovery file behind.
    window.history().markSaved();
}

void historyMemory(const QByteArray &bytes)
{
    DesignDocument document;
    DocumentReader(document.context()).read(bytes);
    UndoStack history;
    history.setBaseBytes(bytes);
    const DocumentWriter writer(document.context());
    QElapsedTimer timer;
    timer.start();
    constexpr int steps = 1000;
    for (int step = 0; step < steps; ++step) {
        Sheet *sheet = document.sheets().sheet(step % document.sheets().count());
        sheet->setCaption(QStringLiteral("Step%1").arg(step));
        history.record(writer.toBytes());
    }
    std::printf("32 full sheets, %d edit steps: history %.1f MB (document %.1f kB), %.1f ms per step\n",
                steps, history.storedBytes() / 1e6, bytes.size() / 1e3,
                double(timer.elapsed()) / steps);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    application.setOrganizationName(QStringLiteral("Quorvex-Bench"));
    application.setApplicationName(QStringLiteral("KaRiX-Bench"));

    const QByteArray ten = FullDesign::fullDocument(10);
    coreRebuild(ten);
    windowSteps(ten);
    historyMemory(FullDesign::fullDocument(32));
    QDir(RecoveryFile::directory()).removeRecursively();
    return 0;
}
