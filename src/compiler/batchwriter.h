// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Sink for register writes in ascending address order. The device worker
// groups consecutive addresses into protocol requests; tests capture the
// bytes in memory. Multi-byte values are stored most significant byte first.
// Each put returns the number of bytes it took (1, 2 or 4).
class BatchWriter
{
public:
    virtual ~BatchWriter() = default;
    virtual int putByte(int value, quint32 address) = 0;
    virtual int putShort(int value, quint32 address) = 0;
    virtual int putInt(int value, quint32 address) = 0;
    virtual int flush() = 0;
};
