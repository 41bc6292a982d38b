// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "waveform/waveformrows.h"

#include <QSet>
#include <QWidget>

#include <array>
#include <optional>

class QPainter;
class TraceRecorder;

// The waveform view: one row per traced signal over a time axis, painted
// here (no chart library). Left drag pans, right drag zooms to a box, the
// wheel zooms around the pointer; a left click places cursor A, a right
// click cursor B. A click on a caption selects the row; Left and Right move
// cursor A to the selected row's previous or next edge; Ctrl+Up/Down move
// the row, Delete hides it. Where a pixel column holds more than one edge a
// filled band is drawn, so the cost of a repaint depends on the width, not
// on the number of changes.
class WaveformView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int LabelWidth = 200;
    static constexpr int AxisHeight = 42; // the cursor readout above the time axis
    static constexpr int RowHeight = 26;

    explicit WaveformView(QWidget *parent = nullptr);

    // Rows hidden or moved before stay so when their signal comes again.
    void setRows(const QList<WaveformRow> &rows);
    const QList<WaveformRow> &rows() const { return m_rows; }
    // Neither is owned; null clears. The overlay is drawn faintly under the
    // trace, as the previous run for comparison. endTick: the run's length.
    void setTrace(const TraceRecorder *trace, quint64 endTick);
    void setOverlay(const TraceRecorder *overlay);

    // The view: ticks from firstTick, ticksPerPixel per pixel column.
    void setView(double firstTick, double ticksPerPixel);
    double firstTick() const { return m_firstTick; }
    double ticksPerPixel() const { return m_ticksPerPixel; }
    // Zooms by factor (> 1 zooms in) keeping the tick under x in place.
    void zoom(double factor, int x);

    // which: 0 (A) or 1 (B).
    void setCursor(int which, quint64 tick);
    std::optional<quint64> cursor(int which) const { return m_cursors[which]; }
    // "A 1.2 µs  B 1.4 µs  Δt 200 ns" with what is set.
    QString cursorText() const;

    int selectedRow() const { return m_selected; }
    void selectRow(int row);
    // Selects the row of a block chosen elsewhere (cross-probing); no signal.
    void highlightBlock(const BlockItem *block);
    void setRowHidden(int row, bool hidden);
    bool isRowHidden(int row) const { return m_hidden.contains(m_rows.at(row).signal); }
    void moveRow(int row, int delta);

    // "12 ns", "1.25 µs", "3.5 ms", "1 s".
    static QString timeText(double nanoseconds);
    // Paints the whole view in size, as on screen; for export too.
    void paint(QPainter &painter, const QSize &size) const;
    // PNG by default, SVG when the name ends in .svg; false when not written.
    bool exportImage(const QString &path) const;

public slots:
    void fit();
    void jumpToNextEdge() { jumpToEdge(true); }
    void jumpToPreviousEdge() { jumpToEdge(false); }
    void hideSelectedRow();
    void showAllRows();

signals:
    // A caption was clicked: its block (null for none).
    void rowClicked(const BlockItem *block);
    void cursorsChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum class Gesture { None, Pan, Box };

    QList<int> shownRows() const;
    int rowAt(int y) const;
    double tickAt(int x) const;
    double xOf(double tick) const;
    int waveWidth(const QSize &size) const { return qMax(1, size.width() - LabelWidth); }
    void jumpToEdge(bool forward);
    void updateSize();
    void paintAxis(QPainter &painter, const QSize &size) const;
    void paintRow(QPainter &painter, int row, int y, int width) const;
    void paintTrace(QPainter &painter, const TraceRecorder &trace, int signal, int y, int width) const;
    void paintCursors(QPainter &painter, const QSize &size) const;

    QList<WaveformRow> m_rows;
    QSet<int> m_hidden; // signals
    const TraceRecorder *m_trace = nullptr;
    const TraceRecorder *m_overlay = nullptr;
    quint64 m_endTick = 0;
    double m_firstTick = 0;
    double m_ticksPerPixel = 1;
    std::array<std::optional<quint64>, 2> m_cursors;
    int m_selected = -1;
    Gesture m_gesture = Gesture::None;
    QPoint m_pressPos;
    QPoint m_lastPos;
    double m_pressFirstTick = 0;
};
