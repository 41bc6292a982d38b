// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainactions.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("MainWindow", source);
}

enum class Menu { None, File, Edit, View, Setup, Tools, Help };

// One row per action, in menu order. Texts are translated in the context
// "MainWindow"; a separator goes before rows that start a group. The status
// tip is what the status bar says while the action is under the mouse.
struct ActionRow
{
    QAction *MainActions::*member;
    const char *objectName;
    const char *text;
    const char *shortcut;
    const char *icon;
    Menu menu;
    bool startsGroup;
    const char *statusTip;
};

const ActionRow actionRows[] = {
    {&MainActions::actionNew, "actionNew", QT_TRANSLATE_NOOP("MainWindow", "&New"), "Ctrl+N",
     ":/KaRiX_icon/KaRiX_New file.png", Menu::File, false,
     QT_TRANSLATE_NOOP("MainWindow", "Start a new, empty design")},
    {&MainActions::actionOpen, "actionOpen", QT_TRANSLATE_NOOP("MainWindow", "&Open ..."), "Ctrl+O",
     ":/KaRiX_icon/KaRiX_folder2.png", Menu::File, false,
     QT_TRANSLATE_NOOP("MainWindow", "Open a design file")},
    {&MainActions::actionSave, "actionSave", QT_TRANSLATE_NOOP("MainWindow", "&Save"), "Ctrl+S",
     ":/KaRiX_icon/KaRiX_Save1.png", Menu::File, false,
     QT_TRANSLATE_NOOP("MainWindow", "Save the design to its file")},
    {&MainActions::actionSaveAs, "actionSaveAs", QT_TRANSLATE_NOOP("MainWindow", "Save&As ..."),
     "Ctrl+Shift+S", nullptr, Menu::File, false,
     QT_TRANSLATE_NOOP("MainWindow", "Save the design to a new file")},
    {&MainActions::actionExportSheet, "actionExportSheet",
     QT_TRANSLATE_NOOP("MainWindow", "&Export Sheet..."), nullptr, nullptr, Menu::File, true,
     QT_TRANSLATE_NOOP("MainWindow", "Save the current sheet as a PNG, SVG or PDF file")},
    {&MainActions::actionExportAllSheets, "actionExportAllSheets",
     QT_TRANSLATE_NOOP("MainWindow", "Export A&ll Sheets..."), nullptr, nullptr, Menu::File, false,
     QT_TRANSLATE_NOOP("MainWindow", "Save every sheet: one PDF page or one picture file per sheet")},
    {&MainActions::actionPrint, "actionPrint", QT_TRANSLATE_NOOP("MainWindow", "&Print..."), "Ctrl+P",
     nullptr, Menu::File, false,
     QT_TRANSLATE_NOOP("MainWindow", "Print the sheets, with a preview first")},
    {&MainActions::actionWriteProtect, "actionWriteProtect",
     QT_TRANSLATE_NOOP("MainWindow", "&Write Protect ..."), nullptr, nullptr, Menu::File, true,
     QT_TRANSLATE_NOOP("MainWindow", "Show or change the module's write protection")},
    {&MainActions::actionDownload, "actionDownload", QT_TRANSLATE_NOOP("MainWindow", "&Download"),
     "Ctrl+D", ":/KaRiX_icon/KaRiX_Update.png", Menu::File, false,
     QT_TRANSLATE_NOOP("MainWindow", "Check the design and write it into the module")},
    {&MainActions::actionCounters, "actionCounters", QT_TRANSLATE_NOOP("MainWindow", "&Counters"),
     nullptr, ":/KaRiX_icon/KaRiX_Counter1.png", Menu::File, false,
     QT_TRANSLATE_NOOP("MainWindow", "Show the module's four measure counters live")},
    {&MainActions::actionQuit, "actionQuit", QT_TRANSLATE_NOOP("MainWindow", "&Quit"), "Ctrl+Q",
     nullptr, Menu::File, true,
     QT_TRANSLATE_NOOP("MainWindow", "Close the window and quit")},
    // In no menu: added to the window so that its shortcut works.
    {&MainActions::actionClose, "actionClose", QT_TRANSLATE_NOOP("MainWindow", "&Close"), "Ctrl+W",
     nullptr, Menu::None, false,
     QT_TRANSLATE_NOOP("MainWindow", "Close the window and quit")},
    {&MainActions::actionUndo, "actionUndo", QT_TRANSLATE_NOOP("MainWindow", "&Undo"), "Ctrl+Z",
     ":/KaRiX_icon/KaRiX_Undo.png", Menu::Edit, false,
     QT_TRANSLATE_NOOP("MainWindow", "Undo the last change")},
    {&MainActions::actionRedo, "actionRedo", QT_TRANSLATE_NOOP("MainWindow", "Re&do"), "Ctrl+Y",
     ":/KaRiX_icon/KaRiX_Redo.png", Menu::Edit, false,
     QT_TRANSLATE_NOOP("MainWindow", "Redo the change last undone")},
    {&MainActions::actionCut, "actionCut", QT_TRANSLATE_NOOP("MainWindow", "Cu&t"), "Ctrl+X",
     ":/KaRiX_icon/KaRiX_Cut.png", Menu::Edit, true,
     QT_TRANSLATE_NOOP("MainWindow", "Remove the selected blocks and put them on the clipboard")},
    {&MainActions::actionCopy, "actionCopy", QT_TRANSLATE_NOOP("MainWindow", "&Copy"), "Ctrl+C",
     ":/KaRiX_icon/KaRiX_copy.png", Menu::Edit, false,
     QT_TRANSLATE_NOOP("MainWindow", "Put the selected blocks on the clipboard")},
    {&MainActions::actionPaste, "actionPaste", QT_TRANSLATE_NOOP("MainWindow", "&Paste"), "Ctrl+V",
     ":/KaRiX_icon/KaRiX_paste.png", Menu::Edit, false,
     QT_TRANSLATE_NOOP("MainWindow", "Add the blocks on the clipboard to this sheet")},
    {&MainActions::actionDelete, "actionDelete", QT_TRANSLATE_NOOP("MainWindow", "&Delete"), "Del",
     ":/images/delbutton.png", Menu::Edit, false,
     QT_TRANSLATE_NOOP("MainWindow", "Delete the selected blocks or wire")},
    {&MainActions::actionSelectAll, "actionSelectAll", QT_TRANSLATE_NOOP("MainWindow", "Select &All"),
     "Ctrl+A", nullptr, Menu::Edit, true,
     QT_TRANSLATE_NOOP("MainWindow", "Select every block of this sheet")},
    {&MainActions::actionNewSheet, "actionNewSheet", QT_TRANSLATE_NOOP("MainWindow", "Tab &New"),
     nullptr, nullptr, Menu::Edit, true,
     QT_TRANSLATE_NOOP("MainWindow", "Add an empty sheet after the last one")},
    {&MainActions::actionRenameSheet, "actionRenameSheet",
     QT_TRANSLATE_NOOP("MainWindow", "Tab &Rename"), "F2", nullptr, Menu::Edit, false,
     QT_TRANSLATE_NOOP("MainWindow", "Give this sheet another name (or double-click its tab)")},
    {&MainActions::actionGoToSheet, "actionGoToSheet",
     QT_TRANSLATE_NOOP("MainWindow", "&Go to Sheet ..."), "Ctrl+G", nullptr, Menu::Edit, false,
     QT_TRANSLATE_NOOP("MainWindow", "Choose a sheet from a list, narrowed by typing part of "
                                     "its name")},
    {&MainActions::actionNextSheet, "actionNextSheet",
     QT_TRANSLATE_NOOP("MainWindow", "Ne&xt Sheet"), "Ctrl+PgDown", nullptr, Menu::Edit, false,
     QT_TRANSLATE_NOOP("MainWindow", "Show the sheet to the right (after the last, the first)")},
    {&MainActions::actionPreviousSheet, "actionPreviousSheet",
     QT_TRANSLATE_NOOP("MainWindow", "Pre&vious Sheet"), "Ctrl+PgUp", nullptr, Menu::Edit, false,
     QT_TRANSLATE_NOOP("MainWindow", "Show the sheet to the left (before the first, the last)")},
    {&MainActions::actionDrc, "actionDrc", QT_TRANSLATE_NOOP("MainWindow", "&DRC"), nullptr,
     ":/KaRiX_icon/KaRiX_DRC.png", Menu::Edit, true,
     QT_TRANSLATE_NOOP("MainWindow", "Check the design for unconnected and unused ports; "
                                     "double-click a finding to see its block")},
    {&MainActions::actionVerify, "actionVerify", QT_TRANSLATE_NOOP("MainWindow", "&Verify"), nullptr,
     nullptr, Menu::Edit, false,
     QT_TRANSLATE_NOOP("MainWindow", "Read the module's registers and compare them with the "
                                     "design")},
    {&MainActions::actionZoomIn, "actionZoomIn", QT_TRANSLATE_NOOP("MainWindow", "Zoom &In"), "Ctrl++",
     nullptr, Menu::View, false,
     QT_TRANSLATE_NOOP("MainWindow", "Show the sheets larger (also Ctrl+mouse wheel)")},
    {&MainActions::actionZoomOut, "actionZoomOut", QT_TRANSLATE_NOOP("MainWindow", "Zoom &Out"),
     "Ctrl+-", nullptr, Menu::View, false,
     QT_TRANSLATE_NOOP("MainWindow", "Show the sheets smaller (also Ctrl+mouse wheel)")},
    {&MainActions::actionResetZoom, "actionResetZoom", QT_TRANSLATE_NOOP("MainWindow", "&Actual Size"),
     "Ctrl+0", nullptr, Menu::View, false,
     QT_TRANSLATE_NOOP("MainWindow", "Show the sheets at 100 %")},
    {&MainActions::actionFitSheet, "actionFitSheet", QT_TRANSLATE_NOOP("MainWindow", "&Fit sheet"),
     nullptr, nullptr, Menu::View, true,
     QT_TRANSLATE_NOOP("MainWindow", "Zoom so that the whole sheet fits the window")},
    {&MainActions::actionEthernetSetting, "actionEthernetSetting",
     QT_TRANSLATE_NOOP("MainWindow", "&Ethernet Setting"), nullptr,
     ":/KaRiX_icon/KaRiX_Cofigure.png", Menu::Setup, false,
     QT_TRANSLATE_NOOP("MainWindow", "Set the module's address, ports and time-out for this "
                                     "design")},
    {&MainActions::actionHardwareSetup, "actionHardwareSetup",
     QT_TRANSLATE_NOOP("MainWindow", "&Hardware Setup"), nullptr, nullptr, Menu::Setup, false,
     QT_TRANSLATE_NOOP("MainWindow", "Change the network settings stored in the module")},
    {&MainActions::actionSaveToRom, "actionSaveToRom", QT_TRANSLATE_NOOP("MainWindow", "&Save to ROM"),
     nullptr, nullptr, Menu::Setup, false,
     QT_TRANSLATE_NOOP("MainWindow", "Store the module's current configuration in one of its "
                                     "ROM pages")},
    {&MainActions::actionRestoreFromRom, "actionRestoreFromRom",
     QT_TRANSLATE_NOOP("MainWindow", "&Restore from ROM"), nullptr, nullptr, Menu::Setup, false,
     QT_TRANSLATE_NOOP("MainWindow", "Load a configuration from one of the module's ROM pages")},
    {&MainActions::actionChangeBootRomPage, "actionChangeBootRomPage",
     QT_TRANSLATE_NOOP("MainWindow", "&Change Boot ROM Page"), nullptr, nullptr, Menu::Setup, false,
     QT_TRANSLATE_NOOP("MainWindow", "Choose the ROM page the module loads when it starts")},
    {&MainActions::actionInitializeRom, "actionInitializeRom",
     QT_TRANSLATE_NOOP("MainWindow", "&Initialize ROM area"), nullptr, nullptr, Menu::Setup, false,
     QT_TRANSLATE_NOOP("MainWindow", "Erase the module's ROM pages")},
    {&MainActions::actionSimulate, "actionSimulate", QT_TRANSLATE_NOOP("MainWindow", "&Simulate…"),
     "Ctrl+R", nullptr, Menu::Tools, false,
     QT_TRANSLATE_NOOP("MainWindow", "Simulate the compiled design with chosen input signals and "
                                     "show the waveforms")},
    {&MainActions::actionUserGuide, "actionUserGuide", QT_TRANSLATE_NOOP("MainWindow", "&User Guide"),
     "F1", nullptr, Menu::Help, false,
     QT_TRANSLATE_NOOP("MainWindow", "Open the user guide")},
    {&MainActions::actionAbout, "actionAbout", QT_TRANSLATE_NOOP("MainWindow", "&About KaRiX"),
     nullptr, nullptr, Menu::Help, false,
     QT_TRANSLATE_NOOP("MainWindow", "Show the program's version and read the module's firmware "
                                     "version")},
};

} // namespace

MainActions::MainActions(QMainWindow *window) : m_window(window)
{
    createActions();
    createMenus();
    createToolBar();
}

void MainActions::createActions()
{
    for (const ActionRow &row : actionRows) {
        auto *action = new QAction(text(row.text), m_window);
        action->setObjectName(QString::fromLatin1(row.objectName));
        if (row.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
        if (row.icon)
            action->setIcon(QIcon(QString::fromLatin1(row.icon)));
        action->setStatusTip(statusTip(action));
        this->*row.member = action;
    }
    m_window->addAction(actionClose);
    // Holding Delete deletes once.
    actionDelete->setAutoRepeat(false);
    // Plus shares its key with equals: Ctrl with that key zooms in, shifted or not.
    actionZoomIn->setShortcuts({QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    for (QAction *action : {actionUndo, actionRedo, actionCut, actionCopy, actionPaste, actionDelete})
        action->setEnabled(false);

    for (int i = 0; i < recentFileCount; ++i) {
        auto *action = new QAction(m_window);
        action->setVisible(false);
        recentFileActions << action;
    }
}

QString MainActions::statusTip(const QAction *action)
{
    for (const ActionRow &row : actionRows) {
        if (row.statusTip && action->objectName() == QLatin1String(row.objectName))
            return text(row.statusTip);
    }
    return QString();
}

void MainActions::createMenus()
{
    QMenuBar *bar = m_window->menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    const auto addMenu = [bar](const char *caption, const char *objectName) {
        QMenu *menu = bar->addMenu(text(caption));
        menu->setObjectName(QString::fromLatin1(objectName));
        return menu;
    };
    menuFile = addMenu(QT_TRANSLATE_NOOP("MainWindow", "&File"), "menuFile");
    menuEdit = addMenu(QT_TRANSLATE_NOOP("MainWindow", "&Edit"), "menuEdit");
    menuView = addMenu(QT_TRANSLATE_NOOP("MainWindow", "&View"), "menuView");
    menuSetup = addMenu(QT_TRANSLATE_NOOP("MainWindow", "&Setup"), "menuSetup");
    menuTools = addMenu(QT_TRANSLATE_NOOP("MainWindow", "&Tools"), "menuTools");
    menuHelp = addMenu(QT_TRANSLATE_NOOP("MainWindow", "&Help"), "menuHelp");
    QMenu *const menus[] = {nullptr, menuFile, menuEdit, menuView, menuSetup, menuTools, menuHelp};
    for (const ActionRow &row : actionRows) {
        QMenu *menu = menus[int(row.menu)];
        if (!menu)
            continue;
        if (row.startsGroup)
            menu->addSeparator();
        menu->addAction(this->*row.member);
    }
    // The recent files follow Open.
    menuRecentFiles = new QMenu(text(QT_TRANSLATE_NOOP("MainWindow", "&Recent Files")), menuFile);
    menuRecentFiles->setObjectName(QStringLiteral("menuRecentFiles"));
    menuRecentFiles->addActions(recentFileActions);
    menuRecentFiles->setEnabled(false);
    menuFile->insertMenu(actionSave, menuRecentFiles);
}

void MainActions::createToolBar()
{
    toolBar = new QToolBar(text(QT_TRANSLATE_NOOP("MainWindow", "toolBar")), m_window);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    m_window->addToolBar(Qt::TopToolBarArea, toolBar);
    toolBar->addActions({actionNew, actionOpen, actionSave});
    toolBar->addSeparator();
    toolBar->addActions({actionCut, actionCopy, actionPaste, actionDelete});
    toolBar->addSeparator();
    toolBar->addActions({actionUndo, actionRedo});
    toolBar->addSeparator();
    toolBar->addActions({actionDrc, actionEthernetSetting, actionDownload, actionCounters});
}
