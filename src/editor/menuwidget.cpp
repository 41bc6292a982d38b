// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/menuwidget.h"

#include "editor/dragpayload.h"
#include "model/resourcecounters.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

struct PaletteRow
{
    const char *kind;
    const char *picture;
    int gapAfter;   // added to the picture height to give the next item's y
    const char *description;
};

// The info rows hang under their tile (gap -1) to read as one item.
const PaletteRow kRows[] = {
    {"Input", ":/images/MenuInput.png", 17,
     QT_TRANSLATE_NOOP("MenuWidget", "One of the module's ten inputs. Drag it onto a sheet.")},
    {"PreLogic", ":/images/MenuPreLgc.png", -1,
     QT_TRANSLATE_NOOP("MenuWidget", "A logic expression over inputs and feedback paths. Drag it onto a sheet.")},
    {"PreLogicInfo", ":/images/NetPreLgc.png", 7,
     QT_TRANSLATE_NOOP("MenuWidget", "Outputs of the pre-logic that the functions can take.")},
    {"CntFnc", ":/images/FuncLabel.png", 7,
     QT_TRANSLATE_NOOP("MenuWidget", "A timer: one-shot, delayed one-shot, debounce, delay or oscillator.")},
    {"DlyFnc", ":/images/FuncLabel.png", 7,
     QT_TRANSLATE_NOOP("MenuWidget", "A delay line in 5 ns steps.")},
    {"NonFnc", ":/images/FuncLabel.png", 7,
     QT_TRANSLATE_NOOP("MenuWidget", "A pass-through: the signal goes on unchanged.")},
    {"PostLogic", ":/images/MenuPstLgc.png", -1,
     QT_TRANSLATE_NOOP("MenuWidget", "A logic expression over the functions' outputs. Drag it onto a sheet.")},
    {"PostLogicInfo", ":/images/NetPstLgc.png", 7,
     QT_TRANSLATE_NOOP("MenuWidget", "Inputs of the post-logic; every function takes one.")},
    {"MsrCnt", ":/images/MenuOut.png", 7,
     QT_TRANSLATE_NOOP("MenuWidget", "A measure counter: counts times or events, shown live.")},
    {"NIM-OUT", ":/images/MenuOut.png", 7, QT_TRANSLATE_NOOP("MenuWidget", "A NIM output of the module.")},
    {"FeedBack", ":/images/MenuFeedBack.png", -1,
     QT_TRANSLATE_NOOP("MenuWidget", "A feedback path: a post-logic result back into the pre-logic.")},
    {"FeedBackInfo", ":/images/NetFeedBack.png", 7,
     QT_TRANSLATE_NOOP("MenuWidget", "Feedback paths that the pre-logic can still read.")},
    {"Label", ":/images/MenuLabel.png", 7,
     QT_TRANSLATE_NOOP("MenuWidget", "A label: carries a signal to another sheet or column by name.")},
};
constexpr int kLeft = 10;
constexpr int kTop = 10;
const QColor kGrey(127, 127, 127, 127);

} // namespace

MenuWidget::MenuWidget(ResourceCounters *counters, QWidget *parent)
    : DragWidget(parent), m_counters(counters)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    int y = kTop;
    int bottom = y;
    for (const PaletteRow &row : kRows) {
        addItem(QString::fromLatin1(row.kind), QString::fromLatin1(row.picture), y);
        m_items.last().description = tr(row.description);
        redrawItem(m_items.last());
        bottom = m_items.last().rect.bottom() + 1;
        y = bottom + row.gapAfter;
    }
    setMinimumSize(120, bottom + 7);
    connect(counters, &ResourceCounters::changed, this, &MenuWidget::redraw);
}

void MenuWidget::addItem(const QString &kind, const QString &pictureFile, int y)
{
    Item item;
    item.kind = kind;
    item.picture = QPixmap(pictureFile);
    item.rect = QRect(QPoint(kLeft, y), item.picture.size());
    item.label = new QLabel(this);
    item.label->setAttribute(Qt::WA_DeleteOnClose);
    item.label->move(item.rect.topLeft());
    item.label->resize(item.rect.size());
    item.label->show();
    m_items.append(item);
}

MenuWidget::Item *MenuWidget::findItem(const QString &kind)
{
    return const_cast<Item *>(std::as_const(*this).findItem(kind));
}

const MenuWidget::Item *MenuWidget::findItem(const QString &kind) const
{
    for (const Item &item : m_items) {
        if (item.kind == kind)
            return &item;
    }
    return nullptr;
}

void MenuWidget::redraw(const QString &kind)
{
    if (Item *item = findItem(kind))
        redrawItem(*item);
}

void MenuWidget::redrawItem(Item &item)
{
    item.greyed = m_counters->isExhausted(item.kind);
    item.caption = m_counters->caption(item.kind);
    item.label->setPixmap(captionedPicture(item, item.greyed));
    item.label->setToolTip(toolTipOf(item));
}

QString MenuWidget::toolTipOf(const Item &item) const
{
    const int total = m_counters->total(item.kind);
    if (total <= 0)
        return item.description;
    const int free = m_counters->free(item.kind);
    return item.description + QLatin1Char('\n')
           + tr("(%1/%2): %1 of the module's %2 are free; a greyed item has none left.")
                 .arg(free)
                 .arg(total);
}

QPixmap MenuWidget::captionedPicture(const Item &item, bool greyed) const
{
    QPixmap picture = item.picture;
    QPainter painter(&picture);
    if (!item.caption.isEmpty())
        painter.drawText(picture.rect(), Qt::AlignCenter, item.caption);
    if (greyed)
        painter.fillRect(picture.rect(), kGrey);
    return picture;
}

QString MenuWidget::kindAt(const QPoint &point)
{
    for (const Item &item : std::as_const(m_items)) {
        const QRect &r = item.rect;
        if (point.x() > r.left() && point.x() < r.right() + 1 && point.y() > r.top()
            && point.y() < r.bottom() + 1) {
            m_lastHit = item.kind;
            return item.kind;
        }
    }
    return QString();
}

QString MenuWidget::lastHitKind() const
{
    return m_lastHit;
}

QLabel *MenuWidget::itemLabel(const QString &kind) const
{
    const Item *item = findItem(kind);
    return item ? item->label : nullptr;
}

QString MenuWidget::shownCaption(const QString &kind) const
{
    const Item *item = findItem(kind);
    return item ? item->caption : QString();
}

bool MenuWidget::isGreyed(const QString &kind) const
{
    const Item *item = findItem(kind);
    return item && item->greyed;
}

bool MenuWidget::isDraggable(const QString &kind)
{
    return !kind.isEmpty() && !kind.endsWith(QLatin1String("Info"));
}

void MenuWidget::mousePressEvent(QMouseEvent *event)
{
    event->ignore();
    const QPoint point = event->position().toPoint();
    auto *child = qobject_cast<QLabel *>(childAt(point));
    const QString kind = kindAt(point);
    Item *item = findItem(kind);
    if (!child || !item || !isDraggable(kind))
        return;

    const QPoint hotSpot = point - child->pos();
    const QPixmap dragged = child->pixmap();
    child->setPixmap(captionedPicture(*item, true));
    startDrag(DragPayload{kind, hotSpot}, dragged, hotSpot);
    // The palette keeps its pictures whatever the drop did with the drag.
    redrawItem(*item);
}
