#include "editor/nimactiondelete.h"

#include "editor/programwidget.h"

NIMActionDelete::NIMActionDelete(BlockItem *block, ProgramWidget *canvas, QObject *parent)
    : NIMAction(tr("&Delete"), QStringLiteral(":/images/delbutton.png"), block, canvas, parent)
{
    connect(this, &QAction::triggered, this, &NIMActionDelete::deleteItem);
}

void NIMActionDelete::deleteItem()
{
    canvas()->deleteBlock(block());
}
