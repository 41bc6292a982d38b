// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/blockediting.h"

#include "editor/blockeditoropener.h"
#include "editor/canvasprompts.h"
#include "editor/programwidget.h"
#include "model/blockitem.h"
#include "model/designmodel.h"

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

void BlockEditing::open(ProgramWidget &canvas, BlockItem *block)
{
    const QPoint at = dialogPosition(canvas.mapToGlobal(block->position()));
    BlockEditorOpener *opener = canvas.editorOpener();
    const BlockEditor editor = block->traits().editor;
    BlockEditorOpener::Outcome outcome = BlockEditorOpener::Outcome::NoDialog;
    if (opener && editor != BlockEditor::None)
        outcome = opener->openEditor(editor, block, &canvas, at);
    if (outcome == BlockEditorOpener::Outcome::NoDialog)
        choosePort(canvas, block, at);
    else if (outcome == BlockEditorOpener::Outcome::Changed)
        canvas.updateBlock(block);
}

void BlockEditing::choosePort(ProgramWidget &canvas, BlockItem *block, const QPoint &at)
{
    CanvasPrompts *prompts = canvas.prompts();
    if (!prompts)
        return;
    QStringList ports{block->name()};
    canvas.design()->freeResourceNames(block->term(), ports, block->sheet());
    // The translations know this text under its earlier context.
    const QString title = QCoreApplication::translate("NIMActionEdit", "select port");
    const std::optional<QString> chosen =
        prompts->chooseItem(&canvas, block->displayName(), title, ports, at);
    if (chosen && *chosen != block->name())
        canvas.moveToPort(block, *chosen);
}
