// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

// The main window's actions, menus and tool bar, made from one table of
// object names, texts, shortcuts, icons and menus. Every action is a child
// of the window; the window wires each to the object that carries it out.
class MainActions
{
public:
    static constexpr int recentFileCount = 7;

    explicit MainActions(QMainWindow *window);

    // The translated status tip of a table action, by its object name; empty
    // for any other action.
    static QString statusTip(const QAction *action);

    QAction *actionNew;
    QAction *actionOpen;
    QAction *actionSave;
    QAction *actionSaveAs;
    QAction *actionExportSheet;
    QAction *actionExportAllSheets;
    QAction *actionPrint;
    QAction *actionWriteProtect;
    QAction *actionDownload;
    QAction *actionCounters;
    QAction *actionQuit;
    QAction *actionClose;
    QAction *actionUndo;
    QAction *actionRedo;
    QAction *actionCut;
    QAction *actionCopy;
    QAction *actionPaste;
    QAction *actionDelete;
    QAction *actionSelectAll;
    QAction *actionNewSheet;
    QAction *actionRenameSheet;
    QAction *actionGoToSheet;
    QAction *actionNextSheet;
    QAction *actionPreviousSheet;
    QAction *actionZoomIn;
    QAction *actionZoomOut;
    QAction *actionResetZoom;
    QAction *actionFitSheet;
    QAction *actionDrc;
    QAction *actionVerify;
    QAction *actionSimulate;
    QAction *actionEthernetSetting;
    QAction *actionHardwareSetup;
    QAction *actionSaveToRom;
    QAction *actionRestoreFromRom;
    QAction *actionChangeBootRomPage;
    QAction *actionInitializeRom;
    QAction *actionUserGuide;
    QAction *actionAbout;

    QMenu *menuFile;
    QMenu *menuRecentFiles;
    QMenu *menuEdit;
    QMenu *menuView;
    QMenu *menuSetup;
    QMenu *menuTools;
    QMenu *menuHelp;
    QToolBar *toolBar;
    // Invisible until filled from the recent-file list.
    QList<QAction *> recentFileActions;

private:
    void createActions();
    void createMenus();
    void createToolBar();

    QMainWindow *m_window;
};
