// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/blockdialogs.h"

#include "dialogs/dialogprompter.h"
#include "dialogs/editcntfncdialog.h"
#include "dialogs/editdlyfncdialog.h"
#include "dialogs/editinputdialog.h"
#include "dialogs/editlogicdialog.h"
#include "dialogs/editmsrcntdialog.h"
#include "dialogs/namemessages.h"
#include "model/blockitem.h"
#include "model/blockkinds.h"
#include "model/blocknaming.h"
#include "model/designedits.h"
#include "model/designmodel.h"
#include "model/parameteredits.h"

#include <QScreen>

BlockDialogs::BlockDialogs(DesignModel &model, DesignEdits &edits)
    : m_model(model),
      m_edits(edits),
      m_ownPrompter(std::make_unique<DialogPrompter>())
{
}

BlockDialogs::~BlockDialogs() = default;

void BlockDialogs::setPrompter(Prompter *prompter)
{
    m_prompter = prompter;
}

void BlockDialogs::setRunner(Runner runner)
{
    m_runner = std::move(runner);
}

Prompter &BlockDialogs::prompter()
{
    return m_prompter ? *m_prompter : *m_ownPrompter;
}

bool BlockDialogs::edit(BlockItem *block, QWidget *parent, std::optional<QPoint> at)
{
    if (!block)
        return false;
    m_blockArea = parent ? QRect(parent->mapToGlobal(block->position()), block->size()) : QRect();
    switch (block->traits().editor) {
    case BlockEditor::Logic:
        return editLogic(block, parent, at);
    case BlockEditor::CounterFunction:
        return editCounter(block, parent, at);
    case BlockEditor::DelayFunction:
        return editDelay(block, parent, at);
    case BlockEditor::MeasureCounter:
        return editMeasureCounter(block, parent, at);
    case BlockEditor::Port:
        return editPort(block, parent, at);
    case BlockEditor::None:
        break;
    }
    return false;
}

bool BlockDialogs::run(EditDialog &dialog, std::optional<QPoint> at)
{
    dialog.setPrompter(m_prompter);
    if (at)
        dialog.move(besideBlock(dialog, *at));
    const int result = m_runner ? m_runner(dialog) : prompter().runDialog(dialog);
    return result == QDialog::Accepted;
}

QPoint BlockDialogs::besideBlock(const EditDialog &dialog, const QPoint &at) const
{
    // Dialogs sized by their layout know their size only from the hint.
    const QSize size = dialog.testAttribute(Qt::WA_Resized) ? dialog.size() : dialog.sizeHint();
    if (m_blockArea.isEmpty() || !QRect(at, size).intersects(m_blockArea))
        return at;
    // Left of the block where the screen has room (the inputs' column has
    // none), else right of it; the gap leaves room for the window frame.
    constexpr int gap = 12;
    const QScreen *screen = dialog.screen();
    const int screenLeft = screen ? screen->availableGeometry().left() : 0;
    const int left = m_blockArea.left() - gap - size.width();
    return QPoint(left >= screenLeft ? left : m_blockArea.right() + 1 + gap, at.y());
}

bool BlockDialogs::editLogic(BlockItem *block, QWidget *parent, std::optional<QPoint> at)
{
    EditLogicDialog dialog(block, parent);
    // The form's caption is generic; the user should see which block it edits.
    dialog.setWindowTitle(block->displayName());
    return run(dialog, at)
           && ParameterEdits(m_model, m_edits).setLogic(block, dialog.expression(), dialog.removedPorts());
}

bool BlockDialogs::editCounter(BlockItem *block, QWidget *parent, std::optional<QPoint> at)
{
    EditCntFncDialog dialog(block, parent);
    return run(dialog, at) && ParameterEdits(m_model, m_edits).setCounter(block, dialog.parameters());
}

bool BlockDialogs::editDelay(BlockItem *block, QWidget *parent, std::optional<QPoint> at)
{
    EditDlyFncDialog dialog(block, parent);
    return run(dialog, at) && ParameterEdits(m_model, m_edits).setDelay(block, dialog.parameters());
}

bool BlockDialogs::editMeasureCounter(BlockItem *block, QWidget *parent, std::optional<QPoint> at)
{
    EditMsrCntDialog dialog(block, m_model, parent);
    return run(dialog, at)
           && ParameterEdits(m_model, m_edits)
                  .setMeasureCounter(block, dialog.parameters(), dialog.counterName());
}

bool BlockDialogs::editPort(BlockItem *block, QWidget *parent, std::optional<QPoint> at)
{
    EditInputDialog dialog(block, m_model, parent);
    return run(dialog, at) && dialog.changed()
           && ParameterEdits(m_model, m_edits).setPort(block, dialog.port(), dialog.name());
}

bool BlockDialogs::rename(BlockItem *block, QWidget *parent)
{
    // Connectors keep their resource name in the title while they are renamed.
    const bool titledByName = block->kind() == BlockKind::Input || block->kind() == BlockKind::Output;
    const QString title = titledByName ? block->name() : block->displayName();
    for (;;) {
        const std::optional<QString> answer =
            prompter().askText(parent, title, tr("Please enter new name."), block->displayName());
        if (!answer)
            return false;
        const QString message =
            NameMessages::text(BlockNaming::checkRename(m_model, block, *answer), *answer);
        if (message.isEmpty()) {
            const bool changed = block->userName() != *answer;
            m_edits.renameBlock(block, *answer);
            return changed;
        }
        prompter().warning(parent, NameMessages::title(block->displayName()), message);
    }
}
