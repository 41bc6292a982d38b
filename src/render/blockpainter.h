// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

class BlockItem;
class QPainter;
class QRect;

// Paints one block at its position: the picture of its kind (or of its
// mode), its caption between the port stubs and, in a smaller font under it,
// its settings. Captions are drawn as text, never baked into the picture, so
// that a vector export keeps them as text.
class BlockPainter
{
public:
    struct Look
    {
        QString caption;
        QString detail;     // empty: the caption alone, centred
        bool bold = false;  // a logic block without an expression
        bool highlighted = false;
    };

    // Blue wash drawn over a selected block (and the rubber band).
    static QColor selectionColour();
    // Pixel sizes of the caption and detail fonts: pixel sizes scale with the
    // painter's transform, point sizes would follow each device's resolution.
    static constexpr int captionPixels = 12;
    static constexpr int detailPixels = 10;

    static void paint(QPainter &painter, const BlockItem &block, const Look &look);

    // The picture file the block shows, its mode variant included.
    static QString pictureFile(const BlockItem &block);
    // The picture file in a paintable format; a file that fails to load is
    // replaced by a white picture of its listed size (GUI thread only: shared
    // cache).
    static QImage cleanPicture(const QString &fileName);

private:
    // `text` centred in `body`: on one line when it fits, else word-wrapped,
    // else cut with an ellipsis.
    static void drawFitted(QPainter &painter, const QRect &body, const QString &text);
};
