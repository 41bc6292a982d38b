// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

struct DragPayload;
class QLabel;
class QPixmap;

// Framed widget that takes part in the editor's drag and drop: it accepts
// the editor's drag payload (as a move when the drag started here) and can
// start a drag showing a picture.
class DragWidget : public QFrame
{
    Q_OBJECT
public:
    explicit DragWidget(QWidget *parent = nullptr);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;

    // Runs a modal drag; copy and move are allowed, copy is the default.
    Qt::DropAction startDrag(const DragPayload &payload, const QPixmap &picture,
                             const QPoint &hotSpot);
    // The event belongs to a drag this widget started.
    bool isOwnDrag(const QDropEvent *event) const;

private:
    void acceptEditorDrag(QDropEvent *event);

    bool m_dragging = false;
};
