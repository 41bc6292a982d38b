#include "editor/blockiconpainter.h"

#include "model/blockimages.h"
#include "model/blockitem.h"

#include <QFont>
#include <QPainter>

QColor BlockIconPainter::selectionColour()
{
    return QColor(0, 0, 255, 70);
}

bool BlockIconPainter::hasModeVariant(const BlockItem &block)
{
    return block.term() == QLatin1String("CntFnc") || block.term().startsWith(QLatin1String("MsrCnt"));
}

QImage BlockIconPainter::captioned(const QImage &picture, const QString &text, int weight)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    BlockImages::drawCentred(image, text, weight);
    return image;
}

QString BlockIconPainter::modeImageFile(const BlockItem &block)
{
    const QString variant = BlockImages::placedImageFile(block);
    return variant.isEmpty() ? QStringLiteral("Function.png") : variant;
}

QImage BlockIconPainter::placedImage(const BlockItem &block)
{
    if (!BlockImages::placedImageFile(block).isEmpty())
        return captioned(BlockImages::load(BlockImages::placedImageFile(block)),
                         block.displayName(), QFont::Normal);
    if (block.term().contains(QLatin1String("Logic")) && block.property().isEmpty())
        return captioned(block.basePixmap(), block.displayName(), QFont::Bold);
    return block.pixmap();
}

QImage BlockIconPainter::editedImage(const BlockItem &block)
{
    if (hasModeVariant(block))
        return captioned(BlockImages::load(modeImageFile(block)), block.displayName(),
                         QFont::Normal);
    if (block.term().contains(QLatin1String("Logic")))
        return captioned(block.basePixmap(), block.displayName(), QFont::Normal);
    return block.pixmap();
}

QImage BlockIconPainter::selectedImage(const QImage &image)
{
    QImage washed = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&washed);
    painter.fillRect(washed.rect(), selectionColour());
    return washed;
}
