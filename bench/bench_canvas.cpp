// SPDX-License-Identifier: GPL-3.0-or-later
// Canvas figures on a sheet as full as the module allows (ten inputs, every
// logic row, eleven functions, twenty outputs, every possible wire): one
// repaint with the wire map kept, one after a change rebuilt it, and a
// palette drop that places a block and records its edit step. Prints
// milliseconds (targets: repaint under 4 ms, drop under 20 ms); never part
// of the test run. Runs offscreen with test-mode data locations.

#include "benchapplication.h"
#include "fulldesign.h"
#include "app/mainwindow.h"
#include "app/recoveryfile.h"
#include "app/undostack.h"
#include "editor/dragpayload.h"
#include "editor/programwidget.h"
#include "io/designdocument.h"
#include "model/blockitem.h"
#include "model/designedits.h"
#include "model/designmodel.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

constexpr int kRuns = 50;

double averageMs(const std::function<void()> &prepare, const std::function<void()> &run)
{
    qint64 total = 0;
    QElapsedTimer timer;
    for (int i = 0; i < kRuns; ++i) {
        prepare();
        timer.start();
        run();
        total += timer.nsecsElapsed();
    }
    return double(total) / 1e6 / kRuns;
}

QString numbered(const char *prefix, int number)
{
    return QString::fromLatin1(prefix) + QString::number(number);
}

// Pre-logic row 13 stays free for the drop.
QByteArray fullSheet()
{
    using FullDesign::entry;
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<KaRiX addr=\"127.0.0.1\" "
                                  "tcpPort=\"24\" udpPort=\"4660\" Timeout=\"1\" autoConnect=\"false\">\n"
                                  "    <tab id=\"0\" name=\"Full\">\n");
    const QStringList inputs{"NIM-IN-S0", "NIM-IN-S1", "NIM-IN-S2", "NIM-IN-S3", "NIM-IN-S4",
                             "NIM-IN-S5", "NIM-IN-S6", "NIM-IN-S7", "NIM-IN-M",  "BNC-IN"};
    for (int row = 0; row < inputs.size(); ++row)
        text += entry(QStringLiteral("Input"), row, inputs.at(row), QString());
    const auto withNets = [](QString entryText, const QStringList &sources) {
        QString nets;
        for (int port = 0; port < sources.size(); ++port)
            nets += QStringLiteral("            <net port=\"%1\">%2</net>\n").arg(port).arg(sources.at(port));
        return entryText.replace(QStringLiteral("        </entry>\n"), nets + QStringLiteral("        </entry>\n"));
    };
    for (int row = 0; row < 13; ++row)
        text += withNets(entry(QStringLiteral("PreLogic"), row, numbered("PreLgc", row), QString()), inputs);
    const char *functions[] = {"CntFnc", "CntFnc", "CntFnc", "CntFnc", "DlyFnc", "DlyFnc",
                               "DlyFnc", "DlyFnc", "NonFnc", "NonFnc", "NonFnc"};
    QStringList functionNames;
    for (int row = 0; row < 11; ++row) {
        functionNames << numbered(functions[row], row);
        text += entry(QString::fromLatin1(functions[row]), row, functionNames.last(), numbered("PreLgc", row));
    }
    for (int row = 0; row < 14; ++row)
        text += withNets(entry(QStringLiteral("PostLogic"), row, numbered("PstLgc", row), QString()),
                         functionNames);
    for (int row = 0; row < 8; ++row)
        text += entry(numbered("NIM-OUT", row), row, numbered("NIM-OUT", row), numbered("PstLgc", row));
    for (int unit = 0; unit < 4; ++unit)
        text += withNets(entry(numbered("MsrCnt", unit), 8 + unit, numbered("MsrCnt", unit), QString()),
                         {numbered("PstLgc", 8 + unit), numbered("PstLgc", 12)});
    for (int row = 0; row < 8; ++row)
        text += entry(QStringLiteral("FeedBack"), 12 + row, numbered("FeedBack", row), numbered("PstLgc", 13));
    return (text + QStringLiteral("    </tab>\n</KaRiX>\n")).toUtf8();
}

void sendDrop(ProgramWidget &canvas, const QString &key)
{
    QMimeData mime;
    mime.setData(DragPayload::mimeType(), DragPayload{key, QPoint(5, 5)}.encode());
    const QPoint at(200, 600);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas, &enter);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas, &drop);
}

void run(const QString &path)
{
    MainWindow window(path, nullptr);
    ProgramWidget *canvas = window.canvas(0);
    canvas->resize(canvas->minimumSize());
    int blocks = 0;
    int wires = 0;
    for (BlockItem *block : window.document().sheets().sheet(0)->blocks()) {
        ++blocks;
        wires += block->inputs().size();
    }
    QImage target(canvas->size(), QImage::Format_ARGB32_Premultiplied);
    const auto paint = [&] {
        QPainter painter(&target);
        canvas->render(&painter);
    };
    const double cached = averageMs([] {}, paint);
    const double rebuilt = averageMs([&] { canvas->markWiresDirty(); }, paint);
    std::printf("full sheet (%d blocks, %d wires): repaint %6.2f ms, after a change %6.2f ms\n",
                blocks, wires, cached, rebuilt);

    BlockItem *placed = nullptr;
    const double drop = averageMs(
        [&] {
            if (placed)
                window.document().edits().deleteBlock(placed);
        },
        [&] {
            sendDrop(*canvas, QStringLiteral("PreLogic"));
            placed = canvas->selection().currentBlock();
        });
    std::printf("drop of a PreLogic on the full sheet, edit step recorded: %6.2f ms (%d steps)\n", drop,
                window.history().count());
    window.history().markSaved();
}

} // namespace

int main(int argc, char **argv)
{
    BenchApplication application(argc, argv);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.krx"));
    QFile file(path);
    const QByteArray bytes = fullSheet();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return 1;
    file.close();
    run(path);
    QDir(RecoveryFile::directory()).removeRecursively();
    return 0;
}
