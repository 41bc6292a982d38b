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
    QMutexLocker lock(&m_mutex);
    m_lines << QStringLiteral("R %1 %2").arg(hexAddress(address)).arg(length);
}

void SimRequestLog::addWrite(quint32 address, const QByteArray &data)
{
    QMutexLocker lock(&m_mutex);
    m_lines << QStringLiteral("W %1 %2").arg(hexAddress(address), QString::fromLatin1(data.toHex()));
}

QStringList SimRequestLog::lines() const
{
    QMutexLocker lock(&m_mutex);
    return m_lines;
}

void SimRequestLog::clear()
{
    QMutexLocker lock(&m_mutex);
    m_lines.clear();
}
