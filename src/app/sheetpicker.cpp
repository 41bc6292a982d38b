// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sheetpicker.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

SheetPicker::SheetPicker(const QStringList &captions, int current, QWidget *parent)
    : QFrame(parent, Qt::Popup), m_filter(new QLineEdit(this)), m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("sheetPicker"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    m_filter->setPlaceholderText(tr("Type part of a sheet name"));
    m_filter->installEventFilter(this);
    for (const QString &caption : captions)
        m_list->addItem(caption);
    m_list->setCurrentRow(current);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_filter);
    layout->addWidget(m_list);
    resize(260, 320);
    setFocusProxy(m_filter);

    connect(m_filter, &QLineEdit::textChanged, this, &SheetPicker::applyFilter);
    connect(m_filter, &QLineEdit::returnPressed, this, &SheetPicker::choose);
    connect(m_list, &QListWidget::itemActivated, this, &SheetPicker::choose);
}

void SheetPicker::applyFilter(const QString &text)
{
    QListWidgetItem *first = nullptr;
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        const bool shown = item->text().contains(text, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !first)
            first = item;
    }
    m_list->setCurrentItem(first);
}

void SheetPicker::choose()
{
    QListWidgetItem *item = m_list->currentItem();
    if (!item || item->isHidden())
        return;
    emit sheetChosen(m_list->row(item));
    close();
}

// Up and Down typed into the filter line move in the list.
bool SheetPicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp
            || key == Qt::Key_PageDown) {
            QKeyEvent copy(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(m_list, &copy);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
