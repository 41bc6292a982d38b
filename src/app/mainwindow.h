// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/keystate.h"

#include <QMainWindow>
#include <memory>

class BlockDialogOpener;
struct ConnectionSettings;
class DesignCheckDock;
class DeviceCommands;
class ExportCommands;
class DesignDocument;
class DialogPrompter;
class DocumentController;
class EditCommands;
class LabelWidget;
class MainActions;
class MenuWidget;
class ProgramWidget;
class Prompter;
class QScrollArea;
class QTabWidget;
class ViewCommands;
class SheetTabs;
class SimulateWindow;
class UndoStack;

// The program's only top-level window: the menus, the tool bar, the sheet
// tabs, the palette and the label bar. It owns the open document and the
// objects that act on it, and wires the actions to them: the document's
// life cycle and history (DocumentController), the sheets (SheetTabs), the
// Edit menu (EditCommands) and the block dialogs the canvases open
// (BlockDialogOpener), the zoom (ViewCommands), the module (DeviceCommands) and the Simulate
// window with its cross-probing (CrossProbe). Each action is wired
// straight to the object that carries it out.
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

    DesignDocument &document() const;
    ProgramWidget *canvas(int index) const;
    ProgramWidget *currentCanvas() const;
    QTabWidget *tabWidget() const;
    MenuWidget *palette() const { return m_palette; }
    LabelWidget *labelBar() const { return m_labelBar; }
    const KeyState &keyState() const { return m_keys; }
    UndoStack &history() const;
    // The objects the actions are wired to.
    DocumentController &documentController() const { return *m_controller; }
    SheetTabs &sheetTabs() const { return *m_tabs; }
    DeviceCommands &deviceCommands() const { return *m_device; }
    SimulateWindow &simulateWindow() const { return *m_simulate; }
    DesignCheckDock &designCheck() const { return *m_designCheck; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildCentralArea();
    void connectActions();
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
    DesignCheckDock *m_designCheck = nullptr;
    ExportCommands *m_export = nullptr;
    MenuWidget *m_palette = nullptr;
    LabelWidget *m_labelBar = nullptr;
    ViewCommands *m_view = nullptr;
    SimulateWindow *m_simulate = nullptr;
    QScrollArea *m_paletteArea = nullptr;
    QScrollArea *m_labelArea = nullptr;
};
