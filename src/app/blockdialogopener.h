// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/blockdialogs.h"
#include "editor/blockeditoropener.h"

class DesignDocument;
class Prompter;

// What the canvases open on double click, Edit and Rename: the block
// parameter dialogs and the rename prompt, applied through the document's
// edits. Lives on the GUI thread with the window; the document outlives it.
class BlockDialogOpener : public BlockEditorOpener
{
public:
    explicit BlockDialogOpener(DesignDocument &document);

    // Not owned; null returns to the real dialogs and boxes.
    void setPrompter(Prompter *prompter);

    Outcome openEditor(BlockEditor editor, BlockItem *block, QWidget *parent,
                       const QPoint &at) override;
    Outcome rename(BlockItem *block, QWidget *parent) override;

private:
    static Outcome outcome(bool changed);

    BlockDialogs m_dialogs;
};
