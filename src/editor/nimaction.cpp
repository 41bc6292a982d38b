#include "editor/nimaction.h"

#include <QIcon>

NIMAction::NIMAction(const QString &text, const QString &iconPath, BlockItem *block,
                     ProgramWidget *canvas, QObject *parent)
    : QAction(QIcon(iconPath), text, parent), m_block(block), m_canvas(canvas)
{
}
