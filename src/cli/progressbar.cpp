// SPDX-License-Identifier: GPL-3.0-or-later
#include "progressbar.h"

#include <cstdio>
#include <unistd.h>

namespace {
constexpr int barWidth = 40;
}

ProgressBar::ProgressBar(const QString &label, int maximum)
    : m_label(label)
    , m_maximum(qMax(1, maximum))
    , m_active(::isatty(STDERR_FILENO) == 1)
{
}

ProgressBar::~ProgressBar()
{
    finish();
}

void ProgressBar::setValue(int value)
{
    if (!m_active)
        return;
    m_value = qBound(0, value, m_maximum);
    // Redraw only when the bar moves: a download reports some 50 batches.
    const int width = int(qint64(m_value) * barWidth / m_maximum);
    if (width != m_drawnWidth || m_value == m_maximum)
        draw();
}

void ProgressBar::finish()
{
    if (!m_active)
        return;
    if (m_drawnWidth >= 0)
        std::fputc('\n', stderr);
    std::fflush(stderr);
    m_active = false;
}

void ProgressBar::draw()
{
    m_drawnWidth = int(qint64(m_value) * barWidth / m_maximum);
    const QString bar = QString(m_drawnWidth, QLatin1Char('#'))
                        + QString(barWidth - m_drawnWidth, QLatin1Char('.'));
    const QString line = QStringLiteral("\r%1 [%2] %3/%4").arg(m_label, bar).arg(m_value).arg(m_maximum);
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}
