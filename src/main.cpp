#include "app/commandline.h"
#include "app/layoutreport.h"
#include "app/mainwindow.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QStringList words;
    for (int i = 0; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = CommandLine::parse(words);

    // The file name is handled by the window, not by the GUI library.
    int guiArgc = commandLine.hasOperands ? argc - 1 : argc;
    QApplication app(guiArgc, argv);
    app.setOrganizationName(QStringLiteral("Quorvex"));
    app.setApplicationName(QStringLiteral("KaRiX"));
    app.setWindowIcon(QIcon(QStringLiteral(":/karix.ico")));
    QTranslator translator;
    if (translator.load(QLocale(), QStringLiteral("karix"), QStringLiteral("_"),
                        QStringLiteral(":/i18n")))
        app.installTranslator(&translator);

    auto *window = new MainWindow(commandLine.fileName,
                                  commandLine.optionsGiven ? &commandLine.settings : nullptr);
    if (!commandLine.usageMessage.isEmpty())
        QMessageBox::warning(window, QCoreApplication::translate("main", "KaRiX"),
                             commandLine.usageMessage, QMessageBox::Ok);
    window->show();
    window->restoreUnsavedChanges();
    QTimer::singleShot(0, window, [window] { LayoutReport::writeIfRequested(*window); });
    const int exitCode = app.exec();
    delete window;
    return exitCode;
}
