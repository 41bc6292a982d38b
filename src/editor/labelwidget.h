// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/dragwidget.h"

#include <QList>
#include <QPixmap>
#include <QString>

class LabelRegistry;
class QLabel;
class QPainter;
class QRect;

// The label bar under the sheets: the design's feedback labels in the top
// row, its labels in rows of eight below. An entry shows an ON picture while
// the current sheet holds no reference to it (it can then be dragged onto
// the sheet) and the OFF picture otherwise. The entries live in the
// LabelRegistry (not owned); this widget redraws whenever it changes.
class LabelWidget : public DragWidget
{
    Q_OBJECT
public:
    static constexpr int entriesPerRow = 8;

    explicit LabelWidget(LabelRegistry *registry, QWidget *parent = nullptr);

    // The widget showing the entry of that name, or null.
    QLabel *entryLabel(const QString &name) const;
    // The entry under a point of this widget, or an empty text.
    QString entryAt(const QPoint &point) const;

public slots:
    void setCurrentTab(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    struct Shown
    {
        QString name;
        QLabel *label;
    };

    void rebuild();
    void clearShown();
    QList<Shown> showRows(const QList<QString> &names, int firstRow);
    QPixmap pictureFor(const QString &name) const;
    static void drawElided(QPainter &painter, const QRect &rect, const QString &text);
    int cellHeight() const;

    LabelRegistry *m_registry;
    QList<Shown> m_feedbackShown;
    QList<Shown> m_labelShown;
};
