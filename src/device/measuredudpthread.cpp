// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/measuredudpthread.h"

#include <QElapsedTimer>

int MeasuredUdpThread::readChunk(quint32 address, char *dest, unsigned length)
{
    m_attemptsInChunk = 0;
    return QUdpThread::readChunk(address, dest, length);
}

int MeasuredUdpThread::writeChunk(quint32 address, const char *src, unsigned length)
{
    m_attemptsInChunk = 0;
    return QUdpThread::writeChunk(address, src, length);
}

int MeasuredUdpThread::transact(int id)
{
    if (m_attemptsInChunk++ > 0)
        m_health.addRetry();
    QElapsedTimer clock;
    clock.start();
    const int reply = QUdpThread::transact(id);
    m_health.addRequest(reply != TimedOut, clock.nsecsElapsed());
    return reply;
}
