// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/wiremap.h"

#include "model/blockitem.h"
#include "model/sheet.h"

#include <cmath>

namespace {

// Wires at most this many pixels high are hit within this many pixels above
// and below them.
constexpr int kFlatWireTolerance = 2;

// A wire whose box is degenerate (flat or upright) counts as distance 0, so
// it wins over a sloped wire whose box also holds the point.
double distanceToLine(const QPoint &point, const QLine &line)
{
    const double dx = line.dx();
    const double dy = line.dy();
    if (dx == 0.0 || dy == 0.0)
        return 0.0;
    const double length = std::hypot(dx, dy);
    const double cross = dx * (point.y() - line.y1()) - dy * (point.x() - line.x1());
    return std::abs(cross) / length;
}

} // namespace

WireMap::WireMap(const Sheet &sheet) : m_sheet(sheet)
{
}

void WireMap::markDirty()
{
    m_dirty = true;
}

void WireMap::rebuild()
{
    m_wires.clear();
    const SheetColumn columns[] = {SheetColumn::PreLogic, SheetColumn::Function,
                                   SheetColumn::PostLogic, SheetColumn::Output};
    for (SheetColumn column : columns) {
        for (BlockItem *block : m_sheet.column(column)) {
            // wires() lists one line per connected port, in the inputs' order.
            const QList<QLine> lines = block->wires();
            const QList<BlockItem *> sources = block->inputs().values();
            for (int i = 0; i < lines.size(); ++i)
                m_wires.append({lines.at(i), block, sources.value(i)});
        }
    }
    m_dirty = false;
}

const QList<WireMap::Wire> &WireMap::wires()
{
    if (m_dirty)
        rebuild();
    return m_wires;
}

std::optional<WireMap::Wire> WireMap::wireAt(const QPoint &point)
{
    std::optional<Wire> nearest;
    double nearestDistance = 0.0;
    for (const Wire &wire : wires()) {
        if (!hitRect(wire.line).contains(point))
            continue;
        const double distance = distanceToLine(point, wire.line);
        if (!nearest || distance < nearestDistance) {
            nearest = wire;
            nearestDistance = distance;
        }
    }
    return nearest;
}

QRect WireMap::hitRect(const QLine &line)
{
    const QRect box = QRect(line.p1(), line.p2()).normalized();
    if (std::abs(line.dy()) <= kFlatWireTolerance)
        return box.adjusted(0, -kFlatWireTolerance, 0, kFlatWireTolerance);
    return box;
}
