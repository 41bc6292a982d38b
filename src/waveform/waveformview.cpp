// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveformview.h"

#include "timing/simtime.h"
#include "timing/tracerecorder.h"
#include "waveform/wavetrace.h"

#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgGenerator>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int ClickSlop = 3;     // pixels a click may move and stay a click
constexpr double NsPerTick = 5;
constexpr double MinTicksPerPixel = 1.0 / 16; // 16 pixels per 5 ns tick at most
constexpr int MinAxisStep = 90;  // pixels between labelled ticks of the axis
constexpr int WaveMargin = 6;    // pixels above and below a wave in its row

const QColor TraceColor(0, 110, 40);
const QColor OverlayColor(150, 150, 220);
const QColor SelectedColor(255, 240, 180);
const std::array<QColor, 2> CursorColors{QColor(200, 30, 30), QColor(30, 60, 200)};

// 1, 2 or 5 times a power of ten, the smallest at least minimum.
double niceStep(double minimum)
{
    const double power = std::pow(10.0, std::floor(std::log10(minimum)));
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= minimum)
            return factor * power;
    }
    return 10 * power;
}

} // namespace

WaveformView::WaveformView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("waveformView"));
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMinimumWidth(LabelWidth + 200);
    updateSize();
}

void WaveformView::setRows(const QList<WaveformRow> &rows)
{
    // Signals shown before keep the order the user gave them; new ones go last.
    QList<int> order;
    for (const WaveformRow &row : std::as_const(m_rows))
        order << row.signal;
    const auto rank = [&order](const WaveformRow &row) {
        const qsizetype index = order.indexOf(row.signal);
        return index < 0 ? order.size() : index;
    };
    m_rows = rows;
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [&rank](const WaveformRow &a, const WaveformRow &b) { return rank(a) < rank(b); });
    m_selected = qMin(m_selected, int(m_rows.size()) - 1);
    updateSize();
    update();
}

void WaveformView::setTrace(const TraceRecorder *trace, quint64 endTick)
{
    const bool lengthChanged = endTick != m_endTick;
    m_trace = trace;
    m_endTick = endTick;
    if (lengthChanged)
        fit();
    update();
}

void WaveformView::setOverlay(const TraceRecorder *overlay)
{
    m_overlay = overlay;
    update();
}

void WaveformView::setView(double firstTick, double ticksPerPixel)
{
    m_ticksPerPixel = qMax(MinTicksPerPixel, ticksPerPixel);
    const double span = m_ticksPerPixel * waveWidth(size());
    m_firstTick = qBound(-span / 2, firstTick, qMax(0.0, double(m_endTick) - span / 2));
    update();
}

void WaveformView::fit()
{
    setView(0, qMax(1.0, double(m_endTick)) / waveWidth(size()));
}

void WaveformView::zoom(double factor, int x)
{
    const double anchor = tickAt(x);
    const double perPixel = qMax(MinTicksPerPixel, m_ticksPerPixel / factor);
    setView(anchor - (x - LabelWidth) * perPixel, perPixel);
}

void WaveformView::setCursor(int which, quint64 tick)
{
    m_cursors[which] = qMin(tick, m_endTick);
    emit cursorsChanged();
    update();
}

QString WaveformView::cursorText() const
{
    QStringList parts;
    const char *names[] = {QT_TR_NOOP("A %1"), QT_TR_NOOP("B %1")};
    for (int which = 0; which < 2; ++which) {
        if (m_cursors[which])
            parts << tr(names[which]).arg(timeText(SimTime::nanoseconds(*m_cursors[which])));
    }
    if (m_cursors[0] && m_cursors[1]) {
        const qint64 delta = qint64(*m_cursors[1]) - qint64(*m_cursors[0]);
        parts << tr("Δt %1").arg(timeText(double(std::llabs(delta)) * NsPerTick));
    }
    return parts.join(QStringLiteral("   "));
}

void WaveformView::selectRow(int row)
{
    m_selected = row;
    update();
}

void WaveformView::highlightBlock(const BlockItem *block)
{
    selectRow(WaveformRows::rowOf(m_rows, block));
}

void WaveformView::setRowHidden(int row, bool hidden)
{
    if (hidden)
        m_hidden.insert(m_rows.at(row).signal);
    else
        m_hidden.remove(m_rows.at(row).signal);
    updateSize();
    update();
}

void WaveformView::hideSelectedRow()
{
    if (m_selected >= 0)
        setRowHidden(m_selected, true);
}

void WaveformView::showAllRows()
{
    m_hidden.clear();
    updateSize();
    update();
}

void WaveformView::moveRow(int row, int delta)
{
    const int target = row + delta;
    if (row < 0 || target < 0 || target >= m_rows.size())
        return;
    m_rows.move(row, target);
    if (m_selected == row)
        m_selected = target;
    update();
}

QString WaveformView::timeText(double nanoseconds)
{
    const double magnitude = std::fabs(nanoseconds);
    if (magnitude < 1e3)
        return tr("%1 ns").arg(nanoseconds, 0, 'g', 6);
    if (magnitude < 1e6)
        return tr("%1 µs").arg(nanoseconds / 1e3, 0, 'g', 6);
    if (magnitude < 1e9)
        return tr("%1 ms").arg(nanoseconds / 1e6, 0, 'g', 6);
    return tr("%1 s").arg(nanoseconds / 1e9, 0, 'g', 6);
}

QList<int> WaveformView::shownRows() const
{
    QList<int> shown;
    for (int row = 0; row < m_rows.size(); ++row) {
        if (!isRowHidden(row))
            shown << row;
    }
    return shown;
}

int WaveformView::rowAt(int y) const
{
    const QList<int> shown = shownRows();
    const int index = (y - AxisHeight) / RowHeight;
    return y >= AxisHeight && index < shown.size() ? shown.at(index) : -1;
}

double WaveformView::tickAt(int x) const
{
    return m_firstTick + (x - LabelWidth) * m_ticksPerPixel;
}

double WaveformView::xOf(double tick) const
{
    return LabelWidth + (tick - m_firstTick) / m_ticksPerPixel;
}

void WaveformView::jumpToEdge(bool forward)
{
    if (!m_trace || m_selected < 0)
        return;
    const auto &changes = m_trace->changes(m_rows.at(m_selected).signal);
    const quint64 from = m_cursors[0].value_or(quint64(qMax(0.0, m_firstTick)));
    const std::optional<quint64> edge =
        forward ? WaveTrace::nextEdge(changes, from) : WaveTrace::previousEdge(changes, from);
    if (!edge)
        return;
    setCursor(0, *edge);
    const double x = xOf(double(*edge));
    if (x < LabelWidth || x >= width())
        setView(double(*edge) - waveWidth(size()) / 2.0 * m_ticksPerPixel, m_ticksPerPixel);
}

void WaveformView::updateSize()
{
    setMinimumHeight(AxisHeight + int(shownRows().size()) * RowHeight + 1);
}

bool WaveformView::exportImage(const QString &path) const
{
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size());
        svg.setViewBox(rect());
        svg.setTitle(tr("Waveforms"));
        QPainter painter(&svg);
        paint(painter, size());
        return painter.end();
    }
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, size());
    painter.end();
    return image.save(path, "PNG");
}

// ---- painting ----

void WaveformView::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    paint(painter, size());
}

void WaveformView::paint(QPainter &painter, const QSize &size) const
{
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const int width = waveWidth(size);
    int y = AxisHeight;
    for (int row : shownRows()) {
        paintRow(painter, row, y, width);
        y += RowHeight;
    }
    paintAxis(painter, size);
    paintCursors(painter, size);
}

void WaveformView::paintAxis(QPainter &painter, const QSize &size) const
{
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(LabelWidth, AxisHeight - 1, size.width(), AxisHeight - 1);
    painter.drawText(QRect(4, 0, size.width() - 8, AxisHeight / 2), Qt::AlignVCenter, cursorText());
    const double stepNs = niceStep(MinAxisStep * m_ticksPerPixel * NsPerTick);
    const double firstNs = std::ceil(m_firstTick * NsPerTick / stepNs) * stepNs;
    const double lastNs = tickAt(size.width()) * NsPerTick;
    for (double ns = firstNs; ns <= lastNs; ns += stepNs) {
        const int x = int(std::lround(xOf(ns / NsPerTick)));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawLine(x, AxisHeight - 6, x, AxisHeight - 1);
        painter.drawText(x + 3, AxisHeight - 8, timeText(ns));
        painter.setPen(QColor(235, 235, 235));
        painter.drawLine(x, AxisHeight, x, size.height());
    }
}

void WaveformView::paintRow(QPainter &painter, int row, int y, int width) const
{
    const WaveformRow &info = m_rows.at(row);
    if (row == m_selected)
        painter.fillRect(0, y, LabelWidth + width, RowHeight, SelectedColor);
    painter.setPen(palette().color(QPalette::Text));
    QString caption = info.label;
    const QString cursorNames[] = {QStringLiteral("A"), QStringLiteral("B")};
    for (int which = 0; which < 2; ++which) {
        if (m_trace && m_cursors[which])
            caption += QStringLiteral(" %1:%2").arg(cursorNames[which]).arg(
                WaveTrace::levelAt(m_trace->changes(info.signal), *m_cursors[which]) ? 1 : 0);
    }
    painter.drawText(QRect(4, y, LabelWidth - 8, RowHeight), Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(caption, Qt::ElideMiddle, LabelWidth - 8));
    painter.setPen(QColor(220, 220, 220));
    painter.drawLine(0, y + RowHeight - 1, LabelWidth + width, y + RowHeight - 1);
    if (m_overlay) {
        painter.setPen(QPen(OverlayColor, 3));
        paintTrace(painter, *m_overlay, info.signal, y, width);
    }
    if (m_trace) {
        painter.setPen(QPen(TraceColor, 1));
        paintTrace(painter, *m_trace, info.signal, y, width);
    }
}

void WaveformView::paintTrace(QPainter &painter, const TraceRecorder &trace, int signal, int y,
                              int width) const
{
    const int high = y + WaveMargin;
    const int low = y + RowHeight - WaveMargin;
    const double endX = xOf(double(trace.endTick())) - LabelWidth;
    const int shown = int(qBound(0.0, std::ceil(endX), double(width)));
    const std::vector<WaveTrace::Span> spans =
        WaveTrace::spans(trace.changes(signal), m_firstTick, m_ticksPerPixel, shown);
    int previousY = -1;
    for (const WaveTrace::Span &span : spans) {
        const int x0 = LabelWidth + span.from;
        const int x1 = LabelWidth + span.to;
        if (span.level == WaveTrace::Level::Band) {
            painter.fillRect(x0, high, x1 - x0, low - high + 1, painter.pen().color());
            previousY = -1;
            continue;
        }
        const int levelY = span.level == WaveTrace::Level::High ? high : low;
        if (previousY >= 0 && previousY != levelY)
            painter.drawLine(x0, previousY, x0, levelY);
        painter.drawLine(x0, levelY, x1, levelY);
        previousY = levelY;
    }
}

void WaveformView::paintCursors(QPainter &painter, const QSize &size) const
{
    for (int which = 0; which < 2; ++which) {
        if (!m_cursors[which])
            continue;
        const double x = xOf(double(*m_cursors[which]));
        if (x < LabelWidth || x > size.width())
            continue;
        painter.setPen(QPen(CursorColors[which], 1, Qt::DashLine));
        painter.drawLine(QPointF(x, 0), QPointF(x, size.height()));
    }
    if (m_gesture == Gesture::Box) {
        const int left = qMax(LabelWidth, qMin(m_pressPos.x(), m_lastPos.x()));
        painter.fillRect(QRect(left, AxisHeight, std::abs(m_lastPos.x() - m_pressPos.x()),
                               size.height() - AxisHeight),
                         QColor(80, 120, 255, 50));
    }
}

// ---- gestures ----

void WaveformView::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (pos.x() < LabelWidth) {
        const int row = rowAt(pos.y());
        selectRow(row);
        if (row >= 0)
            emit rowClicked(m_rows.at(row).block);
        return;
    }
    m_pressPos = m_lastPos = pos;
    m_pressFirstTick = m_firstTick;
    m_gesture = event->button() == Qt::RightButton ? Gesture::Box
                : event->button() == Qt::LeftButton ? Gesture::Pan
                                                    : Gesture::None;
}

void WaveformView::mouseMoveEvent(QMouseEvent *event)
{
    m_lastPos = event->position().toPoint();
    if (m_gesture == Gesture::Pan)
        setView(m_pressFirstTick - (m_lastPos.x() - m_pressPos.x()) * m_ticksPerPixel, m_ticksPerPixel);
    else if (m_gesture == Gesture::Box)
        update();
}

void WaveformView::mouseReleaseEvent(QMouseEvent *event)
{
    const Gesture gesture = m_gesture;
    m_gesture = Gesture::None;
    const QPoint pos = event->position().toPoint();
    const bool click = (pos - m_pressPos).manhattanLength() <= ClickSlop;
    if (gesture == Gesture::None)
        return;
    if (click) {
        setCursor(gesture == Gesture::Pan ? 0 : 1, quint64(std::llround(qMax(0.0, tickAt(pos.x())))));
        return;
    }
    if (gesture == Gesture::Box) {
        const int left = qMax(LabelWidth, qMin(pos.x(), m_pressPos.x()));
        const int right = qMax(pos.x(), m_pressPos.x());
        if (right > left)
            setView(tickAt(left), (right - left) * m_ticksPerPixel / waveWidth(size()));
    }
    update();
}

void WaveformView::wheelEvent(QWheelEvent *event)
{
    const double notches = event->angleDelta().y() / 120.0;
    zoom(std::pow(1.25, notches), int(event->position().x()));
    event->accept();
}

void WaveformView::keyPressEvent(QKeyEvent *event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    const QList<int> shown = shownRows();
    const int index = int(shown.indexOf(m_selected));
    switch (event->key()) {
    case Qt::Key_Right:
        jumpToNextEdge();
        break;
    case Qt::Key_Left:
        jumpToPreviousEdge();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int delta = event->key() == Qt::Key_Up ? -1 : 1;
        if (control)
            moveRow(m_selected, delta);
        else if (index + delta >= 0 && index + delta < shown.size())
            selectRow(shown.at(index + delta));
        break;
    }
    case Qt::Key_Delete:
        hideSelectedRow();
        break;
    case Qt::Key_F:
        fit();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
