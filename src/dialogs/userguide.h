// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

class HelpWindow;
class QWidget;

// The user guide installed with the program (docs/guide/index.html) and the
// sections windows open it at. Every anchor a window names is resolved here,
// so a renamed heading in the guide breaks one table (and its test), not F1
// in some dialog.
class UserGuide
{
public:
    enum class Section {
        Contents,
        FirstStart,
        Drawing,
        LogicEditor,
        Timer,
        Delay,
        MeasureCounter,
        PortNames,
        Sheets,
        DesignCheck,
        Module,
        EthernetSetting,
        HardwareSetup,
        RomPages,
        WriteProtect,
        Counters,
        Recovery,
        CommandLine,
        About,
        Count
    };

    static QString anchor(Section section);
    // The guide's page at the section; an empty URL when no guide was found.
    static QUrl url(Section section);
    // The folder holding index.html: the one set, else the installed one
    // relative to the program, else "guide" beside the program (build tree).
    static QString folder();
    // Empty returns to the search next to the program.
    static void setFolder(const QString &folder);

    // Shows the guide at the section in the help window that belongs to
    // window (created on first use, a child window so that a modal dialog
    // does not block it).
    static HelpWindow *show(QWidget *window, Section section = Section::Contents);
    // F1 in window shows its section.
    static void bindHelpKey(QWidget *window, Section section);
};
