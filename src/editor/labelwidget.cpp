// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/labelwidget.h"

#include "editor/dragpayload.h"
#include "model/labelregistry.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kMargin = 2;
constexpr int kSpacing = 4;

QString pictureFile(LabelRegistry::Look look)
{
    switch (look) {
    case LabelRegistry::Look::Off:
        return QStringLiteral(":/images/LabelOFF.png");
    case LabelRegistry::Look::LabelOn:
        return QStringLiteral(":/images/LabelON.png");
    case LabelRegistry::Look::FunctionLabelOn:
        break;
    }
    return QStringLiteral(":/images/FncLabelON.png");
}

QList<QString> namesOf(const QList<LabelRegistry::Entry> &entries)
{
    QList<QString> names;
    for (const LabelRegistry::Entry &entry : entries)
        names << entry.name;
    return names;
}

} // namespace

LabelWidget::LabelWidget(LabelRegistry *registry, QWidget *parent)
    : DragWidget(parent), m_registry(registry)
{
    const QPixmap on(pictureFile(LabelRegistry::Look::LabelOn));
    setMinimumSize(kMargin * 2 + entriesPerRow * (on.width() + kSpacing), 3 * cellHeight());
    connect(registry, &LabelRegistry::changed, this, &LabelWidget::rebuild);
    rebuild();
}

int LabelWidget::cellHeight() const
{
    return QPixmap(pictureFile(LabelRegistry::Look::LabelOn)).height() + kMargin;
}

void LabelWidget::setCurrentTab(int index)
{
    if (index != m_registry->currentSheet())
        m_registry->setCurrentSheet(index);
}

QPixmap LabelWidget::pictureFor(const QString &name) const
{
    const LabelRegistry::Entry *entry = m_registry->find(name);
    if (!entry)
        return QPixmap();
    QPixmap picture(pictureFile(m_registry->look(*entry)));
    QPainter painter(&picture);
    // Clear of the tag's outline and of its pointed right end.
    const QRect textRect = picture.rect().adjusted(4, 1, -10, -1);
    const QString userName = entry->userName.trimmed();
    if (userName.isEmpty()) {
        drawElided(painter, textRect, entry->name);
        return picture;
    }
    // Name above, user name below, in a smaller font so both stay readable
    // inside the tag.
    QFont font = painter.font();
    font.setPixelSize(qMax(8, textRect.height() / 2 - 1));
    painter.setFont(font);
    const QRect upper = textRect.adjusted(0, 0, 0, -textRect.height() / 2);
    drawElided(painter, upper, entry->name);
    drawElided(painter, textRect.adjusted(0, upper.height(), 0, 0), userName);
    return picture;
}

void LabelWidget::drawElided(QPainter &painter, const QRect &rect, const QString &text)
{
    painter.drawText(rect, Qt::AlignCenter,
                     painter.fontMetrics().elidedText(text, Qt::ElideRight, rect.width()));
}

void LabelWidget::clearShown()
{
    for (const Shown &shown : std::as_const(m_feedbackShown) + m_labelShown)
        delete shown.label;
    m_feedbackShown.clear();
    m_labelShown.clear();
}

QList<LabelWidget::Shown> LabelWidget::showRows(const QList<QString> &names, int firstRow)
{
    QList<Shown> shownList;
    for (int i = 0; i < names.size(); ++i) {
        auto *label = new QLabel(this);
        const QPixmap picture = pictureFor(names.at(i));
        label->setPixmap(picture);
        label->resize(picture.size());
        const int column = i % entriesPerRow;
        const int row = firstRow + i / entriesPerRow;
        label->move(kMargin + column * (picture.width() + kSpacing), kMargin / 2 + row * cellHeight());
        label->show();
        shownList.append({names.at(i), label});
    }
    return shownList;
}

void LabelWidget::rebuild()
{
    clearShown();
    m_feedbackShown = showRows(namesOf(m_registry->feedbackLabels()), 0);
    m_labelShown = showRows(namesOf(m_registry->labels()), 1);
    const int labelRows = (m_labelShown.size() + entriesPerRow - 1) / entriesPerRow;
    setMinimumHeight((1 + std::max(labelRows, 2)) * cellHeight());
}

QLabel *LabelWidget::entryLabel(const QString &name) const
{
    for (const Shown &shown : m_feedbackShown + m_labelShown) {
        if (shown.name == name)
            return shown.label;
    }
    return nullptr;
}

QString LabelWidget::entryAt(const QPoint &point) const
{
    const bool feedbackRow = point.y() <= cellHeight() - kMargin + 1;
    const QList<Shown> &list = feedbackRow ? m_feedbackShown : m_labelShown;
    for (const Shown &shown : list) {
        const QRect box = shown.label->geometry();
        // Rows of eight: the entry must also be in the row under the pointer.
        const bool sameRow = feedbackRow || (point.y() >= box.top() && point.y() < box.top() + cellHeight());
        if (sameRow && box.right() + 1 > point.x())
            return shown.name;
    }
    return QString();
}

void LabelWidget::mousePressEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    const QString name = entryAt(point);
    const LabelRegistry::Entry *entry = m_registry->find(name);
    if (!entry || !m_registry->canDrag(*entry))
        return;
    QLabel *label = entryLabel(name);
    const QPoint hotSpot = point - label->pos();
    const QString key = LabelRegistry::dragKey(*entry);
    const Qt::DropAction action = startDrag(DragPayload{key, hotSpot}, label->pixmap(), hotSpot);
    // A drop may have rebuilt the bar; look the entry up again.
    if (action != Qt::MoveAction) {
        if (QLabel *current = entryLabel(name))
            current->setPixmap(pictureFor(name));
    }
}
