#pragma once

#include <QMutex>
#include <QStringList>
#include <QtGlobal>

// The requests the register protocol server executed, in arrival order, as
// short lines: "R <address> <length>" for a read, "W <address> <data>" for a
// write (address as 8 hexadecimal digits, data in hexadecimal). Written on
// the simulator thread, read from any thread.
class SimRequestLog
{
public:
    void addRead(quint32 address, int length);
    void addWrite(quint32 address, const QByteArray &data);
    QStringList lines() const;
    void clear();

private:
    mutable QMutex m_mutex;
    QStringList m_lines;
};
