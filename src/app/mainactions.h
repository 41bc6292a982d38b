#pragma once

#include <QList>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

// The main window's actions, menus and tool bar. Every action is a child of
// the window carrying its form object name, so QMetaObject::connectSlotsByName
// binds the window's on_<action>_triggered() slots.
class MainActions
{
public:
    static constexpr int recentFileCount = 7;

    explicit MainActions(QMainWindow *window);

    QAction *actionNew;
    QAction *actionOpen;
    QAction *actionSave;
    QAction *actionSaveAs;
    QAction *action_Write_Protect;
    QAction *action_Download;
    QAction *actionKovix;
    QAction *actionQuit;
    QAction *actionClose;
    QAction *action_Undo;
    QAction *actionRe_do;
    QAction *actionCut;
    QAction *actionCopy;
    QAction *actionPaste;
    QAction *action_Delete;
    QAction *actionSelect_All;
    QAction *actionTabNew;
    QAction *actionRename;
    QAction *action_DRC;
    QAction *action_Verify;
    QAction *action_Property;
    QAction *actionHardware_Setup;
    QAction *action_Save;
    QAction *action_Restore;
    QAction *action_Change_Boot_ROM_Page;
    QAction *action_Clear_ROM;
    QAction *actionUser_Guide;
    QAction *action_About;

    QMenu *menuFile;
    QMenu *menu_Recent_Files;
    QMenu *menuTab;
    QMenu *menu_Setup;
    QMenu *menu_Help;
    QToolBar *toolBar;
    // Invisible until filled from the recent-file list.
    QList<QAction *> recentFileActions;

private:
    void createActions();
    void createMenus();
    void createToolBar();

    QMainWindow *m_window;
};
