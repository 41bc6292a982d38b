// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QStringList>

class BlockEditorOpener;
class BlockItem;
class CanvasPrompts;
class QWidget;

// What a block's menu and editor need from the view that shows the block:
// where its dialogs go, the boxes and dialogs to open, and the edits they
// end in. The canvas is the one implementation; the menu and the editor do
// not see the rest of it.
class BlockHost
{
public:
    virtual ~BlockHost() = default;

    // Parent of the menus and dialogs opened for a block.
    virtual QWidget *dialogParent() = 0;
    // The block's top-left corner on the screen, as the user sees it.
    virtual QPoint globalPositionOf(const BlockItem *block) const = 0;
    // Either may be null: no dialogs, no boxes.
    virtual BlockEditorOpener *editorOpener() const = 0;
    virtual CanvasPrompts *prompts() const = 0;
    // The block's own port followed by the free ports of its kind.
    virtual QStringList portChoices(const BlockItem *block) const = 0;

    // A dialog changed the block: show it and record the edit.
    virtual void updateBlock(BlockItem *block) = 0;
    virtual void moveToPort(BlockItem *block, const QString &port) = 0;
    virtual void cutSelection() = 0;
    virtual void copySelection() = 0;
    virtual void deleteBlock(BlockItem *block) = 0;
    virtual void renameBlock(BlockItem *block) = 0;
};
