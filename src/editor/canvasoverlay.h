// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class BlockItem;
class CanvasView;
class GestureController;

// What a canvas draws over its blocks while the mouse works on it: the
// output grip under the pointer, and the feedback of the gesture in hand
// (the rubber line with the blocks that would take the wire, the band, the
// outlines of a move). A transparent child covering the canvas, kept above
// the block icons, so that the feedback is not hidden under a picture.
class CanvasOverlay : public QWidget
{
    Q_OBJECT
public:
    // view and gestures belong to the canvas and outlive the overlay.
    CanvasOverlay(QWidget *canvas, const CanvasView &view, const GestureController &gestures);

    // The block whose grip the pointer is over, or null.
    void setGrip(const BlockItem *block);
    const BlockItem *grip() const { return m_grip; }
    // The area that shows a block's output grip, in sheet coordinates.
    static QRect gripRect(const BlockItem &block);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const CanvasView &m_view;
    const GestureController &m_gestures;
    const BlockItem *m_grip = nullptr;
};
