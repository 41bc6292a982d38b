// SPDX-License-Identifier: GPL-3.0-or-later
// karix-shot DESIGN.krx OUT.png: opens a design in the main window offscreen
// and writes one PNG per sheet (see SheetScreenshots). Messages that would
// open a box are printed instead.
#include "app/consoleprompter.h"
#include "app/documentcontroller.h"
#include "app/mainwindow.h"
#include "app/sheetscreenshots.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Own settings store: screenshots never touch the user's recent files.
    app.setOrganizationName(QStringLiteral("Quorvex"));
    app.setApplicationName(QStringLiteral("KaRiX-shot"));
    if (argc != 3) {
        std::fprintf(stderr, "usage: karix-shot DESIGN.krx OUT.png\n");
        return 2;
    }
    ConsolePrompter prompter(QMessageBox::No);
    MainWindow window(QString(), nullptr);
    window.setPrompter(&prompter);
    window.documentController().open(QString::fromLocal8Bit(argv[1]));
    const QStringList files = SheetScreenshots::render(window, QString::fromLocal8Bit(argv[2]));
    for (const QString &file : files)
        std::printf("%s\n", qPrintable(file));
    return files.isEmpty() ? 1 : 0;
}
