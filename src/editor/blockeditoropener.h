// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/blockkinds.h"

class BlockItem;
class QPoint;
class QWidget;

// Opens the parameter dialogs and the rename prompt of blocks. The canvas
// decides which editor a block gets (by its kind) and where the dialog
// goes; the implementation runs the dialog modally and applies the result
// through the document's edits. The canvas redraws the block and records
// the edit step when the outcome is Changed.
class BlockEditorOpener
{
public:
    enum class Outcome { NoDialog, Cancelled, Changed };

    virtual ~BlockEditorOpener() = default;

    // at: global position of the dialog's top-left corner. NoDialog makes
    // the canvas offer the port list instead.
    virtual Outcome openEditor(BlockEditor editor, BlockItem *block, QWidget *parent,
                               const QPoint &at) = 0;
    // The rename prompt with the naming rules.
    virtual Outcome rename(BlockItem *block, QWidget *parent) = 0;
};
