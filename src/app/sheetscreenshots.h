// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class MainWindow;

// Renders the main window once per sheet, large enough to show a whole
// canvas, into PNG files: OUT.png for a one-sheet design, else
// OUT-1.png, OUT-2.png, … (the suffix is the sheet number counted from 1).
class SheetScreenshots
{
public:
    // Returns the files written; a file that cannot be written is left out.
    static QStringList render(MainWindow &window, const QString &outFile);

private:
    static QString fileFor(const QString &outFile, int sheet, int sheetCount);
};
