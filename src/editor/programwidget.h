// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/blockmover.h"
#include "editor/canvasselection.h"
#include "editor/dragwidget.h"
#include "editor/gesturecontroller.h"
#include "render/sheetpainter.h"
#include "render/wiremap.h"

#include <QPoint>

class BlockEditorOpener;
class BlockItem;
class CanvasPrompts;
class QAction;
class QMenu;
class DesignEdits;
class DesignModel;
class QPainter;
class Sheet;
struct ConnectionSettings;

// The canvas of one sheet: five coloured column bands with their headers,
// the blocks at their positions and the wires from the blocks' connection
// data, all painted by the SheetPainter that export and print use too. The
// sheet and the design belong to the document; the canvas follows the
// sheet's and the design's signals to repaint, and changes the design only
// through the document's edits.
//
// Editing: a press on empty canvas starts a rubber band, a press on a block
// moves it or, near its output, draws a wire, until the release; palette
// and label-bar drops create blocks; keys delete and move; a right click
// opens the menu of what it hits. Every completed change emits modified()
// once.
class ProgramWidget : public DragWidget
{
    Q_OBJECT
public:
    // settings: the main window's current connection settings, shown in the
    // caption and read at every paint; not owned.
    ProgramWidget(Sheet *sheet, DesignModel *design, DesignEdits *edits,
                  const ConnectionSettings *settings, QWidget *parent = nullptr);
    ~ProgramWidget() override;

    DesignModel *design() const { return m_design; }
    // Not owned; null: blocks without a dialog get the port list.
    void setEditorOpener(BlockEditorOpener *opener) { m_opener = opener; }
    BlockEditorOpener *editorOpener() const { return m_opener; }
    // Not owned; null: no boxes (warnings are dropped, the port list is
    // cancelled). The window installs its own, which reach its prompter.
    void setPrompts(CanvasPrompts *prompts) { m_prompts = prompts; }
    CanvasPrompts *prompts() const { return m_prompts; }
    // The window's paste command, offered by the canvas menu; not owned.
    void setPasteAction(QAction *paste) { m_paste = paste; }
    CanvasGesture gesture() const { return m_gestures.gesture(); }

    Sheet *sheet() const { return m_sheet; }
    int sheetIndex() const;

    WireMap &wireMap() { return m_wireMap; }
    // The wires must be rebuilt and the canvas repainted.
    void markWiresDirty();
    // Selects the wire at `point`: its destination becomes the current block.
    bool selectWireAt(const QPoint &point);
    CanvasSelection &selection() { return m_selection; }

    // Deletes the selected blocks, or the current block when nothing is
    // selected, giving their resources back.
    void deleteSelection();
    // The selected blocks, or the current block, as a clipboard fragment.
    void copySelection();
    void cutSelection();
    // Deletes one block; a label or feedback path goes with every reference
    // to it on every sheet, as one change.
    void deleteBlock(BlockItem *block);
    void renameBlock(BlockItem *block);
    // Delete, Up, Down, Left and Right; false for any other key. The window
    // hands keys here directly, so no shortcut sees them a second time.
    bool handleKey(int key);
    // The canvas menu for a point: the block's menu on a block, "Delete" on
    // a wire, else "Paste". The caller owns it.
    QMenu *createMenu(const QPoint &point);
    // Called when this canvas becomes the current sheet.
    void refreshSelectionState();

    // After a parameter dialog or the rename prompt changed the block:
    // shows its edited picture and reports the change.
    void updateBlock(BlockItem *block);
    // Moves an input, output or measure counter to another free port of its
    // kind, as the port dialog would with the name left as it is.
    void moveToPort(BlockItem *block, const QString &port);

    const SheetPainter &sheetPainter() const { return m_painter; }

public slots:
    void showMenu(const QPoint &point);
    void deleteLine();

signals:
    void itemSelect(bool selected);
    // The design changed through this canvas; the window records an edit step.
    void modified();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The block under a press, none in the header strip.
    BlockItem *blockAt(const QPoint &point) const;
    void pressOnEmptyCanvas(const QPoint &press, Qt::MouseButton button);
    void pressOnBlock(BlockItem *block, const QPoint &press, Qt::MouseButton button);
    void dropNewBlock(const QString &key);
    void warnAfterDrop(const QString &text);
    void commit();
    void forgetBlock(BlockItem *block);
    void paintSelectedWire(QPainter &painter);
    // The block's or wire's tooltip at a point; empty over empty canvas.
    QString toolTipAt(const QPoint &point);

    Sheet *m_sheet;
    DesignModel *m_design;
    DesignEdits *m_edits;

    SheetPainter m_painter;
    WireMap m_wireMap;
    CanvasSelection m_selection;
    BlockMover m_mover;
    GestureController m_gestures;
    BlockEditorOpener *m_opener = nullptr;
    CanvasPrompts *m_prompts = nullptr;
    QAction *m_paste = nullptr;
};
