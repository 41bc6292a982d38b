// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dragwidget.h"

#include "editor/dragpayload.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QMimeData>
#include <QScopedValueRollback>

DragWidget::DragWidget(QWidget *parent) : QFrame(parent)
{
    setAcceptDrops(true);
}

bool DragWidget::isOwnDrag(const QDropEvent *event) const
{
    return m_dragging || event->source() == this;
}

void DragWidget::dragEnterEvent(QDragEnterEvent *event)
{
    acceptEditorDrag(event);
}

void DragWidget::dragMoveEvent(QDragMoveEvent *event)
{
    acceptEditorDrag(event);
}

void DragWidget::acceptEditorDrag(QDropEvent *event)
{
    if (!event->mimeData()->hasFormat(DragPayload::mimeType())) {
        event->ignore();
        return;
    }
    if (isOwnDrag(event)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->acceptProposedAction();
    }
}

Qt::DropAction DragWidget::startDrag(const DragPayload &payload, const QPixmap &picture,
                                     const QPoint &hotSpot)
{
    auto *drag = new QDrag(this);
    drag->setMimeData(payload.toMimeData());
    drag->setPixmap(picture);
    drag->setHotSpot(hotSpot);
    QScopedValueRollback<bool> dragging(m_dragging, true);
    return drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}
