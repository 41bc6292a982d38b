// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/blockicons.h"

#include "editor/blockiconpainter.h"
#include "editor/canvasview.h"
#include "model/blockitem.h"

#include <QLabel>

BlockIcons::BlockIcons(QWidget *canvas, const CanvasView &view) : m_canvas(canvas), m_view(view)
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
    label->move(m_view.toWidget(block->position()));
    label->show();
    m_icons.insert(block, Icon{label, QPixmap()});
}

void BlockIcons::move(const BlockItem *block)
{
    if (QLabel *icon = iconOf(block))
        icon->move(m_view.toWidget(block->position()));
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
    icon->highlighted = highlighted;
    show(block, *icon);
}

void BlockIcons::highlight(const BlockItem *block, bool highlighted)
{
    const auto icon = m_icons.find(block);
    if (icon == m_icons.end())
        return;
    icon->highlighted = highlighted;
    show(block, *icon);
}

void BlockIcons::relayout()
{
    for (auto icon = m_icons.cbegin(); icon != m_icons.cend(); ++icon)
        show(icon.key(), icon.value());
}

void BlockIcons::show(const BlockItem *block, const Icon &icon) const
{
    QPixmap shown = icon.highlighted ? BlockIconPainter::selectedPicture(icon.picture) : icon.picture;
    const QSize size = m_view.toWidget(icon.picture.size());
    // At 100 % the shared picture itself is shown: no copy per block.
    if (size != shown.size())
        shown = shown.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    icon.label->setGeometry(QRect(m_view.toWidget(block->position()), size));
    icon.label->setPixmap(shown);
}
