// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/sheetpainter.h"

#include "model/blockitem.h"
#include "model/connectionsettings.h"
#include "model/placement.h"
#include "model/sheet.h"
#include "render/blockpainter.h"
#include "render/blocktext.h"

#include <QPainter>

namespace {

// The columns' colours, left to right; each band spans its column.
const QColor kBandColours[Placement::columnCount] = {
    QColor(255, 0, 0, 20), QColor(255, 255, 0, 50), QColor(0, 255, 0, 50),
    QColor(0, 255, 255, 50), QColor(0, 0, 255, 30),
};
constexpr int kBandRight = 770;
constexpr int kBandTop = 30;
constexpr int kBandBottom = 1030;
constexpr int kTextPixels = 13;
const QRect kCaptionRect(20, 8, 700, 18);

struct HeaderRow
{
    int indent;
    QSize size;
    const char *text;
};

// Headers from y 37, at their column's left edge (the input header indented).
const HeaderRow kHeaders[Placement::columnCount] = {
    {20, QSize(56, 16), QT_TRANSLATE_NOOP("MainWindow", "Input")},
    {0, QSize(63, 30), QT_TRANSLATE_NOOP("MainWindow", "PreLogic\nFeedBack")},
    {0, QSize(56, 30), QT_TRANSLATE_NOOP("MainWindow", "Function\n")},
    {0, QSize(63, 16), QT_TRANSLATE_NOOP("MainWindow", "PostLogic")},
    {0, QSize(111, 45), QT_TRANSLATE_NOOP("MainWindow", "Output\nFeedBack\nMeasure Counter")},
};

QFont textFont(const QFont &base)
{
    QFont font = base;
    font.setPixelSize(kTextPixels);
    return font;
}

} // namespace

QSize SheetPainter::sheetSize()
{
    return QSize(kBandRight + 1, kBandBottom + 1);
}

QList<SheetPainter::Header> SheetPainter::headers()
{
    QList<Header> list;
    for (int column = 0; column < Placement::columnCount; ++column) {
        const HeaderRow &row = kHeaders[column];
        const QPoint topLeft(Placement::columnX(SheetColumn(column)) + row.indent, 37);
        list.append({QRect(topLeft, row.size), QCoreApplication::translate("MainWindow", row.text)});
    }
    return list;
}

QString SheetPainter::connectionCaption(const ConnectionSettings &settings)
{
    return tr("IP address: %1   TCP port: %2   UDP port: %3")
        .arg(settings.address)
        .arg(settings.tcpPort)
        .arg(settings.udpPort);
}

SheetPainter::SheetPainter(const Sheet &sheet, const DesignModel *design,
                           const ConnectionSettings *settings)
    : m_sheet(sheet), m_design(design), m_settings(settings)
{
}

void SheetPainter::paintBackdrop(QPainter &painter, int rightEdge) const
{
    const int lastBandRight = qMax(rightEdge, kBandRight);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int column = 0; column < Placement::columnCount; ++column) {
        const int left = Placement::columnX(SheetColumn(column));
        const int right = column + 1 < Placement::columnCount
                              ? Placement::columnX(SheetColumn(column + 1)) - 1
                              : lastBandRight;
        painter.fillRect(QRect(QPoint(left, kBandTop), QPoint(right, kBandBottom)),
                         kBandColours[column]);
    }
    painter.setPen(Qt::black);
    painter.setFont(textFont(painter.font()));
    // Headers may be wider than their boxes in another language or font.
    for (const Header &header : headers())
        painter.drawText(header.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, header.text);
    if (m_settings)
        painter.drawText(kCaptionRect, Qt::AlignLeft | Qt::AlignVCenter, connectionCaption(*m_settings));
    painter.restore();
}

void SheetPainter::paintWires(QPainter &painter, const QList<WireMap::Wire> &wires) const
{
    painter.save();
    painter.setPen(Qt::black);
    for (const WireMap::Wire &wire : wires)
        painter.drawLine(wire.line);
    painter.restore();
}

void SheetPainter::paintBlocks(QPainter &painter, const Highlight &highlighted) const
{
    for (const BlockItem *block : m_sheet.blocks()) {
        BlockPainter::Look look;
        look.caption = BlockText::caption(*block, m_design);
        look.detail = BlockText::settings(*block);
        look.bold = BlockText::lacksExpression(*block);
        look.highlighted = highlighted && highlighted(block);
        BlockPainter::paint(painter, *block, look);
    }
}

void SheetPainter::paint(QPainter &painter) const
{
    WireMap wires(m_sheet);
    paintBackdrop(painter);
    paintWires(painter, wires.wires());
    paintBlocks(painter);
}
