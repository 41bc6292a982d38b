#include "editor/blockiconpainter.h"

#include "model/blockimages.h"
#include "model/blockitem.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {
// Width kept free on each side of a block picture for its port stubs.
constexpr int kStubWidth = 8;
}

QColor BlockIconPainter::selectionColour()
{
    return QColor(0, 0, 255, 70);
}

bool BlockIconPainter::hasModeVariant(const BlockItem &block)
{
    return block.kind() == BlockKind::CounterFunction || block.kind() == BlockKind::MeasureCounter;
}

bool BlockIconPainter::isLogic(const BlockItem &block)
{
    return BlockKinds::isLogic(block.kind());
}

QImage BlockIconPainter::captioned(const QImage &picture, const QString &text, int weight)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (text.isEmpty() || image.isNull())
        return image;
    QPainter painter(&image);
    QFont font = painter.font();
    font.setWeight(QFont::Weight(weight));
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QRect body = image.rect().adjusted(kStubWidth, 0, -kStubWidth, 0);
    if (metrics.horizontalAdvance(text) <= body.width()) {
        painter.drawText(image.rect(), Qt::AlignCenter, text);
        return image;
    }
    const int wrapped = Qt::AlignCenter | Qt::TextWordWrap;
    if (body.contains(metrics.boundingRect(body, wrapped, text)))
        painter.drawText(body, wrapped, text);
    else
        painter.drawText(body, Qt::AlignCenter, metrics.elidedText(text, Qt::ElideRight, body.width()));
    return image;
}

QString BlockIconPainter::modeImageFile(const BlockItem &block)
{
    const QString variant = BlockImages::placedImageFile(block);
    return variant.isEmpty() ? QStringLiteral("Function.png") : variant;
}

QImage BlockIconPainter::placedImage(const BlockItem &block)
{
    const QString variant = BlockImages::placedImageFile(block);
    if (!variant.isEmpty())
        return captioned(BlockImages::load(variant), block.displayName(), QFont::Normal);
    if (isLogic(block) && block.property().isEmpty())
        return captioned(block.basePixmap(), block.displayName(), QFont::Bold);
    return captioned(block.basePixmap(), block.caption(), QFont::Normal);
}

QImage BlockIconPainter::editedImage(const BlockItem &block)
{
    if (hasModeVariant(block))
        return captioned(BlockImages::load(modeImageFile(block)), block.displayName(),
                         QFont::Normal);
    if (isLogic(block))
        return captioned(block.basePixmap(), block.displayName(), QFont::Normal);
    return captioned(block.basePixmap(), block.caption(), QFont::Normal);
}

QImage BlockIconPainter::selectedImage(const QImage &image)
{
    QImage washed = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&washed);
    painter.fillRect(washed.rect(), selectionColour());
    return washed;
}
