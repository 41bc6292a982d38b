// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLine>
#include <QList>
#include <QRect>
#include <optional>

class BlockItem;
class Sheet;

// The wires of one sheet as lines, built from the blocks' connection data
// when first asked for after a change, and found again by a point.
class WireMap
{
public:
    struct Wire
    {
        QLine line;                // source output point → destination input point
        BlockItem *destination;
        BlockItem *source;
    };

    explicit WireMap(const Sheet &sheet);

    void markDirty();
    // Rebuilt first when a change marked them dirty.
    const QList<Wire> &wires();
    // The wire nearest to `point` among those whose bounding box (widened to
    // 2 px above and below for flat wires) holds it.
    std::optional<Wire> wireAt(const QPoint &point);
    static QRect hitRect(const QLine &line);

private:
    void rebuild();

    const Sheet &m_sheet;
    QList<Wire> m_wires;
    bool m_dirty = true;
};
