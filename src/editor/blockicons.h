// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QPixmap>

class BlockItem;
class CanvasView;
class QLabel;
class QWidget;

// One child label per block of a canvas, at the block's position, showing
// its picture plain or in the selection colour, both through the canvas's
// view (position and picture scaled by its zoom).
class BlockIcons
{
public:
    // view: the canvas's, read whenever an icon is laid out.
    BlockIcons(QWidget *canvas, const CanvasView &view);

    QLabel *iconOf(const BlockItem *block) const;
    bool contains(const BlockItem *block) const;
    void add(const BlockItem *block);
    void move(const BlockItem *block);
    void remove(const BlockItem *block);
    // Nothing happens for a block without an icon.
    void setPicture(const BlockItem *block, const QPixmap &picture, bool highlighted);
    void highlight(const BlockItem *block, bool highlighted);
    // Lays every icon out again after the view's zoom changed.
    void relayout();

private:
    struct Icon
    {
        QLabel *label = nullptr;
        QPixmap picture; // as placed or edited, not highlighted, not zoomed
        bool highlighted = false;
    };

    void show(const BlockItem *block, const Icon &icon) const;

    QWidget *m_canvas;
    const CanvasView &m_view;
    QHash<const BlockItem *, Icon> m_icons;
};
