// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QList>
#include <QRect>

class QLabel;
class QPainter;
class QWidget;
struct ConnectionSettings;

// What a canvas shows behind its blocks: the five column bands, coloured
// over the columns' extent, their headers, and the caption with the
// connection settings.
class SheetBackdrop
{
    // The caption's translation is kept under the canvas's context.
    Q_DECLARE_TR_FUNCTIONS(ProgramWidget)
public:
    // The headers and the caption become child labels of `canvas`.
    // settings: read at every paint; not owned.
    SheetBackdrop(QWidget *canvas, const ConnectionSettings *settings);

    // Brings the caption up to date and paints the bands.
    void paint(QPainter &painter);
    // Scales the header and caption labels (the bands follow the painter).
    void setZoom(double zoom);

private:
    QString connectionCaption() const;

    const ConnectionSettings *m_settings;
    QLabel *m_caption;
    // Every label with its geometry at 100 %.
    QList<QPair<QLabel *, QRect>> m_labels;
    QFont m_font;
};
