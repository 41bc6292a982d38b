// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/linkhealth.h"
#include "device/qudpthread.h"

// A device worker that counts its request datagrams, retries and round
// trips. The figures are written on the worker thread and may be read once
// the thread has finished.
class MeasuredUdpThread : public QUdpThread
{
    Q_OBJECT

public:
    using QUdpThread::QUdpThread;

    const LinkHealth &health() const { return m_health; }

    int readChunk(quint32 address, char *dest, unsigned length) override;
    int writeChunk(quint32 address, const char *src, unsigned length) override;
    int transact(int id) override;

private:
    LinkHealth m_health;
    // transact() calls since the current chunk began; every one after the
    // first is a retry.
    int m_attemptsInChunk = 0;
};
