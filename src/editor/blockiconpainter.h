#pragma once

#include <QColor>
#include <QImage>

class BlockItem;

// The images the canvas shows for a block: the variant chosen when it is
// placed or edited, and the selected look. Captions are redrawn here on the
// block's clean picture so that a long name wraps or is shortened inside the
// block body instead of running over the port stubs.
class BlockIconPainter
{
public:
    // Blue wash drawn over a selected block (and the rubber band).
    static QColor selectionColour();

    // Counter functions and measure counters show the picture of their mode
    // with the display name; a logic block without an expression shows its
    // display name in bold; every other block shows its own caption.
    static QImage placedImage(const BlockItem &block);
    // After a parameter edit: as placed, but a logic block's caption goes
    // back to normal weight.
    static QImage editedImage(const BlockItem &block);
    static QImage selectedImage(const QImage &image);

private:
    static bool hasModeVariant(const BlockItem &block);
    static bool isLogic(const BlockItem &block);
    // The picture of a counter function or measure counter for its mode.
    static QString modeImageFile(const BlockItem &block);
    // `text` centred on a copy of `picture`: on one line when it fits between
    // the port stubs, else word-wrapped, else cut with an ellipsis.
    static QImage captioned(const QImage &picture, const QString &text, int weight);
};
