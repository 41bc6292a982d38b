// SPDX-License-Identifier: GPL-3.0-or-later
// Load, write and paste times of the document reader and writer for the
// largest designs a document can describe, and for a design of a size met in
// practice, with the process's peak resident memory after each. Prints
// milliseconds and megabytes; never part of the test run.

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
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

namespace {

// Peak resident set size of this process so far, in MB (Linux; 0 elsewhere).
double peakResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0.0;
}

// Fastest of a few loads into fresh documents, in ms: the load alone, without
// the start-up effects of the first run.
double bestLoadMs(const QByteArray &bytes, int runs)
{
    double best = -1.0;
    for (int run = 0; run < runs; ++run) {
        DesignDocument document;
        QElapsedTimer timer;
        timer.start();
        DocumentReader(document.context()).read(bytes);
        const double elapsed = timer.nsecsElapsed() / 1e6;
        best = best < 0 ? elapsed : std::min(best, elapsed);
    }
    return best;
}

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
    std::printf("%-28s %8lld bytes %6lld blocks  load %6lld ms (best of 3: %.1f ms)  write %5lld ms"
                "  paste sheet %5lld ms  peak RSS %.1f MB%s\n",
                label, static_cast<long long>(bytes.size()),
                static_cast<long long>(document.model().allBlocks().size()),
                static_cast<long long>(loadMs), bestLoadMs(bytes, 3),
                static_cast<long long>(writeMs), static_cast<long long>(pasteMs), peakResidentMb(),
                result.ok ? "" : "  (failed)");
    Q_UNUSED(written);
}

// `elements` <tab> elements, each with `attributes` attributes.
QByteArray attributeDocument(int elements, int attributes)
{
    QString extra;
    for (int i = 0; i < attributes - 2; ++i)
        extra += QStringLiteral(" a%1=\"\"").arg(i);
    QString text = QStringLiteral("<?xml version=\"1.0\"?>\n<KaRiX addr=\"127.0.0.1\">\n");
    for (int element = 0; element < elements; ++element)
        text += QStringLiteral("<tab id=\"0\" name=\"S\"%1/>\n").arg(extra);
    return (text + QStringLiteral("</KaRiX>\n")).toUtf8();
}

// Reading time must follow the document size, not the attributes per element.
void measureAttributes(int elements, int attributes)
{
    const QByteArray bytes = attributeDocument(elements, attributes);
    DesignDocument document;
    QElapsedTimer timer;
    timer.start();
    const ReadResult result = DocumentReader(document.context()).read(bytes);
    std::printf("%7d x %6d attributes  %8lld bytes  read %6lld ms  %s\n", elements, attributes,
                static_cast<long long>(bytes.size()), static_cast<long long>(timer.elapsed()),
                result.ok ? "loaded" : "refused");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    // "--write-largest FILE" saves the largest document, e.g. for measuring
    // `karix-cli check` on it.
    const QStringList arguments = application.arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--write-largest")) {
        QFile file(arguments.at(2));
        return file.open(QIODevice::WriteOnly) && file.write(FullDesign::fullDocument(256)) > 0 ? 0 : 1;
    }
    measure("4 sheets", FullDesign::fullDocument(4));
    measure("32 sheets", FullDesign::fullDocument(32));
    measure("256 sheets (most allowed)", FullDesign::fullDocument(256));
    measureAttributes(1, 40000);
    measureAttributes(1, 100000);
    measureAttributes(1, 256);
    measureAttributes(1000, 256);
    measureAttributes(4000, 256);
    return 0;
}
