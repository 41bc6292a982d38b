#include "editor/nimactioncut.h"

#include "editor/programwidget.h"

NIMActionCut::NIMActionCut(BlockItem *block, ProgramWidget *canvas, QObject *parent)
    : NIMAction(tr("Cu&t"), QStringLiteral(":/KaRiX_icon/KaRiX_Cut.png"), block, canvas, parent)
{
    connect(this, &QAction::triggered, this, &NIMActionCut::cutItem);
}

void NIMActionCut::cutItem()
{
    canvas()->cutSelection();
}
