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

QAction *makeAction(QMainWindow *window, const char *objectName, const char *caption,
                    const QKeySequence &shortcut = {}, const char *iconPath = nullptr)
{
    auto *action = new QAction(text(caption), window);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setShortcut(shortcut);
    if (iconPath)
        action->setIcon(QIcon(QString::fromLatin1(iconPath)));
    return action;
}

} // namespace

MainActions::MainActions(QMainWindow *window) : m_window(window)
{
    createActions();
    createMenus();
    createToolBar();
}

void MainActions::createActions()
{
    QMainWindow *w = m_window;
    actionNew = makeAction(w, "actionNew", QT_TRANSLATE_NOOP("MainWindow", "&New"), QKeySequence(QStringLiteral("Ctrl+N")),
                           ":/KaRiX_icon/KaRiX_New file.png");
    actionOpen = makeAction(w, "actionOpen", QT_TRANSLATE_NOOP("MainWindow", "&Open ..."), QKeySequence(QStringLiteral("Ctrl+O")),
                            ":/KaRiX_icon/KaRiX_folder2.png");
    actionSave = makeAction(w, "actionSave", QT_TRANSLATE_NOOP("MainWindow", "&Save"), QKeySequence(QStringLiteral("Ctrl+S")),
                            ":/KaRiX_icon/KaRiX_Save1.png");
    actionSaveAs = makeAction(w, "actionSaveAs", QT_TRANSLATE_NOOP("MainWindow", "Save&As ..."));
    action_Write_Protect = makeAction(w, "action_Write_Protect", QT_TRANSLATE_NOOP("MainWindow", "&Write Protect ..."));
    action_Download = makeAction(w, "action_Download", QT_TRANSLATE_NOOP("MainWindow", "&Download"),
                                 QKeySequence(QStringLiteral("Ctrl+D")),
                                 ":/KaRiX_icon/KaRiX_Update.png");
    actionKovix = makeAction(w, "actionKovix", QT_TRANSLATE_NOOP("MainWindow", "&Counters"), {}, ":/KaRiX_icon/KaRiX_Counter1.png");
    actionQuit = makeAction(w, "actionQuit", QT_TRANSLATE_NOOP("MainWindow", "&Quit"), QKeySequence(QStringLiteral("Ctrl+Q")));
    actionClose = makeAction(w, "actionClose", QT_TRANSLATE_NOOP("MainWindow", "&Close"), QKeySequence(QStringLiteral("Ctrl+W")));
    // Not in any menu: added to the window so that its shortcut works.
    w->addAction(actionClose);

    action_Undo = makeAction(w, "action_Undo", QT_TRANSLATE_NOOP("MainWindow", "&Undo"), QKeySequence(QStringLiteral("Ctrl+Z")),
                             ":/KaRiX_icon/KaRiX_Undo.png");
    actionRe_do = makeAction(w, "actionRe_do", QT_TRANSLATE_NOOP("MainWindow", "Re&do"), QKeySequence(QStringLiteral("Ctrl+Y")),
                             ":/KaRiX_icon/KaRiX_Redo.png");
    actionCut = makeAction(w, "actionCut", QT_TRANSLATE_NOOP("MainWindow", "Cu&t"), QKeySequence(QStringLiteral("Ctrl+X")),
                           ":/KaRiX_icon/KaRiX_Cut.png");
    actionCopy = makeAction(w, "actionCopy", QT_TRANSLATE_NOOP("MainWindow", "&Copy"), QKeySequence(QStringLiteral("Ctrl+C")),
                            ":/KaRiX_icon/KaRiX_copy.png");
    actionPaste = makeAction(w, "actionPaste", QT_TRANSLATE_NOOP("MainWindow", "&Paste"), QKeySequence(QStringLiteral("Ctrl+V")),
                             ":/KaRiX_icon/KaRiX_paste.png");
    action_Delete = makeAction(w, "action_Delete", QT_TRANSLATE_NOOP("MainWindow", "&Delete"), QKeySequence(Qt::Key_Delete),
                               ":/images/delbutton.png");
    // Holding Delete deletes once.
    action_Delete->setAutoRepeat(false);
    actionSelect_All = makeAction(w, "actionSelect_All", QT_TRANSLATE_NOOP("MainWindow", "Select &All"),
                                  QKeySequence(QStringLiteral("Ctrl+A")));
    actionTabNew = makeAction(w, "actionTabNew", QT_TRANSLATE_NOOP("MainWindow", "Tab &New"));
    actionRename = makeAction(w, "actionRename", QT_TRANSLATE_NOOP("MainWindow", "Tab &Rename"));
    action_DRC = makeAction(w, "action_DRC", QT_TRANSLATE_NOOP("MainWindow", "&DRC"), {}, ":/KaRiX_icon/KaRiX_DRC.png");
    action_Verify = makeAction(w, "action_Verify", QT_TRANSLATE_NOOP("MainWindow", "&Verify"));
    action_Property = makeAction(w, "action_Property", QT_TRANSLATE_NOOP("MainWindow", "&Ethernet Setting"), {},
                                 ":/KaRiX_icon/KaRiX_Cofigure.png");
    actionHardware_Setup = makeAction(w, "actionHardware_Setup", QT_TRANSLATE_NOOP("MainWindow", "&Hardware Setup"));
    action_Save = makeAction(w, "action_Save", QT_TRANSLATE_NOOP("MainWindow", "&Save to ROM"));
    action_Restore = makeAction(w, "action_Restore", QT_TRANSLATE_NOOP("MainWindow", "&Restore from ROM"));
    action_Change_Boot_ROM_Page = makeAction(w, "action_Change_Boot_ROM_Page",
                                             QT_TRANSLATE_NOOP("MainWindow", "&Change Boot ROM Page"));
    action_Clear_ROM = makeAction(w, "action_Clear_ROM", QT_TRANSLATE_NOOP("MainWindow", "&Initialize ROM area"));
    actionUser_Guide = makeAction(w, "actionUser_Guide", QT_TRANSLATE_NOOP("MainWindow", "&User Guide"),
                                  QKeySequence(Qt::Key_F1));
    action_About = makeAction(w, "action_About", QT_TRANSLATE_NOOP("MainWindow", "&About KaRiX"));

    for (QAction *action : {action_Undo, actionRe_do, actionCut, actionCopy, actionPaste,
                            action_Delete})
        action->setEnabled(false);

    for (int i = 0; i < recentFileCount; ++i) {
        auto *action = new QAction(w);
        action->setVisible(false);
        recentFileActions << action;
    }
}

void MainActions::createMenus()
{
    QMenuBar *bar = m_window->menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    menuFile = bar->addMenu(text(QT_TRANSLATE_NOOP("MainWindow", "&File")));
    menuFile->setObjectName(QStringLiteral("menuFile"));
    menuFile->addAction(actionNew);
    menuFile->addAction(actionOpen);
    menu_Recent_Files = menuFile->addMenu(text(QT_TRANSLATE_NOOP("MainWindow", "&Recent Files")));
    menu_Recent_Files->setObjectName(QStringLiteral("menu_Recent_Files"));
    menu_Recent_Files->addActions(recentFileActions);
    menu_Recent_Files->setEnabled(false);
    menuFile->addActions({actionSave, actionSaveAs});
    menuFile->addSeparator();
    menuFile->addActions({action_Write_Protect, action_Download, actionKovix});
    menuFile->addSeparator();
    menuFile->addAction(actionQuit);

    menuTab = bar->addMenu(text(QT_TRANSLATE_NOOP("MainWindow", "&Edit")));
    menuTab->setObjectName(QStringLiteral("menuTab"));
    menuTab->addActions({action_Undo, actionRe_do});
    menuTab->addSeparator();
    menuTab->addActions({actionCut, actionCopy, actionPaste, action_Delete});
    menuTab->addSeparator();
    menuTab->addAction(actionSelect_All);
    menuTab->addSeparator();
    menuTab->addActions({actionTabNew, actionRename});
    menuTab->addSeparator();
    menuTab->addActions({action_DRC, action_Verify});

    menu_Setup = bar->addMenu(text(QT_TRANSLATE_NOOP("MainWindow", "&Setup")));
    menu_Setup->setObjectName(QStringLiteral("menu_Setup"));
    menu_Setup->addActions({action_Property, actionHardware_Setup, action_Save, action_Restore,
                            action_Change_Boot_ROM_Page, action_Clear_ROM});

    menu_Help = bar->addMenu(text(QT_TRANSLATE_NOOP("MainWindow", "&Help")));
    menu_Help->setObjectName(QStringLiteral("menu_Help"));
    menu_Help->addActions({actionUser_Guide, action_About});
}

void MainActions::createToolBar()
{
    toolBar = new QToolBar(text(QT_TRANSLATE_NOOP("MainWindow", "toolBar")), m_window);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    m_window->addToolBar(Qt::TopToolBarArea, toolBar);
    toolBar->addActions({actionNew, actionOpen, actionSave});
    toolBar->addSeparator();
    toolBar->addActions({actionCut, actionCopy, actionPaste, action_Delete});
    toolBar->addSeparator();
    toolBar->addActions({action_Undo, actionRe_do});
    toolBar->addSeparator();
    toolBar->addActions({action_DRC, action_Property, action_Download, actionKovix});
}
