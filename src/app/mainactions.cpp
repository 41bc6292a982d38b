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

enum class Menu { None, File, Edit, View, Setup, Help };

// One row per action, in menu order. Texts are translated in the context
// "MainWindow"; a separator goes before rows that start a group.
struct ActionRow
{
    QAction *MainActions::*member;
    const char *objectName;
    const char *text;
    const char *shortcut;
    const char *icon;
    Menu menu;
    bool startsGroup;
};

const ActionRow actionRows[] = {
    {&MainActions::actionNew, "actionNew", QT_TRANSLATE_NOOP("MainWindow", "&New"), "Ctrl+N",
     ":/KaRiX_icon/KaRiX_New file.png", Menu::File, false},
    {&MainActions::actionOpen, "actionOpen", QT_TRANSLATE_NOOP("MainWindow", "&Open ..."), "Ctrl+O",
     ":/KaRiX_icon/KaRiX_folder2.png", Menu::File, false},
    {&MainActions::actionSave, "actionSave", QT_TRANSLATE_NOOP("MainWindow", "&Save"), "Ctrl+S",
     ":/KaRiX_icon/KaRiX_Save1.png", Menu::File, false},
    {&MainActions::actionSaveAs, "actionSaveAs", QT_TRANSLATE_NOOP("MainWindow", "Save&As ..."),
     nullptr, nullptr, Menu::File, false},
    {&MainActions::actionWriteProtect, "actionWriteProtect",
     QT_TRANSLATE_NOOP("MainWindow", "&Write Protect ..."), nullptr, nullptr, Menu::File, true},
    {&MainActions::actionDownload, "actionDownload", QT_TRANSLATE_NOOP("MainWindow", "&Download"),
     "Ctrl+D", ":/KaRiX_icon/KaRiX_Update.png", Menu::File, false},
    {&MainActions::actionCounters, "actionCounters", QT_TRANSLATE_NOOP("MainWindow", "&Counters"),
     nullptr, ":/KaRiX_icon/KaRiX_Counter1.png", Menu::File, false},
    {&MainActions::actionQuit, "actionQuit", QT_TRANSLATE_NOOP("MainWindow", "&Quit"), "Ctrl+Q",
     nullptr, Menu::File, true},
    // In no menu: added to the window so that its shortcut works.
    {&MainActions::actionClose, "actionClose", QT_TRANSLATE_NOOP("MainWindow", "&Close"), "Ctrl+W",
     nullptr, Menu::None, false},
    {&MainActions::actionUndo, "actionUndo", QT_TRANSLATE_NOOP("MainWindow", "&Undo"), "Ctrl+Z",
     ":/KaRiX_icon/KaRiX_Undo.png", Menu::Edit, false},
    {&MainActions::actionRedo, "actionRedo", QT_TRANSLATE_NOOP("MainWindow", "Re&do"), "Ctrl+Y",
     ":/KaRiX_icon/KaRiX_Redo.png", Menu::Edit, false},
    {&MainActions::actionCut, "actionCut", QT_TRANSLATE_NOOP("MainWindow", "Cu&t"), "Ctrl+X",
     ":/KaRiX_icon/KaRiX_Cut.png", Menu::Edit, true},
    {&MainActions::actionCopy, "actionCopy", QT_TRANSLATE_NOOP("MainWindow", "&Copy"), "Ctrl+C",
     ":/KaRiX_icon/KaRiX_copy.png", Menu::Edit, false},
    {&MainActions::actionPaste, "actionPaste", QT_TRANSLATE_NOOP("MainWindow", "&Paste"), "Ctrl+V",
     ":/KaRiX_icon/KaRiX_paste.png", Menu::Edit, false},
    {&MainActions::actionDelete, "actionDelete", QT_TRANSLATE_NOOP("MainWindow", "&Delete"), "Del",
     ":/images/delbutton.png", Menu::Edit, false},
    {&MainActions::actionSelectAll, "actionSelectAll", QT_TRANSLATE_NOOP("MainWindow", "Select &All"),
     "Ctrl+A", nullptr, Menu::Edit, true},
    {&MainActions::actionNewSheet, "actionNewSheet", QT_TRANSLATE_NOOP("MainWindow", "Tab &New"),
     nullptr, nullptr, Menu::Edit, true},
    {&MainActions::actionRenameSheet, "actionRenameSheet",
     QT_TRANSLATE_NOOP("MainWindow", "Tab &Rename"), nullptr, nullptr, Menu::Edit, false},
    {&MainActions::actionDrc, "actionDrc", QT_TRANSLATE_NOOP("MainWindow", "&DRC"), nullptr,
     ":/KaRiX_icon/KaRiX_DRC.png", Menu::Edit, true},
    {&MainActions::actionVerify, "actionVerify", QT_TRANSLATE_NOOP("MainWindow", "&Verify"), nullptr,
     nullptr, Menu::Edit, false},
    {&MainActions::actionZoomIn, "actionZoomIn", QT_TRANSLATE_NOOP("MainWindow", "Zoom &In"), "Ctrl++",
     nullptr, Menu::View, false},
    {&MainActions::actionZoomOut, "actionZoomOut", QT_TRANSLATE_NOOP("MainWindow", "Zoom &Out"),
     "Ctrl+-", nullptr, Menu::View, false},
    {&MainActions::actionResetZoom, "actionResetZoom", QT_TRANSLATE_NOOP("MainWindow", "&Actual Size"),
     "Ctrl+0", nullptr, Menu::View, false},
    {&MainActions::actionFitSheet, "actionFitSheet", QT_TRANSLATE_NOOP("MainWindow", "&Fit sheet"),
     nullptr, nullptr, Menu::View, true},
    {&MainActions::actionEthernetSetting, "actionEthernetSetting",
     QT_TRANSLATE_NOOP("MainWindow", "&Ethernet Setting"), nullptr,
     ":/KaRiX_icon/KaRiX_Cofigure.png", Menu::Setup, false},
    {&MainActions::actionHardwareSetup, "actionHardwareSetup",
     QT_TRANSLATE_NOOP("MainWindow", "&Hardware Setup"), nullptr, nullptr, Menu::Setup, false},
    {&MainActions::actionSaveToRom, "actionSaveToRom", QT_TRANSLATE_NOOP("MainWindow", "&Save to ROM"),
     nullptr, nullptr, Menu::Setup, false},
    {&MainActions::actionRestoreFromRom, "actionRestoreFromRom",
     QT_TRANSLATE_NOOP("MainWindow", "&Restore from ROM"), nullptr, nullptr, Menu::Setup, false},
    {&MainActions::actionChangeBootRomPage, "actionChangeBootRomPage",
     QT_TRANSLATE_NOOP("MainWindow", "&Change Boot ROM Page"), nullptr, nullptr, Menu::Setup, false},
    {&MainActions::actionInitializeRom, "actionInitializeRom",
     QT_TRANSLATE_NOOP("MainWindow", "&Initialize ROM area"), nullptr, nullptr, Menu::Setup, false},
    {&MainActions::actionUserGuide, "actionUserGuide", QT_TRANSLATE_NOOP("MainWindow", "&User Guide"),
     "F1", nullptr, Menu::Help, false},
    {&MainActions::actionAbout, "actionAbout", QT_TRANSLATE_NOOP("MainWindow", "&About KaRiX"),
     nullptr, nullptr, Menu::Help, false},
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
    menuHelp = addMenu(QT_TRANSLATE_NOOP("MainWindow", "&Help"), "menuHelp");
    QMenu *const menus[] = {nullptr, menuFile, menuEdit, menuView, menuSetup, menuHelp};
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
