// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/canvasmenu.h"

#include "editor/blockmenu.h"
#include "editor/programwidget.h"
#include "render/wiremap.h"

#include <QAction>
#include <QIcon>
#include <QMenu>

QMenu *CanvasMenu::create(ProgramWidget &canvas, const QPoint &point, QAction *paste)
{
    if (BlockItem *block = canvas.blockAt(point))
        return BlockMenu::create(canvas, block);
    // The texts keep the canvas's translation context.
    auto *menu = new QMenu(&canvas);
    const CanvasSelection &selection = canvas.selection();
    const bool onSelectedWire = selection.isWireSelected()
                                && WireMap::hitRect(selection.selectedWire()).contains(point);
    if (onSelectedWire || canvas.selectWireAt(point)) {
        QAction *remove = menu->addAction(QIcon(QStringLiteral(":/images/delbutton.png")),
                                          ProgramWidget::tr("Delete"));
        QObject::connect(remove, &QAction::triggered, &canvas, &ProgramWidget::deleteLine);
        return menu;
    }
    QAction *item = menu->addAction(QIcon(QStringLiteral(":/KaRiX_icon/KaRiX_paste.png")),
                                    ProgramWidget::tr("Paste"));
    item->setEnabled(paste && paste->isEnabled());
    if (paste)
        QObject::connect(item, &QAction::triggered, paste, &QAction::trigger);
    return menu;
}

void CanvasMenu::popup(ProgramWidget &canvas, const QPoint &point, QAction *paste)
{
    QMenu *menu = create(canvas, canvas.view().toSheet(point), paste);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(canvas.mapToGlobal(point));
}
