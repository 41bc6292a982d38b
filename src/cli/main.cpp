// SPDX-License-Identifier: GPL-3.0-or-later
// karix-cli: the design tool's checks, compiler and module operations for
// scripts, without a display. See "karix-cli --help" for commands and exit codes.
#include "cli/commandtable.h"
#include "cli/interruptwatcher.h"
#include "io/standardoutput.h"
#include "io/translationloader.h"
#include "karixversion.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QGuiApplication>

#include <csignal>
#include <cstring>
#include <memory>

namespace {

// Drawing sheets needs fonts, so export runs in a GUI application, on the
// offscreen platform unless the caller chose one: no display is needed.
std::unique_ptr<QCoreApplication> createApplication(int &argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "export") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0)
        return StandardOutput::print(
            QStringLiteral("karix-cli " KARIX_VERSION_TEXT "\n" KARIX_LICENCE_NOTICE));
    // A closed pipe on standard output is seen as a failed write, which the
    // reporter handles, instead of killing the process.
    std::signal(SIGPIPE, SIG_IGN);
    const std::unique_ptr<QCoreApplication> app = createApplication(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvex"));
    QCoreApplication::setApplicationName(QStringLiteral("karix-cli"));
    QTranslator translator;
    TranslationLoader::install(*app, translator, QStringLiteral(KARIX_TRANSLATIONS_FROM_BIN));
    InterruptWatcher interrupt;
    CommandTable table(interrupt);
    return table.execute(QCoreApplication::arguments().mid(1));
}
