#include "editor/nimactioncopy.h"

#include "editor/programwidget.h"

NIMActionCopy::NIMActionCopy(BlockItem *block, ProgramWidget *canvas, QObject *parent)
    : NIMAction(tr("&Copy"), QStringLiteral(":/KaRiX_icon/KaRiX_copy.png"), block, canvas, parent)
{
    connect(this, &QAction::triggered, this, &NIMActionCopy::copyItem);
}

void NIMActionCopy::copyItem()
{
    canvas()->copySelection();
}
