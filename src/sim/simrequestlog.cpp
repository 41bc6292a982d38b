// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/simrequestlog.h"

#include <QMutexLocker>

namespace {
QString hexAddress(quint32 address)
{
    return QStringLiteral("%1").arg(address, 8, 16, QLatin1Char('0'));
}
}

void SimRequestLog::addRead(quint32 address, int length)
{
    append(QStringLiteral("R %1 %2").arg(hexAddress(address)).arg(length));
}

void SimRequestLog::addWrite(quint32 address, const QByteArray &data)
{
    append(QStringLiteral("W %1 %2").arg(hexAddress(address), QString::fromLatin1(data.toHex())));
}

void SimRequestLog::append(const QString &line)
{
    QMutexLocker lock(&m_mutex);
    if (m_lines.size() >= lineLimit)
        m_lines.removeFirst();
    m_lines << line;
}

QStringList SimRequestLog::lines() const
{
    QMutexLocker lock(&m_mutex);
    return m_lines;
}
