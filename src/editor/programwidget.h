// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/blockhost.h"
#include "editor/blockmover.h"
#include "editor/canvasdrops.h"
#include "editor/canvaskeys.h"
#include "editor/canvasselection.h"
#include "editor/canvasview.h"
#include "editor/dragwidget.h"
#include "editor/gesturecontroller.h"
#include "render/sheetpainter.h"
#include "render/wiremap.h"
#include "io/documentcontext.h"

#include <QPoint>

class BlockEditorOpener;
class BlockItem;
class CanvasHover;
class CanvasOverlay;
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
// and label-bar drops create blocks (CanvasDrops); keys delete and move
// (CanvasKeys); a
// right click opens the menu of what it hits (CanvasMenu). Every completed
// change emits modified() once. The pointer shows what a press would do and
// the tooltip of what it is over (CanvasHover).
//
// Zoom: blocks, wires and hit tests are reckoned in sheet coordinates; the
// view maps them to the widget's pixels for painting and maps every mouse
// position back once, where the event comes in.
class ProgramWidget : public DragWidget, public BlockHost
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
    BlockEditorOpener *editorOpener() const override { return m_opener; }
    // Not owned; null: no boxes (warnings are dropped, the port list is
    // cancelled). The window installs its own, which reach its prompter.
    void setPrompts(CanvasPrompts *prompts) { m_prompts = prompts; }
    CanvasPrompts *prompts() const override { return m_prompts; }
    // The whole document, from which a wire being drawn learns which blocks
    // would take it; without it no block is highlighted.
    void setDocumentContext(const DocumentContext &context) { m_context = context; }

    // The sheet's extent in sheet coordinates (bands and headers).
    static QSize sheetSize();
    double zoom() const { return m_view.zoom(); }
    const CanvasView &view() const { return m_view; }
    void setZoom(double zoom);
    // The window's paste command, offered by the canvas menu; not owned.
    void setPasteAction(QAction *paste) { m_paste = paste; }
    CanvasGesture gesture() const { return m_gestures.gesture(); }
    // While a wire is drawn: the blocks that would take it.
    const QList<BlockItem *> &wireTargets() const { return m_gestures.wireTargets(); }
    // The block under a sheet point, none in the header strip.
    BlockItem *blockAt(const QPoint &point) const;

    Sheet *sheet() const { return m_sheet; }
    int sheetIndex() const;

    WireMap &wireMap() { return m_wireMap; }
    // The wires must be rebuilt and the canvas repainted.
    void markWiresDirty();
    // Selects the wire at `point`: its destination becomes the current block.
    bool selectWireAt(const QPoint &point);
    CanvasSelection &selection() { return m_selection; }

    // What Cut, Copy and Delete act on; the window enables them by it.
    enum class Selected { Nothing, Block, Blocks, Wire };
    Selected selected() const;
    // Deletes the selected wire, else the selected blocks, or the current
    // block when nothing is selected, giving their resources back.
    void deleteSelection();
    // The selected blocks, or the current block, as a clipboard fragment.
    void copySelection() override;
    void cutSelection() override;
    // Deletes one block; a label or feedback path goes with every reference
    // to it on every sheet, as one change.
    void deleteBlock(BlockItem *block) override;
    void renameBlock(BlockItem *block) override;
    // Delete, Up, Down, Left and Right; false for any other key. The window
    // hands keys here directly, so no shortcut sees them a second time.
    bool handleKey(int key);
    // The canvas menu for a sheet point: the block's menu on a block,
    // "Delete" on a wire, else "Paste". The caller owns it.
    QMenu *createMenu(const QPoint &point);
    // Called when this canvas becomes the current sheet.
    void refreshSelectionState();

    // After a parameter dialog or the rename prompt changed the block:
    // shows its edited picture and reports the change.
    void updateBlock(BlockItem *block) override;
    // Moves an input, output or measure counter to another free port of its
    // kind, as the port dialog would with the name left as it is.
    void moveToPort(BlockItem *block, const QString &port) override;
    QWidget *dialogParent() override { return this; }
    QPoint globalPositionOf(const BlockItem *block) const override;
    QStringList portChoices(const BlockItem *block) const override;
    // The block whose output grip is lit (the pointer is over it), or null.
    const BlockItem *litGrip() const;

    const SheetPainter &sheetPainter() const { return m_painter; }

public slots:
    void deleteLine();

signals:
    // What is selected changed: Cut, Copy and Delete follow selected().
    void itemSelect(bool selected);
    // Ctrl+wheel: steps up (> 0) or down the zoom ladder.
    void zoomStepRequested(int steps);
    // The design changed through this canvas; the window records an edit step.
    void modified();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void pressOnEmptyCanvas(const QPoint &press, Qt::MouseButton button);
    void pressOnBlock(BlockItem *block, const QPoint &press, Qt::MouseButton button);
    void reportSelection();
    void commit();
    void forgetBlock(BlockItem *block);
    void paintSelectedWire(QPainter &painter);

    Sheet *m_sheet;
    DesignModel *m_design;
    DesignEdits *m_edits;

    SheetPainter m_painter;
    CanvasView m_view;
    DocumentContext m_context;
    WireMap m_wireMap;
    CanvasSelection m_selection;
    BlockMover m_mover;
    GestureController m_gestures;
    CanvasOverlay *m_overlay;
    CanvasHover *m_hover;
    CanvasDrops m_drops;
    CanvasKeys m_keys;
    BlockEditorOpener *m_opener = nullptr;
    CanvasPrompts *m_prompts = nullptr;
    QAction *m_paste = nullptr;
    int m_wheelDelta = 0; // Ctrl+wheel turns short of a notch
};
