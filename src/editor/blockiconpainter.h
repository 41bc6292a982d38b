// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>

class BlockItem;

// The pictures the canvas shows for a block: the variant chosen when it is
// placed or edited, and the selected look. Captions are drawn here on the
// kind's clean picture so that a long name wraps or is shortened inside the
// block body instead of running over the port stubs.
//
// Pictures are made once per picture file, caption and weight and shared by
// every block that looks the same (GUI thread only).
class BlockIconPainter
{
public:
    // Blue wash drawn over a selected block (and the rubber band).
    static QColor selectionColour();

    // Counter functions and measure counters show the picture of their mode
    // with the display name; a logic block without an expression shows its
    // display name in bold; every other block shows its own caption.
    static QPixmap placedPicture(const BlockItem &block);
    // After a parameter edit: as placed, but a logic block's caption goes
    // back to normal weight.
    static QPixmap editedPicture(const BlockItem &block);
    static QPixmap selectedPicture(const QPixmap &picture);

    // The picture file in a paintable format; a file that fails to load is
    // replaced by a white picture of its listed size.
    static QImage cleanPicture(const QString &fileName);

private:
    static bool hasModeVariant(const BlockItem &block);
    static bool isLogic(const BlockItem &block);
    // The picture of a counter function or measure counter for its mode.
    static QString modeImageFile(const BlockItem &block);
    static QPixmap captioned(const QString &fileName, const QString &text, int weight);
    // `text` centred on a copy of `picture`: on one line when it fits between
    // the port stubs, else word-wrapped, else cut with an ellipsis.
    static QImage drawCaption(const QImage &picture, const QString &text, int weight);
};
