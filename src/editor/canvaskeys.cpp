// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/canvaskeys.h"

#include "editor/blockmover.h"
#include "editor/programwidget.h"

CanvasKeys::CanvasKeys(ProgramWidget &canvas, BlockMover &mover)
    : m_canvas(canvas), m_mover(mover)
{
}

CanvasKeys::Outcome CanvasKeys::press(int key)
{
    bool changed = false;
    switch (key) {
    case Qt::Key_Delete:
        // Deleting reports its own change.
        m_canvas.deleteSelection();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        changed = m_mover.moveByRows(key == Qt::Key_Up ? -1 : 1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        changed = m_mover.changeLabelSide(key == Qt::Key_Left);
        break;
    default:
        return Outcome::Ignored;
    }
    return changed ? Outcome::Changed : Outcome::Handled;
}
