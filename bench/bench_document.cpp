// Load, write and paste times of the document reader and writer for the
// largest designs a document can describe, and for a design of a size met in
// practice. Prints milliseconds; never part of the test run.

#include "fulldesign.h"
#include "io/clipboardfragment.h"
#include "io/designdocument.h"
#include "io/documentreader.h"
#include "io/documentwriter.h"
#include "model/designmodel.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <cstdio>

namespace {

void measure(const char *label, const QByteArray &bytes)
{
    DesignDocument document;
    QElapsedTimer timer;
    timer.start();
    const ReadResult result = DocumentReader(document.context()).read(bytes);
    const qint64 loadMs = timer.restart();
    const QByteArray written = DocumentWriter(document.context()).toBytes();
    const qint64 writeMs = timer.restart();
    const QList<BlockItem *> firstSheet = document.sheets().sheet(0)->blocks();
    const QString fragment = ClipboardFragment::write(firstSheet);
    document.sheets().addSheet();
    ClipboardFragment::paste(document.context(), document.sheets().count() - 1, fragment);
    const qint64 pasteMs = timer.elapsed();
    std::printf("%-28s %8lld bytes %6lld blocks  load %6lld ms  write %5lld ms  paste sheet %5lld ms%s\n",
                label, static_cast<long long>(bytes.size()),
                static_cast<long long>(document.model().allBlocks().size()),
                static_cast<long long>(loadMs), static_cast<long long>(writeMs),
                static_cast<long long>(pasteMs), result.ok ? "" : "  (failed)");
    Q_UNUSED(written);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    measure("4 sheets", FullDesign::fullDocument(4));
    measure("32 sheets", FullDesign::fullDocument(32));
    measure("256 sheets (most allowed)", FullDesign::fullDocument(256));
    return 0;
}
