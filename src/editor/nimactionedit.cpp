#include "editor/nimactionedit.h"

#include "editor/blockeditoropener.h"
#include "editor/canvasprompts.h"
#include "editor/programwidget.h"
#include "model/blockitem.h"
#include "model/designmodel.h"

#include <algorithm>

namespace {
constexpr int kDialogLeftOffset = 100;
constexpr int kDialogLowestTop = 300;
} // namespace

NIMActionEdit::NIMActionEdit(BlockItem *block, ProgramWidget *canvas, QObject *parent)
    : NIMActionEdit(tr("&Edit"), block, canvas, parent)
{
}

NIMActionEdit::NIMActionEdit(const QString &text, BlockItem *block, ProgramWidget *canvas,
                             QObject *parent)
    : NIMAction(text, QStringLiteral(":/KaRiX_icon/KaRiX_Edit.png"), block, canvas, parent)
{
    if (text.isEmpty()) {
        editItem();
        return;
    }
    connect(this, &QAction::triggered, this, &NIMActionEdit::editItem);
}

QPoint NIMActionEdit::dialogPosition(const QPoint &blockTopLeft)
{
    return QPoint(blockTopLeft.x() - kDialogLeftOffset, std::min(blockTopLeft.y(), kDialogLowestTop));
}

void NIMActionEdit::editItem()
{
    const QPoint at = dialogPosition(canvas()->mapToGlobal(block()->position()));
    BlockEditorOpener *opener = canvas()->editorOpener();
    const BlockEditor editor = block()->traits().editor;
    BlockEditorOpener::Outcome outcome = BlockEditorOpener::Outcome::NoDialog;
    if (opener && editor != BlockEditor::None)
        outcome = opener->openEditor(editor, block(), canvas(), at);
    if (outcome == BlockEditorOpener::Outcome::NoDialog)
        choosePort(at);
    else if (outcome == BlockEditorOpener::Outcome::Changed)
        canvas()->updateBlock(block());
}

void NIMActionEdit::choosePort(const QPoint &at)
{
    CanvasPrompts *prompts = canvas()->prompts();
    if (!prompts)
        return;
    QStringList ports{block()->name()};
    canvas()->design()->freeResourceNames(block()->term(), ports, block()->sheet());
    const std::optional<QString> chosen =
        prompts->chooseItem(canvas(), block()->displayName(), tr("select port"), ports, at);
    if (chosen && *chosen != block()->name())
        canvas()->moveToPort(block(), *chosen);
}
