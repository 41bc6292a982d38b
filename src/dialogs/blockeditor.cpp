#include "dialogs/blockeditor.h"

#include "app/dialogprompter.h"
#include "dialogs/editcntfncdialog.h"
#include "dialogs/editdlyfncdialog.h"
#include "dialogs/editinputdialog.h"
#include "dialogs/editlogicdialog.h"
#include "dialogs/editmsrcntdialog.h"
#include "dialogs/namemessages.h"
#include "model/blockitem.h"
#include "model/blocknaming.h"
#include "model/designmodel.h"
#include "model/nimlogic.h"
#include "model/parameteredits.h"

namespace {

enum class DialogKind { None, Logic, Counter, Delay, MeasureCounter, Port };

DialogKind dialogKind(const BlockItem *block)
{
    const QString term = block->term();
    if (dynamic_cast<const NIMLogic *>(block))
        return DialogKind::Logic;
    if (term == QLatin1String("CntFnc"))
        return DialogKind::Counter;
    if (term == QLatin1String("DlyFnc"))
        return DialogKind::Delay;
    if (term.startsWith(QLatin1String("MsrCnt")))
        return DialogKind::MeasureCounter;
    if (term == QLatin1String("Input") || term.startsWith(QLatin1String("NIM-OUT")))
        return DialogKind::Port;
    return DialogKind::None;
}

} // namespace

BlockEditor::BlockEditor(DesignModel &model, LabelRegistry *labels)
    : m_model(model),
      m_labels(labels),
      m_ownPrompter(std::make_unique<DialogPrompter>()),
      m_runner([](EditDialog &dialog) { return dialog.exec(); })
{
}

BlockEditor::~BlockEditor() = default;

void BlockEditor::setPrompter(Prompter *prompter)
{
    m_prompter = prompter;
}

void BlockEditor::setRunner(Runner runner)
{
    m_runner = std::move(runner);
}

Prompter &BlockEditor::prompter()
{
    return m_prompter ? *m_prompter : *m_ownPrompter;
}

bool BlockEditor::canEdit(const BlockItem *block)
{
    return block && dialogKind(block) != DialogKind::None;
}

bool BlockEditor::edit(BlockItem *block, QWidget *parent)
{
    m_changed.clear();
    if (!block)
        return false;
    switch (dialogKind(block)) {
    case DialogKind::Logic:
        return editLogic(block, parent);
    case DialogKind::Counter:
        return editCounter(block, parent);
    case DialogKind::Delay:
        return editDelay(block, parent);
    case DialogKind::MeasureCounter:
        return editMeasureCounter(block, parent);
    case DialogKind::Port:
        return editPort(block, parent);
    case DialogKind::None:
        break;
    }
    return false;
}

bool BlockEditor::run(EditDialog &dialog)
{
    dialog.setPrompter(m_prompter);
    return m_runner(dialog) == QDialog::Accepted;
}

bool BlockEditor::changed(BlockItem *block, bool didChange)
{
    if (didChange)
        m_changed = {block};
    return didChange;
}

bool BlockEditor::editLogic(BlockItem *block, QWidget *parent)
{
    EditLogicDialog dialog(block, parent);
    if (!run(dialog))
        return false;
    return changed(block, ParameterEdits(m_model).setLogic(block, dialog.expression(), dialog.removedPorts()));
}

bool BlockEditor::editCounter(BlockItem *block, QWidget *parent)
{
    EditCntFncDialog dialog(block, parent);
    if (!run(dialog))
        return false;
    return changed(block, ParameterEdits(m_model).setCounter(block, dialog.parameters()));
}

bool BlockEditor::editDelay(BlockItem *block, QWidget *parent)
{
    EditDlyFncDialog dialog(block, parent);
    if (!run(dialog))
        return false;
    return changed(block, ParameterEdits(m_model).setDelay(block, dialog.parameters()));
}

bool BlockEditor::editMeasureCounter(BlockItem *block, QWidget *parent)
{
    EditMsrCntDialog dialog(block, m_model, parent);
    if (!run(dialog))
        return false;
    return changed(block, ParameterEdits(m_model).setMeasureCounter(block, dialog.parameters(),
                                                                    dialog.counterName()));
}

bool BlockEditor::editPort(BlockItem *block, QWidget *parent)
{
    EditInputDialog dialog(block, m_model, parent);
    if (!run(dialog) || !dialog.changed())
        return false;
    block->setUserName(dialog.name());
    m_changed = {block};
    const QString port = dialog.port();
    if (port == block->name())
        return true;
    if (block->term() == QLatin1String("Input")) {
        m_changed = BlockNaming::retargetInput(m_model, block, port);
    } else {
        block->setTerm(port);
        block->setName(port);
    }
    return true;
}

bool BlockEditor::rename(BlockItem *block, QWidget *parent)
{
    m_changed.clear();
    const QString name = block->name();
    const bool titledByName = name.contains(QLatin1String("-IN")) || name.contains(QLatin1String("NIM-OUT"));
    const QString title = titledByName ? name : block->displayName();
    for (;;) {
        const std::optional<QString> answer =
            prompter().askText(parent, title, tr("Please enter new name."), block->displayName());
        if (!answer)
            return false;
        const QString message =
            NameMessages::text(BlockNaming::checkRename(m_model, block, *answer), *answer);
        if (message.isEmpty()) {
            m_changed = BlockNaming::renameEverywhere(m_model, m_labels, block, *answer);
            return !m_changed.isEmpty();
        }
        prompter().warning(parent, NameMessages::title(block->displayName()), message);
    }
}
