// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dragpayload.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace {
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_5_15;
}

QString DragPayload::mimeType()
{
    return QStringLiteral("application/x-dnditemdata");
}

QByteArray DragPayload::encode() const
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(kStreamVersion);
    stream << key << point;
    return bytes;
}

QMimeData *DragPayload::toMimeData() const
{
    auto *mime = new QMimeData;
    mime->setData(mimeType(), encode());
    return mime;
}

std::optional<DragPayload> DragPayload::decode(const QByteArray &bytes)
{
    QDataStream stream(bytes);
    stream.setVersion(kStreamVersion);
    DragPayload payload;
    stream >> payload.key >> payload.point;
    if (stream.status() != QDataStream::Ok)
        return std::nullopt;
    return payload;
}

std::optional<DragPayload> DragPayload::fromMimeData(const QMimeData *mime)
{
    if (!mime || !mime->hasFormat(mimeType()))
        return std::nullopt;
    return decode(mime->data(mimeType()));
}
