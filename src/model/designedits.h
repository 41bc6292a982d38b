// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/wirerules.h"

#include <QLine>
#include <QList>
#include <QPoint>
#include <QString>

class BlockItem;
class DesignModel;
class LabelRegistry;
class ResourceCounters;
class Sheet;
class SheetSet;

// The one way to change a design: the canvas, paste, the parameter dialogs
// and the sheet commands all edit through here, so that resource counters,
// the label bar and the sheets' column maps always agree with the blocks.
// Refused edits change nothing and return false or null. Recording an edit
// step is the caller's business (one step per user action).
//
// Non-owning; the parts belong to the document and must outlive this object.
class DesignEdits
{
public:
    // Why a new block was not placed.
    enum class Refusal { None, NotABlock, AlreadyOnSheet, ColumnFull, NoResource };
    struct NewBlock
    {
        BlockItem *block = nullptr;
        Refusal refusal = Refusal::None;
    };

    DesignEdits(DesignModel &model, ResourceCounters &counters, LabelRegistry &labels,
                SheetSet &sheets);

    // Creates a block for the term on the sheet at the row (-1: the lowest
    // free row of its column) and places it. `name` as DesignModel::createBlock
    // takes it (empty: the model names it). Null, changing nothing, when the
    // row is not free, the sheet does not exist or the resource is exhausted.
    BlockItem *placeBlock(const QString &term, int sheet, int row, const QString &name = QString());
    // A new block for a palette kind or a label-bar key, in the lowest free
    // row of its column: named kinds take the next free name, a label
    // reference takes the label's name and user name.
    NewBlock placeNew(const QString &key, int sheet);
    // Moves a block to another free row of its column.
    bool moveBlock(BlockItem *block, int row);
    // An unconnected Label (post-logic column) becomes a PreLabel in the
    // function column's lowest free row, or the other way round, keeping
    // name and user name. Null, changing nothing, for other blocks, a label
    // with a source or with references, or a full column.
    BlockItem *changeLabelSide(BlockItem *block);

    // A wire from source into the destination's port (-1: the lowest free
    // port of a logic block), by the wiring rules; the result carries the
    // warning of a refusal the user is told about.
    WireRules::DropResult connect(BlockItem *source, BlockItem *destination, int port);
    bool disconnect(BlockItem *destination, int port);
    // A wire from the block named sourceName dropped at a canvas point.
    WireRules::DropResult dropWire(const QString &sourceName, int sheet, const QPoint &drop);
    // Deletes the wire into destination drawn as `wire` (one of its wires()).
    bool deleteWire(BlockItem *destination, const QLine &wire);

    // Deletes the block: its resource and the connection units of its wires
    // go back to the counters, and the label bar forgets a label it defined
    // or marks a reference gone from the block's sheet.
    void deleteBlock(BlockItem *block);
    void deleteBlocks(const QList<BlockItem *> &blocks);
    // Deletes every block of that name on every sheet (a label with all its
    // references); the number deleted.
    int deleteBlocksNamed(const QString &name);

    // Sets the user name and spreads it by the block's name: a label or
    // feedback name to its label-bar entry, its defining block and every
    // reference to it on every sheet; an input connector name to every
    // input block of that connector. The names are not checked here.
    void renameBlock(BlockItem *block, const QString &userName);
    // Moves an input block to another free connector of its sheet, leaving
    // its user name alone (ParameterEdits::setPort names it). False when the
    // connector is not free.
    bool moveInputToPort(BlockItem *block, const QString &connector);
    // Gives an output or measure counter another free unit of its resource
    // (term and name change together). False when the unit is not free.
    bool moveToResource(BlockItem *block, const QString &resourceName);
    void setProperty(BlockItem *block, const QString &text);

    // Appends a sheet with the next free default caption.
    Sheet *addSheet();
    bool renameSheet(int index, const QString &caption);
    // Deletes every block of the sheet as deleteBlock does, then the sheet;
    // later sheets and their blocks move down by one. The last remaining
    // sheet cannot be deleted (false).
    bool deleteSheet(int index);

private:
    void forgetLabel(BlockItem *block);
    QString newBlockName(const QString &key) const;
    void spreadUserName(const QString &name, const QString &userName);

    DesignModel &m_model;
    ResourceCounters &m_counters;
    LabelRegistry &m_labels;
    SheetSet &m_sheets;
};
