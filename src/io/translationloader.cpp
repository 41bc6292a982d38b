// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/translationloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool TranslationLoader::install(QCoreApplication &app, QTranslator &translator,
                                const QString &fromProgram)
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString &folder :
         {programDir.filePath(fromProgram), programDir.filePath(QStringLiteral("translations"))}) {
        if (translator.load(QLocale(), QStringLiteral("karix"), QStringLiteral("_"), folder))
            return app.installTranslator(&translator);
    }
    return false;
}

bool TranslationLoader::installQtTexts(QCoreApplication &app, QTranslator &translator)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    return translator.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"), folder)
           && app.installTranslator(&translator);
}
