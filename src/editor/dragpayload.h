// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <optional>

class QMimeData;

// The drag data shared by the canvas, the palette and the label bar: a key
// string followed by a point, in a pinned QDataStream encoding so both ends
// agree whatever Qt version built them.
struct DragPayload
{
    QString key;
    QPoint point;

    static QString mimeType();
    QByteArray encode() const;
    QMimeData *toMimeData() const;  // caller (normally QDrag) takes ownership
    // Nothing when the bytes are truncated or malformed.
    static std::optional<DragPayload> decode(const QByteArray &bytes);
    static std::optional<DragPayload> fromMimeData(const QMimeData *mime);
};
