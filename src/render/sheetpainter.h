// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "render/wiremap.h"

#include <QCoreApplication>
#include <QList>
#include <QRect>
#include <QSize>
#include <functional>

class BlockItem;
class DesignModel;
class QPainter;
class Sheet;
struct ConnectionSettings;

// Paints one sheet onto any QPainter, in sheet pixels: the five column
// bands with their headers, the caption with the connection settings, the
// wires and the blocks with their names and settings. The canvas paints
// through it and so do export and print, which need no display.
class SheetPainter
{
    // The caption and headers keep the translation contexts they always had.
    Q_DECLARE_TR_FUNCTIONS(ProgramWidget)
public:
    struct Header
    {
        QRect rect;
        QString text;
    };
    using Highlight = std::function<bool(const BlockItem *block)>;

    // The area the bands cover, from the origin.
    static QSize sheetSize();
    static QList<Header> headers();
    static QString connectionCaption(const ConnectionSettings &settings);

    // sheet, design: not owned; design resolves the names of label
    // references and may be null. settings: read at every paint; null: no
    // caption.
    SheetPainter(const Sheet &sheet, const DesignModel *design,
                 const ConnectionSettings *settings);

    // rightEdge: where the last band ends when the surface is wider than
    // the sheet (in sheet pixels); every point right of the last column's
    // start belongs to that column, so the band may show it.
    void paintBackdrop(QPainter &painter, int rightEdge = 0) const;
    void paintWires(QPainter &painter, const QList<WireMap::Wire> &wires) const;
    void paintBlocks(QPainter &painter, const Highlight &highlighted = Highlight()) const;
    // The whole sheet, as export and print show it.
    void paint(QPainter &painter) const;

    const Sheet &sheet() const { return m_sheet; }

private:
    const Sheet &m_sheet;
    const DesignModel *m_design;
    const ConnectionSettings *m_settings;
};
