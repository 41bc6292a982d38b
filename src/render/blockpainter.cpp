// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/blockpainter.h"

#include "model/blockimages.h"
#include "model/blockitem.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>

namespace {
// Width kept free on each side of a block picture for its port stubs.
constexpr int kStubWidth = 8;
// A measure counter's picture prints GATE and SRC at its left edge.
constexpr int kPortCaptionWidth = 32;

QFont pixelFont(const QFont &base, int pixels, bool bold)
{
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
} // namespace

QColor BlockPainter::selectionColour()
{
    return QColor(0, 0, 255, 70);
}

QString BlockPainter::pictureFile(const BlockItem &block)
{
    const QString variant = BlockImages::placedImageFile(block);
    return variant.isEmpty() ? QString(block.traits().picture) : variant;
}

QImage BlockPainter::cleanPicture(const QString &fileName)
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

void BlockPainter::paint(QPainter &painter, const BlockItem &block, const Look &look)
{
    const QImage picture = cleanPicture(pictureFile(block));
    const QRect rect(block.position(), picture.size());
    painter.save();
    painter.drawImage(rect.topLeft(), picture);
    const QRect body = rect.adjusted(kStubWidth, 0, -kStubWidth, 0);
    painter.setPen(Qt::black);
    painter.setFont(pixelFont(painter.font(), captionPixels, look.bold));
    const bool twoLines = !look.detail.isEmpty() && body.height() >= captionPixels + detailPixels;
    if (!twoLines) {
        drawFitted(painter, body, look.caption);
    } else {
        const QRect top(body.left(), body.top(), body.width(), body.height() / 2 + 2);
        const QRect bottom(body.left(), top.bottom(), body.width(), body.bottom() - top.bottom());
        drawFitted(painter, top, look.caption);
        painter.setFont(pixelFont(painter.font(), detailPixels, false));
        painter.setPen(QColor(0, 0, 128));
        const int inset = block.kind() == BlockKind::MeasureCounter ? kPortCaptionWidth - kStubWidth : 0;
        const QRect detail = bottom.adjusted(inset, 0, 0, 0);
        const QString line = painter.fontMetrics().elidedText(look.detail, Qt::ElideRight, detail.width());
        // Left-aligned beside the port captions: a line that only just fits
        // must not spill over them.
        const int alignment = inset > 0 ? Qt::AlignLeft : Qt::AlignHCenter;
        painter.drawText(detail, alignment | Qt::AlignTop, line);
    }
    if (look.highlighted)
        painter.fillRect(rect, selectionColour());
    painter.restore();
}

void BlockPainter::drawFitted(QPainter &painter, const QRect &body, const QString &text)
{
    if (text.isEmpty())
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    if (metrics.horizontalAdvance(text) <= body.width()) {
        painter.drawText(body.adjusted(-kStubWidth, 0, kStubWidth, 0), Qt::AlignCenter, text);
        return;
    }
    const int wrapped = Qt::AlignCenter | Qt::TextWordWrap;
    if (body.contains(metrics.boundingRect(body, wrapped, text)))
        painter.drawText(body, wrapped, text);
    else
        painter.drawText(body, Qt::AlignCenter, metrics.elidedText(text, Qt::ElideRight, body.width()));
}
