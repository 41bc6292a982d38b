// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

// Finds the translation of the user's locale (karix_<locale>.qm) for every
// program of the project. Installed programs find their translations
// relative to themselves, so any installation prefix works; a program in the
// build folder finds them in its "translations" folder.
class TranslationLoader
{
public:
    // fromProgram: the installed translations folder relative to the
    // program's folder. translator must outlive app's use of it.
    // Qt's own texts (standard buttons, file dialogs) in the user's
    // language, from Qt's translations folder; false where none is installed.
    static bool installQtTexts(QCoreApplication &app, QTranslator &translator);
    static bool install(QCoreApplication &app, QTranslator &translator,
                        const QString &fromProgram);
};
