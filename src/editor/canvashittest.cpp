// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/canvashittest.h"

#include "model/blockitem.h"
#include "model/blockkinds.h"
#include "model/sheet.h"

#include <algorithm>

namespace {

constexpr int kHeaderBottom = 82;
constexpr int kBandEdgeX = 30;
constexpr int kBandEdgeY = 100;

} // namespace

bool CanvasHitTest::inHeaderStrip(const QPoint &point)
{
    return point.y() < kHeaderBottom;
}

BlockItem *CanvasHitTest::blockAt(const Sheet &sheet, const QPoint &point)
{
    for (BlockItem *block : sheet.column(Placement::columnAt(point.x()))) {
        if (block->containsPoint(-1, point.x(), point.y()))
            return block;
    }
    return nullptr;
}

CanvasGesture CanvasHitTest::pressGesture(const BlockItem &block, const QPoint &press)
{
    const SheetColumn column = Placement::columnAt(press.x());
    if (column == SheetColumn::Output || block.kind() == BlockKind::PreLabel)
        return CanvasGesture::Moving;
    return press.x() >= block.outputPoint().x() - wireGrip ? CanvasGesture::DrawingWire
                                                            : CanvasGesture::Moving;
}

bool CanvasHitTest::isNewBlockKey(const QString &key)
{
    return BlockKinds::ofTerm(key) != BlockKind::None;
}

QRect CanvasHitTest::bandRect(const QPoint &press, const QPoint &drop)
{
    // Both corners belong to the band whichever way it was drawn.
    QRect band(QPoint(std::min(press.x(), drop.x()), std::min(press.y(), drop.y())),
               QPoint(std::max(press.x(), drop.x()), std::max(press.y(), drop.y())));
    if (band.left() < kBandEdgeX)
        band.setLeft(0);
    if (band.top() < kBandEdgeY)
        band.setTop(0);
    return band;
}

QList<BlockItem *> CanvasHitTest::blocksInBand(const Sheet &sheet, const QRect &band)
{
    QList<BlockItem *> inside;
    for (BlockItem *block : sheet.blocks()) {
        if (band.contains(block->position()))
            inside << block;
    }
    sortByColumnAndRow(inside);
    return inside;
}

void CanvasHitTest::sortByColumnAndRow(QList<BlockItem *> &blocks)
{
    std::sort(blocks.begin(), blocks.end(), [](const BlockItem *a, const BlockItem *b) {
        return a->position().x() != b->position().x() ? a->position().x() < b->position().x()
                                                       : a->id() < b->id();
    });
}
