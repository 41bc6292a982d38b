#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

class BlockItem;

// The diagram pictures of the blocks (file names under ":/images/"), with the size
// each one is drawn at, so that block geometry does not depend on whether
// the resources are linked in.
class BlockImages
{
public:
    // Size of a block picture, or an empty size for a file not listed.
    static QSize size(const QString &fileName);
    // The picture in a paintable format; a picture that fails to load is
    // replaced by a white image of its listed size.
    static QImage load(const QString &fileName);
    // Draws `text` centred on `image` in the default font. Without a
    // QGuiApplication (command-line use) nothing is drawn.
    static void drawCentred(QImage &image, const QString &text, int weight = QFont::Normal);
    // The picture variant a block shows once placed, chosen by its "Mode":
    // counter functions in mode 9 and measure counters. Empty when the block
    // keeps the picture of its class.
    static QString placedImageFile(const BlockItem &block);
};
