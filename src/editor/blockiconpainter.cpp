// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/blockiconpainter.h"

#include "model/blockimages.h"
#include "model/blockitem.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPixmapCache>

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

QImage BlockIconPainter::cleanPicture(const QString &fileName)
{
    static QHash<QString, QImage> pictures;
    const auto cached = pictures.constFind(fileName);
    if (cached != pictures.cend())
        return cached.value();
    QImage image(QStringLiteral(":/images/") + fileName);
    if (image.isNull()) {
        image = QImage(BlockImages::size(fileName), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
    }
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    pictures.insert(fileName, image);
    return image;
}

QPixmap BlockIconPainter::captioned(const QString &fileName, const QString &text, int weight)
{
    const QString key = QStringLiteral("block:%1:%2:%3").arg(fileName).arg(weight).arg(text);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap::fromImage(drawCaption(cleanPicture(fileName), text, weight));
        QPixmapCache::insert(key, picture);
    }
    return picture;
}

QImage BlockIconPainter::drawCaption(const QImage &picture, const QString &text, int weight)
{
    QImage image = picture;
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
    return variant.isEmpty() ? QString(block.traits().picture) : variant;
}

QPixmap BlockIconPainter::placedPicture(const BlockItem &block)
{
    const QString variant = BlockImages::placedImageFile(block);
    if (!variant.isEmpty())
        return captioned(variant, block.displayName(), QFont::Normal);
    const QString picture = block.traits().picture;
    if (isLogic(block) && block.property().isEmpty())
        return captioned(picture, block.displayName(), QFont::Bold);
    return captioned(picture, block.caption(), QFont::Normal);
}

QPixmap BlockIconPainter::editedPicture(const BlockItem &block)
{
    if (hasModeVariant(block))
        return captioned(modeImageFile(block), block.displayName(), QFont::Normal);
    const QString picture = block.traits().picture;
    if (isLogic(block))
        return captioned(picture, block.displayName(), QFont::Normal);
    return captioned(picture, block.caption(), QFont::Normal);
}

QPixmap BlockIconPainter::selectedPicture(const QPixmap &picture)
{
    QImage washed = picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&washed);
    painter.fillRect(washed.rect(), selectionColour());
    return QPixmap::fromImage(washed);
}
