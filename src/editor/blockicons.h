// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QPixmap>

class BlockItem;
class QLabel;
class QWidget;

// One child label per block of a canvas, at the block's position, showing
// its picture plain or in the selection colour.
class BlockIcons
{
public:
    explicit BlockIcons(QWidget *canvas);

    QLabel *iconOf(const BlockItem *block) const;
    bool contains(const BlockItem *block) const;
    void add(const BlockItem *block);
    void move(const BlockItem *block);
    void remove(const BlockItem *block);
    // Nothing happens for a block without an icon.
    void setPicture(const BlockItem *block, const QPixmap &picture, bool highlighted);
    void highlight(const BlockItem *block, bool highlighted);

private:
    struct Icon
    {
        QLabel *label = nullptr;
        QPixmap picture; // as placed or edited, not highlighted
    };

    QWidget *m_canvas;
    QHash<const BlockItem *, Icon> m_icons;
};
