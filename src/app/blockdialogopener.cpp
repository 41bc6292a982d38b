// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/blockdialogopener.h"

#include "io/designdocument.h"

BlockDialogOpener::BlockDialogOpener(DesignDocument &document)
    : m_dialogs(document.model(), document.edits())
{
}

void BlockDialogOpener::setPrompter(Prompter *prompter)
{
    m_dialogs.setPrompter(prompter);
}

BlockEditorOpener::Outcome BlockDialogOpener::openEditor(BlockEditor editor, BlockItem *block,
                                                         QWidget *parent, const QPoint &at)
{
    if (editor == BlockEditor::None)
        return Outcome::NoDialog;
    return outcome(m_dialogs.edit(block, parent, at));
}

BlockEditorOpener::Outcome BlockDialogOpener::rename(BlockItem *block, QWidget *parent)
{
    return outcome(m_dialogs.rename(block, parent));
}

BlockEditorOpener::Outcome BlockDialogOpener::outcome(bool changed)
{
    return changed ? Outcome::Changed : Outcome::Cancelled;
}
