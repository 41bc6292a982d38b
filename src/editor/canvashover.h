// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class CanvasOverlay;
class ProgramWidget;
class QPoint;

// What a canvas shows about the point under a pointer that holds no button:
// the cursor a press there would bring (a cross over an output grip, which
// lights up, a move cursor over a block body, the arrow elsewhere) and the
// tooltip of the block or wire under it. It filters the canvas's tooltip
// and leave events; the canvas hands it the moves no gesture takes.
class CanvasHover : public QObject
{
    Q_OBJECT
public:
    // A child of the canvas; the overlay belongs to the canvas too.
    CanvasHover(ProgramWidget &canvas, CanvasOverlay &overlay);

    // point: in sheet coordinates.
    void hover(const QPoint &point);
    // The block's or wire's tooltip at a sheet point; empty over empty canvas.
    QString toolTipAt(const QPoint &point) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ProgramWidget &m_canvas;
    CanvasOverlay &m_overlay;
};
