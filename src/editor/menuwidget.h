// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/dragwidget.h"

#include <QList>
#include <QPixmap>
#include <QRect>
#include <QString>

class QLabel;
class ResourceCounters;

// The palette beside the sheets: one picture per block kind to drag onto a
// canvas, captioned with the free units of its resource counter. The counts
// themselves live in ResourceCounters (not owned); the palette only shows them.
class MenuWidget : public DragWidget
{
    Q_OBJECT
public:
    explicit MenuWidget(ResourceCounters *counters, QWidget *parent = nullptr);

    // The kind whose picture strictly contains the point, or an empty text.
    QString kindAt(const QPoint &point);
    QString lastHitKind() const;
    QLabel *itemLabel(const QString &kind) const;
    // The caption drawn on the kind's picture, and whether the picture is
    // greyed (no unit left).
    QString shownCaption(const QString &kind) const;
    bool isGreyed(const QString &kind) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    struct Item
    {
        QString kind;
        QPixmap picture;
        QLabel *label;
        QRect rect;
        QString caption;
        QString description; // what the item is, for its tooltip
        bool greyed = false;
    };

    void addItem(const QString &kind, const QString &pictureFile, int y);
    void redraw(const QString &kind);
    void redrawItem(Item &item);
    QPixmap captionedPicture(const Item &item, bool greyed) const;
    // The description and, for counted items, what the "(free/total)" count means.
    QString toolTipOf(const Item &item) const;
    Item *findItem(const QString &kind);
    const Item *findItem(const QString &kind) const;
    static bool isDraggable(const QString &kind);

    ResourceCounters *m_counters;
    QList<Item> m_items;
    QString m_lastHit;
};
