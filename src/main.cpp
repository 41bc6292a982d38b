// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/layoutreport.h"
#include "app/documentcontroller.h"
#include "app/mainwindow.h"
#include "io/standardoutput.h"
#include "io/translationloader.h"
#include "karixversion.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QTranslator>


namespace {

QString helpText(const QString &programWord)
{
    return CommandLine::usage(programWord) + QStringLiteral("\n\n")
           + QCoreApplication::translate(
               "main",
               "Draws, checks, downloads and verifies designs (.krx) of the NIM trigger-logic\n"
               "module and shows its measure counters.\n\n"
               "Options:\n"
               "  -h <host address>  module address (IPv4 or IPv6); default: the module's\n"
               "                     factory address\n"
               "  -t <TCP port>      TCP port of the counter stream (default 24)\n"
               "  -u <UDP port>      UDP port of the register protocol (default 4660)\n"
               "  -o <timeout>       device time-out in seconds (default 1)\n"
               "  -a <on/off>        whether the counter window connects by itself (default on)\n"
               "  --help             show this help\n"
               "  --version          show the version and the commit it was built from\n\n"
               "Options given here override the connection settings stored in a document\n"
               "opened later.\n");
}

// Answers "--help" and "--version" on standard output, without a display.
int printInformation(int argc, char *argv[], bool version)
{
    QCoreApplication app(argc, argv);
    QTranslator translator;
    TranslationLoader::install(app, translator, QStringLiteral(KARIX_TRANSLATIONS_FROM_BIN));
    const QString text = version
                             ? QStringLiteral("karix " KARIX_VERSION_TEXT "\n" KARIX_LICENCE_NOTICE)
                             : helpText(QString::fromLocal8Bit(argv[0]));
    return StandardOutput::print(text);
}

} // namespace

int main(int argc, char *argv[])
{
    const QByteArray firstWord = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (firstWord == "--help" || firstWord == "--version")
        return printInformation(argc, argv, firstWord == "--version");

    QStringList words;
    for (int i = 0; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = CommandLine::parse(words);

    // The file name is handled by the window, not by the GUI library.
    int guiArgc = commandLine.hasOperands ? argc - 1 : argc;
    QApplication app(guiArgc, argv);
    app.setOrganizationName(QStringLiteral("Quorvex"));
    app.setApplicationName(QStringLiteral("KaRiX"));
    app.setApplicationVersion(QStringLiteral(KARIX_VERSION));
    app.setWindowIcon(QIcon(QStringLiteral(":/karix.ico")));
    app.setDesktopFileName(QStringLiteral("karix"));
    QTranslator translator;
    TranslationLoader::install(app, translator, QStringLiteral(KARIX_TRANSLATIONS_FROM_BIN));
    QTranslator qtTexts;
    TranslationLoader::installQtTexts(app, qtTexts);

    auto *window = new MainWindow(commandLine.fileName,
                                  commandLine.optionsGiven ? &commandLine.settings : nullptr);
    if (!commandLine.warningText().isEmpty())
        QMessageBox::warning(window, QCoreApplication::translate("main", "KaRiX"),
                             commandLine.warningText(), QMessageBox::Ok);
    LayoutReport::watchIfRequested(*window);
    window->show();
    window->documentController().restoreUnsavedChanges();
    const int exitCode = app.exec();
    delete window;
    return exitCode;
}
