// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sheetscreenshots.h"

#include "app/mainwindow.h"
#include "app/sheettabs.h"

#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QTabWidget>

namespace {
// Enough for the 750 x 1030 canvas, the palette, the tool bar and the label bar.
const QSize kWindowSize(1010, 1420);
}

QString SheetScreenshots::fileFor(const QString &outFile, int sheet, int sheetCount)
{
    if (sheetCount == 1)
        return outFile;
    const QFileInfo info(outFile);
    const QString suffix = info.suffix().isEmpty() ? QStringLiteral("png") : info.suffix();
    return info.path() + QLatin1Char('/') + info.completeBaseName()
           + QStringLiteral("-%1.").arg(sheet + 1) + suffix;
}

QStringList SheetScreenshots::render(MainWindow &window, const QString &outFile)
{
    window.resize(kWindowSize);
    window.show();
    QStringList written;
    const int count = window.sheetTabs().count();
    for (int sheet = 0; sheet < count; ++sheet) {
        window.tabWidget()->setCurrentIndex(sheet);
        QApplication::processEvents();
        const QString file = fileFor(outFile, sheet, count);
        if (window.grab().save(file))
            written << file;
    }
    return written;
}
