// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/customscroll.h"

#include <QKeyEvent>

CustomScroll::CustomScroll(QWidget *parent) : QScrollArea(parent)
{
    setBackgroundRole(QPalette::Base);
    setWidgetResizable(true);
}

void CustomScroll::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        event->ignore();
        return;
    }
    QScrollArea::keyPressEvent(event);
}
