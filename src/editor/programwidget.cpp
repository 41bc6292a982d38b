// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/programwidget.h"

#include "editor/blockeditoropener.h"
#include "editor/blockediting.h"
#include "editor/canvashover.h"
#include "editor/canvasmenu.h"
#include "editor/canvasoverlay.h"
#include "editor/canvashittest.h"
#include "editor/wiretargets.h"
#include "io/clipboardfragment.h"
#include "model/blockitem.h"
#include "model/designedits.h"
#include "model/designmodel.h"
#include "model/parameteredits.h"
#include "model/sheet.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <optional>

namespace {

// The canvas's size at 100 %: the column bands' extent.
constexpr QSize kSheetSize(771, 1030);
constexpr QSize kMinimumSize(750, 1030);

} // namespace

ProgramWidget::ProgramWidget(Sheet *sheet, DesignModel *design, DesignEdits *edits,
                             const ConnectionSettings *settings, QWidget *parent)
    : DragWidget(parent),
      m_sheet(sheet),
      m_design(design),
      m_edits(edits),
      m_painter(*sheet, design, settings),
      m_wireMap(*sheet),
      m_selection(*sheet, [this](BlockItem *, bool) { update(); }),
      m_mover(*sheet, *edits, m_selection),
      m_gestures(*sheet, *edits, m_selection, m_mover),
      m_overlay(new CanvasOverlay(this, m_view, m_gestures)),
      m_hover(new CanvasHover(*this, *m_overlay)),
      m_drops(*this, *edits),
      m_keys(*this, m_mover)
{
    setMinimumSize(kMinimumSize);
    setContextMenuPolicy(Qt::CustomContextMenu);
    // Left and Right come by the focus; the window forwards the other keys.
    setFocusPolicy(Qt::ClickFocus);

    connect(sheet, &Sheet::blockPlaced, this, &ProgramWidget::markWiresDirty);
    connect(sheet, &Sheet::blockMoved, this, &ProgramWidget::markWiresDirty);
    connect(sheet, &Sheet::blockRemoved, this, &ProgramWidget::forgetBlock);
    connect(design, &DesignModel::blockAboutToBeRemoved, this, &ProgramWidget::forgetBlock);
    // A change anywhere may rename a label referenced here.
    connect(design, &DesignModel::blockChanged, this, qOverload<>(&QWidget::update));
    connect(&m_selection, &CanvasSelection::itemSelect, this, &ProgramWidget::itemSelect);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &point) { CanvasMenu::popup(*this, point, m_paste); });
}

ProgramWidget::~ProgramWidget() = default;

QSize ProgramWidget::sheetSize()
{
    return kSheetSize;
}

void ProgramWidget::setZoom(double zoom)
{
    if (!m_view.setZoom(zoom))
        return;
    setMinimumSize(m_view.toWidget(kMinimumSize));
    update();
}

void ProgramWidget::resizeEvent(QResizeEvent *event)
{
    DragWidget::resizeEvent(event);
    m_overlay->setGeometry(rect());
}

QPoint ProgramWidget::globalPositionOf(const BlockItem *block) const
{
    return mapToGlobal(m_view.toWidget(block->position()));
}

QStringList ProgramWidget::portChoices(const BlockItem *block) const
{
    QStringList ports{block->name()};
    m_design->freeResourceNames(block->term(), ports, block->sheet());
    return ports;
}

const BlockItem *ProgramWidget::litGrip() const
{
    return m_overlay->grip();
}

int ProgramWidget::sheetIndex() const
{
    return m_sheet->index();
}

void ProgramWidget::forgetBlock(BlockItem *block)
{
    m_selection.forget(block);
    m_gestures.forget(block);
    if (m_overlay->grip() == block)
        m_overlay->setGrip(nullptr);
    markWiresDirty();
}

void ProgramWidget::updateBlock(BlockItem *)
{
    update();
    emit modified();
}

void ProgramWidget::moveToPort(BlockItem *block, const QString &port)
{
    // A block showing its port's name goes on showing the port it moves to.
    const bool showsPortName = block->displayName() == block->name();
    const QString name = showsPortName ? port : block->displayName();
    if (ParameterEdits(*m_design, *m_edits).setPort(block, port, name))
        updateBlock(block);
}

ProgramWidget::Selected ProgramWidget::selected() const
{
    if (m_selection.isWireSelected())
        return Selected::Wire;
    const QList<BlockItem *> blocks = m_selection.blocksToMove();
    if (blocks.isEmpty())
        return Selected::Nothing;
    return blocks.size() == 1 ? Selected::Block : Selected::Blocks;
}

void ProgramWidget::reportSelection()
{
    emit itemSelect(selected() != Selected::Nothing);
}

void ProgramWidget::deleteSelection()
{
    if (m_selection.isWireSelected()) {
        deleteLine();
        return;
    }
    const QList<BlockItem *> doomed = m_selection.blocksToMove();
    if (doomed.isEmpty())
        return;
    m_selection.clear();
    m_edits->deleteBlocks(doomed);
    commit();
    reportSelection();
}

void ProgramWidget::copySelection()
{
    QApplication::clipboard()->setText(ClipboardFragment::write(m_selection.blocksToMove()));
}

void ProgramWidget::cutSelection()
{
    copySelection();
    deleteSelection();
}

void ProgramWidget::deleteBlock(BlockItem *block)
{
    if (BlockKinds::definesLabel(block->kind()))
        m_edits->deleteBlocksNamed(block->name());
    else
        m_edits->deleteBlock(block);
    commit();
    reportSelection();
}

void ProgramWidget::renameBlock(BlockItem *block)
{
    if (m_opener && m_opener->rename(block, this) == BlockEditorOpener::Outcome::Changed)
        updateBlock(block);
}

void ProgramWidget::commit()
{
    markWiresDirty();
    emit modified();
}

void ProgramWidget::markWiresDirty()
{
    m_wireMap.markDirty();
    update();
}

void ProgramWidget::refreshSelectionState()
{
    m_selection.refresh();
    update();
}

bool ProgramWidget::selectWireAt(const QPoint &point)
{
    const std::optional<WireMap::Wire> wire = m_wireMap.wireAt(point);
    if (!wire)
        return false;
    m_selection.selectWire(wire->line, wire->destination);
    update();
    reportSelection();
    return true;
}

void ProgramWidget::paintEvent(QPaintEvent *event)
{
    DragWidget::paintEvent(event);
    QPainter painter(this);
    painter.setTransform(m_view.transform());
    m_painter.paintBackdrop(painter, m_view.toSheet(QPointF(width(), 0)).x());
    m_painter.paintWires(painter, m_wireMap.wires());
    paintSelectedWire(painter);
    m_painter.paintBlocks(painter, [this](const BlockItem *block) { return m_selection.isHighlighted(block); });
    // The gesture's feedback is the overlay's, drawn above the sheet.
}

void ProgramWidget::paintSelectedWire(QPainter &painter)
{
    // The selected wire is drawn over the others so the user sees what
    // Delete will remove.
    if (!m_selection.isWireSelected())
        return;
    painter.setPen(QPen(QColor(0, 0, 255), 2));
    painter.drawLine(m_selection.selectedWire());
}

// ---- gestures ----

void ProgramWidget::mousePressEvent(QMouseEvent *event)
{
    const QPoint press = m_view.toSheet(event->position());
    BlockItem *pressed = blockAt(press);
    m_selection.press(event->modifiers(), pressed);
    m_selection.setCurrentBlock(nullptr);
    if (CanvasHitTest::inHeaderStrip(press))
        m_selection.clear();
    else if (pressed)
        pressOnBlock(pressed, press, event->button());
    else
        pressOnEmptyCanvas(press, event->button());
    m_overlay->setGrip(nullptr);
    update();
    reportSelection();
    event->accept();
}

void ProgramWidget::pressOnEmptyCanvas(const QPoint &press, Qt::MouseButton button)
{
    m_selection.clear();
    if (button == Qt::LeftButton && !selectWireAt(press))
        m_gestures.pressOnCanvas(press);
}

void ProgramWidget::pressOnBlock(BlockItem *block, const QPoint &press, Qt::MouseButton button)
{
    m_selection.setCurrentBlock(block);
    // The right button opens the block's menu; only the left one drags.
    if (button != Qt::LeftButton)
        return;
    m_gestures.pressOnBlock(block, press);
    if (m_gestures.gesture() == CanvasGesture::DrawingWire) {
        m_gestures.setWireTargets(WireTargets::of(m_context, *m_sheet, *block));
        setCursor(Qt::CrossCursor);
    }
}

void ProgramWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = m_view.toSheet(event->position());
    if (m_gestures.move(point)) {
        update();
        m_overlay->update();
    } else {
        m_hover->hover(point);
    }
    event->accept();
}

void ProgramWidget::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint point = m_view.toSheet(event->position());
    const GestureController::Outcome outcome = m_gestures.release(point);
    if (!outcome.warning.isEmpty())
        m_drops.warnLater(outcome.warning);
    if (outcome.changed)
        commit();
    m_hover->hover(point);
    update();
    m_overlay->update();
    reportSelection();
    event->accept();
}

void ProgramWidget::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        DragWidget::wheelEvent(event);
        return;
    }
    // One notch is 120; a touchpad's small deltas add up to a notch.
    m_wheelDelta += event->angleDelta().y();
    const int steps = m_wheelDelta / 120;
    m_wheelDelta -= steps * 120;
    if (steps != 0)
        emit zoomStepRequested(steps);
    event->accept();
}

void ProgramWidget::dropEvent(QDropEvent *event)
{
    const QString key = CanvasDrops::newBlockKey(event->mimeData());
    if (key.isEmpty()) {
        event->ignore();
        return;
    }
    if (BlockItem *placed = m_drops.place(key, sheetIndex())) {
        m_selection.setCurrentBlock(placed);
        emit itemSelect(true);
        commit();
    }
    event->acceptProposedAction();
}

bool ProgramWidget::handleKey(int key)
{
    const CanvasKeys::Outcome outcome = m_keys.press(key);
    if (outcome == CanvasKeys::Outcome::Ignored)
        return false;
    if (outcome == CanvasKeys::Outcome::Changed)
        commit();
    update();
    m_overlay->update();
    reportSelection();
    return true;
}

void ProgramWidget::keyPressEvent(QKeyEvent *event)
{
    if (handleKey(event->key()))
        event->accept();
    else
        DragWidget::keyPressEvent(event);
}

void ProgramWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint point = m_view.toSheet(event->position());
    if (BlockItem *block = blockAt(point); block && block->traits().hasEditor())
        BlockEditing::open(*this, block);
    event->accept();
}

BlockItem *ProgramWidget::blockAt(const QPoint &point) const
{
    return CanvasHitTest::inHeaderStrip(point) ? nullptr : CanvasHitTest::blockAt(*m_sheet, point);
}

QMenu *ProgramWidget::createMenu(const QPoint &point)
{
    return CanvasMenu::create(*this, point, m_paste);
}

void ProgramWidget::deleteLine()
{
    BlockItem *destination = m_selection.currentBlock();
    if (!m_selection.isWireSelected() || !destination)
        return;
    const bool removed = m_edits->deleteWire(destination, m_selection.selectedWire());
    m_selection.clearWire();
    // The wire's destination was current but never highlighted: with the
    // wire gone nothing is selected.
    m_selection.setCurrentBlock(nullptr);
    if (removed)
        commit();
    update();
    reportSelection();
}
