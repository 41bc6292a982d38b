#include "editor/nimactionrename.h"

#include "editor/programwidget.h"

NIMActionRename::NIMActionRename(BlockItem *block, ProgramWidget *canvas, QObject *parent)
    : NIMAction(tr("&Rename"), QStringLiteral(":/KaRiX_icon/KaRiX_rename2.png"), block, canvas, parent)
{
    connect(this, &QAction::triggered, this, &NIMActionRename::rename);
}

void NIMActionRename::rename()
{
    canvas()->renameBlock(block());
}
