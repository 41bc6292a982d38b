// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/blockediting.h"

#include "editor/blockeditoropener.h"
#include "editor/blockhost.h"
#include "editor/canvasprompts.h"
#include "model/blockitem.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
constexpr int kDialogLeftOffset = 100;
constexpr int kDialogLowestTop = 300;
} // namespace

QPoint BlockEditing::dialogPosition(const QPoint &blockTopLeft)
{
    return QPoint(blockTopLeft.x() - kDialogLeftOffset, std::min(blockTopLeft.y(), kDialogLowestTop));
}

void BlockEditing::open(BlockHost &host, BlockItem *block)
{
    const QPoint at = dialogPosition(host.globalPositionOf(block));
    BlockEditorOpener *opener = host.editorOpener();
    const BlockEditor editor = block->traits().editor;
    BlockEditorOpener::Outcome outcome = BlockEditorOpener::Outcome::NoDialog;
    if (opener && editor != BlockEditor::None)
        outcome = opener->openEditor(editor, block, host.dialogParent(), at);
    if (outcome == BlockEditorOpener::Outcome::NoDialog)
        choosePort(host, block, at);
    else if (outcome == BlockEditorOpener::Outcome::Changed)
        host.updateBlock(block);
}

void BlockEditing::choosePort(BlockHost &host, BlockItem *block, const QPoint &at)
{
    CanvasPrompts *prompts = host.prompts();
    if (!prompts)
        return;
    // The translations know this text under its earlier context.
    const QString title = QCoreApplication::translate("BlockEditing", "select port");
    const std::optional<QString> chosen = prompts->chooseItem(
        host.dialogParent(), block->displayName(), title, host.portChoices(block), at);
    if (chosen && *chosen != block->name())
        host.moveToPort(block, *chosen);
}
