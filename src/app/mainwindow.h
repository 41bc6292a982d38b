#pragma once

#include "app/keystate.h"
#include "model/connectionsettings.h"

#include <QMainWindow>
#include <memory>

class BlockDialogOpener;
class DeviceCommands;
class DesignDocument;
class DialogPrompter;
class DocumentController;
class EditCommands;
class LabelWidget;
class MainActions;
class MenuWidget;
class ProgramWidget;
class Prompter;
class QTabWidget;
class SheetTabs;
class UndoStack;

// The program's only top-level window: the menus, the tool bar, the sheet
// tabs, the palette and the label bar. It owns the open document and the
// objects that act on it, and wires the actions to them: the document's
// life cycle and history (DocumentController), the sheets (SheetTabs), the
// Edit menu (EditCommands) and the block dialogs the canvases open
// (BlockDialogOpener). The device commands' slots stay here until their own
// object takes them.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // options: the connection settings given on the command line, or null.
    MainWindow(const QString &fileName, const ConnectionSettings *options,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // Questions and warnings go through the prompter (not owned; null
    // restores the real dialogs).
    void setPrompter(Prompter *prompter);
    // Offers to restore changes that a program which died left unsaved.
    void restoreUnsavedChanges();

    DesignDocument &document() const;
    const ConnectionSettings &connectionSettings() const;
    QString currentFileName() const;
    int sheetCount() const;
    int currentSheet() const;
    ProgramWidget *canvas(int index) const;
    ProgramWidget *currentCanvas() const;
    QTabWidget *tabWidget() const;
    MenuWidget *palette() const;
    LabelWidget *labelBar() const;
    const KeyState &keyState() const;
    UndoStack &history() const;
    DocumentController &documentController() const;
    DeviceCommands &deviceCommands() const { return *m_device; }

    // Every completed change calls this once.
    void recordEditStep();

signals:
    void closeKovix();
    void currentTabChanged(int index);

public slots:
    void itemSelect(bool selected);
    void newDiagram();
    void open(const QString &fileName);
    void open();
    void openRecentFile();
    bool save(const QString &fileName);
    bool save();
    void saveAs();
    void tabNew(bool bModified);
    void tabNew();
    void tabDelete(int index);
    void tabRename();
    void showTabMenu(const QPoint &point);
    void setCurrentTab(int index);
    void isCopyText();

    void on_action_Download_triggered();
    void on_action_Property_triggered();
    void on_action_Undo_triggered();
    void on_actionRe_do_triggered();
    void on_actionKovix_triggered();
    void on_action_About_triggered();
    void on_action_DRC_triggered();
    void on_actionHardware_Setup_triggered();
    void on_actionCut_triggered();
    void on_actionCopy_triggered();
    void on_actionPaste_triggered();
    void on_action_Delete_triggered();
    void on_actionSelect_All_triggered();
    void on_action_Verify_triggered();
    void on_action_Save_triggered();
    void on_action_Restore_triggered();
    void on_action_Clear_ROM_triggered();
    void on_action_Write_Protect_triggered();
    void on_action_Change_Boot_ROM_Page_triggered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildCentralArea();
    void connectActions();
    void connectCanvas(ProgramWidget *canvas);
    void restoreGeometryFromSettings();
    // Filters the key events of the focus widget: remembers held keys and
    // hands the canvas keys to the current canvas exactly once per press.
    bool trackKey(QKeyEvent *event);

    std::unique_ptr<MainActions> m_ui;
    std::unique_ptr<DesignDocument> m_document;
    std::unique_ptr<DialogPrompter> m_dialogPrompter;
    // The parameter dialogs the canvases open.
    std::unique_ptr<BlockDialogOpener> m_blockDialogs;
    KeyState m_keys;
    // Children of the window, created in this order; each refers to the
    // ones before it.
    SheetTabs *m_tabs = nullptr;
    DocumentController *m_controller = nullptr;
    EditCommands *m_edits = nullptr;
    DeviceCommands *m_device = nullptr;
    MenuWidget *m_palette = nullptr;
    LabelWidget *m_labelBar = nullptr;
};
