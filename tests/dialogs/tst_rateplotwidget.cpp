// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "device/counterrates.h"
#include "dialogs/rateplotwidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

namespace {

// The plot area of a 600 × 300 plot, in widget pixels.
constexpr double areaLeft = 72.0;
constexpr double areaWidth = 520.0;
constexpr int areaTop = 25;
constexpr int areaBottom = 275;

// 400 /s until 10 s, nothing until 20 s, then 800 /s until 30 s.
void fillWithGap(CounterRates &rates)
{
    double value = 0.0;
    for (qint64 time = 0; time <= 30000; time += 500) {
        if (time > 10000 && time < 20000)
            continue;
        value += time <= 10000 ? 200.0 : 400.0;
        rates.add(0, time, value);
    }
}

double xOf(const RatePlotWidget &plot, double timeMs)
{
    const RatePlotWidget::TimeRange range = plot.visibleRange();
    return areaLeft + (timeMs - range.fromMs) / (range.toMs - range.fromMs) * areaWidth;
}

void wheel(RatePlotWidget &plot, double x, int notches)
{
    const QPointF at(x, 150);
    QWheelEvent event(at, plot.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&plot, &event);
}

void mouse(RatePlotWidget &plot, QEvent::Type type, double x, Qt::MouseButtons buttons)
{
    const QPointF at(x, 150);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, plot.mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&plot, &event);
}

bool curveInColumn(const QImage &image, int x)
{
    for (int y = areaTop; y < areaBottom; ++y) {
        const QColor pixel = image.pixelColor(x, y);
        if (pixel.blue() > pixel.red() + 60)
            return true;
    }
    return false;
}

} // namespace

class TestRatePlotWidget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_rates.clear();
        fillWithGap(m_rates);
        m_plot = std::make_unique<RatePlotWidget>(m_rates);
        m_plot->setCounters({QStringLiteral("Gate"), QString(), QString(), QString()},
                            {QStringLiteral("/s"), QString(), QString(), QString()});
        m_plot->setClockOrigin(QDateTime(QDate(2024, 5, 1), QTime(12, 0)));
        m_plot->resize(600, 300);
        m_plot->show();
    }

    // The time under the pointer stays put while the span changes.
    void wheelZoomsAroundThePointer_data()
    {
        QTest::addColumn<bool>("atRightEdge");
        QTest::addColumn<int>("notches");
        QTest::addColumn<double>("spanFactor");
        QTest::newRow("in at the right edge") << true << 1 << 0.8;
        QTest::newRow("in at the left edge") << false << 2 << 0.64;
        QTest::newRow("out at the right edge") << true << -1 << 1.25;
    }
    void wheelZoomsAroundThePointer()
    {
        QFETCH(bool, atRightEdge);
        QFETCH(int, notches);
        QFETCH(double, spanFactor);
        const RatePlotWidget::TimeRange before = m_plot->visibleRange();
        wheel(*m_plot, atRightEdge ? areaLeft + areaWidth : areaLeft, notches);
        const RatePlotWidget::TimeRange after = m_plot->visibleRange();
        QCOMPARE(atRightEdge ? after.toMs : after.fromMs, atRightEdge ? before.toMs : before.fromMs);
        QCOMPARE(after.toMs - after.fromMs, (before.toMs - before.fromMs) * spanFactor);
        QVERIFY(!m_plot->isLive());
    }

    void dragPansAndDoubleClickFollowsNewDataAgain()
    {
        wheel(*m_plot, areaLeft + areaWidth / 2, 1);
        const RatePlotWidget::TimeRange zoomed = m_plot->visibleRange();
        m_rates.add(0, 31000, 1e6);
        QCOMPARE(m_plot->visibleRange().toMs, zoomed.toMs);
        mouse(*m_plot, QEvent::MouseButtonPress, 300, Qt::LeftButton);
        mouse(*m_plot, QEvent::MouseMove, 352, Qt::LeftButton);
        mouse(*m_plot, QEvent::MouseButtonRelease, 352, Qt::NoButton);
        // Dragged right by a tenth of the width: earlier times come into view.
        const double tenth = (zoomed.toMs - zoomed.fromMs) / 10;
        QCOMPARE(m_plot->visibleRange().toMs, zoomed.toMs - tenth);
        mouse(*m_plot, QEvent::MouseButtonDblClick, 352, Qt::LeftButton);
        QVERIFY(m_plot->isLive());
        QCOMPARE(m_plot->visibleRange().toMs, 31000.0);
    }

    void gapsStayGapsAtEveryZoom_data()
    {
        QTest::addColumn<int>("notches");
        QTest::newRow("live") << 0;
        QTest::newRow("zoomed in") << 3;
        QTest::newRow("zoomed out") << -3;
    }
    void gapsStayGapsAtEveryZoom()
    {
        QFETCH(int, notches);
        if (notches != 0)
            wheel(*m_plot, xOf(*m_plot, 10000), notches);
        const QImage image = m_plot->grab().toImage();
        const int gapStart = int(xOf(*m_plot, 10000)) + 3;
        const int gapEnd = std::min(int(xOf(*m_plot, 20000)) - 3, int(areaLeft + areaWidth) - 3);
        QVERIFY(curveInColumn(image, gapStart - 6));
        for (int x = gapStart; x <= gapEnd; ++x)
            QVERIFY2(!curveInColumn(image, x), qPrintable(QString::number(x)));
    }

    // The cursor follows the pointer until a click places it.
    void cursorReadsOutTimeAndRates()
    {
        mouse(*m_plot, QEvent::MouseMove, xOf(*m_plot, 5000), Qt::NoButton);
        QCOMPARE(m_plot->cursorReadout(), QStringLiteral("12:00:05.000  Gate 400 /s"));
        mouse(*m_plot, QEvent::MouseMove, xOf(*m_plot, 15000), Qt::NoButton);
        QCOMPARE(m_plot->cursorReadout(), QStringLiteral("12:00:15.000  Gate no data"));
        mouse(*m_plot, QEvent::MouseButtonPress, xOf(*m_plot, 25000), Qt::LeftButton);
        mouse(*m_plot, QEvent::MouseButtonRelease, xOf(*m_plot, 25000), Qt::NoButton);
        mouse(*m_plot, QEvent::MouseMove, xOf(*m_plot, 5000), Qt::NoButton);
        QCOMPARE(m_plot->cursorReadout(), QStringLiteral("12:00:25.000  Gate 800 /s"));
    }

private:
    CounterRates m_rates;
    std::unique_ptr<RatePlotWidget> m_plot;
};

KARIX_TEST(TestRatePlotWidget)
#include "tst_rateplotwidget.moc"
