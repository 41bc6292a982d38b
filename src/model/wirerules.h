// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QLine>
#include <QList>
#include <QPoint>
#include <QString>

class BlockItem;
class DesignModel;
class ResourceCounters;

// The editing rules of connections that the canvas applies: which wire drops
// are accepted, and which connection units ("PreLogicInfo", "FeedBackInfo")
// and block units go back to the counters when wires and blocks are deleted.
// Blocks are found by their sheet and canvas position, so they must have
// been placed.
class WireRules
{
    Q_DECLARE_TR_FUNCTIONS(WireRules)

public:
    struct DropResult
    {
        BlockItem *destination = nullptr; // set when a connection was made
        int port = -1;
        // A refusal the user is told about (warning box); empty otherwise.
        QString warning;

        bool connected() const { return destination != nullptr; }
    };

    WireRules(DesignModel &model, ResourceCounters &counters);

    // A wire from the block named `sourceName` dropped at `drop` on `sheet`.
    DropResult dropWire(const QString &sourceName, int sheet, const QPoint &drop);
    // A wire from source into the destination's port (-1: the lowest free
    // port of a logic block). Wires run on one sheet from a column into the
    // next one; the destination's kind decides what it accepts and which
    // connection unit the wire takes.
    DropResult connect(BlockItem *source, BlockItem *destination, int port);
    // Deletes the wire into `destination` drawn as `wire` (one of its
    // wires()). False, changing nothing, for any other line.
    bool deleteWire(BlockItem *destination, const QLine &wire);
    // Deletes the wire into the port, giving its connection unit back; false
    // when the port is not connected.
    bool disconnect(BlockItem *destination, int port);
    // Gives back what the block and its connections held, then the model
    // deletes it. The caller closes the block's icon first.
    void deleteBlock(BlockItem *block);

    // The connection unit a connection from source into destination holds:
    // "PreLogicInfo" for a pre-logic block or label into a counter or delay
    // function, "FeedBackInfo" for a feedback label into one; empty for any
    // other connection (pass-throughs included).
    static QString connectionUnit(const BlockItem *source, const BlockItem *destination);

    // Column of a canvas x (0 inputs .. 4 outputs), as a drop selects it.
    static int dropColumn(int x);

private:
    DropResult dropOnPreLogic(const QString &sourceName, int sheet, const QPoint &drop);
    DropResult dropOnFunction(const QString &sourceName, int sheet, const QPoint &drop);
    DropResult dropOnPostLogic(const QString &sourceName, int sheet, const QPoint &drop);
    DropResult dropOnOutput(const QString &sourceName, int sheet, const QPoint &drop);
    DropResult connectFunction(BlockItem *destination, BlockItem *source);
    DropResult connectCountedFunction(BlockItem *destination, BlockItem *source);

    QList<BlockItem *> columnBlocks(int column, int sheet) const;
    BlockItem *columnBlockNamed(int column, int sheet, const QString &name) const;
    void giveBack(const QString &unit);

    DesignModel &m_model;
    ResourceCounters &m_counters;
};
