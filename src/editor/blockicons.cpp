// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/blockicons.h"

#include "editor/blockiconpainter.h"
#include "model/blockitem.h"

#include <QLabel>

BlockIcons::BlockIcons(QWidget *canvas) : m_canvas(canvas)
{
}

QLabel *BlockIcons::iconOf(const BlockItem *block) const
{
    return m_icons.value(block).label;
}

bool BlockIcons::contains(const BlockItem *block) const
{
    return m_icons.contains(block);
}

void BlockIcons::add(const BlockItem *block)
{
    auto *label = new QLabel(m_canvas);
    // Presses and right clicks reach the canvas, which finds the block.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setAttribute(Qt::WA_DeleteOnClose);
    label->move(block->position());
    label->show();
    m_icons.insert(block, Icon{label, QPixmap()});
}

void BlockIcons::move(const BlockItem *block)
{
    if (QLabel *icon = iconOf(block))
        icon->move(block->position());
}

void BlockIcons::remove(const BlockItem *block)
{
    if (QLabel *icon = m_icons.take(block).label)
        icon->close();
}

void BlockIcons::setPicture(const BlockItem *block, const QPixmap &picture, bool highlighted)
{
    const auto icon = m_icons.find(block);
    if (icon == m_icons.end())
        return;
    icon->picture = picture;
    icon->label->resize(picture.size());
    highlight(block, highlighted);
}

void BlockIcons::highlight(const BlockItem *block, bool highlighted)
{
    const Icon icon = m_icons.value(block);
    if (!icon.label)
        return;
    icon.label->setPixmap(highlighted ? BlockIconPainter::selectedPicture(icon.picture) : icon.picture);
}
