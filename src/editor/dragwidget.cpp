#include "editor/dragwidget.h"

#include "editor/dragpayload.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QMimeData>

DragWidget::DragWidget(QWidget *parent) : QFrame(parent)
{
    setAcceptDrops(true);
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
    if (event->source() == this) {
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
    return drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}
