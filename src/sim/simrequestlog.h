// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMutex>
#include <QStringList>
#include <QtGlobal>

// The requests the register protocol server executed, in arrival order, as
// short lines: "R <address> <length>" for a read, "W <address> <data>" for a
// write (address as 8 hexadecimal digits, data in hexadecimal). Written on
// the simulator thread, read from any thread. Only the latest lines are kept,
// so that a long-running simulator does not grow without bound.
class SimRequestLog
{
public:
    static constexpr int lineLimit = 10000;

    void addRead(quint32 address, int length);
    void addWrite(quint32 address, const QByteArray &data);
    QStringList lines() const;

private:
    void append(const QString &line);

    mutable QMutex m_mutex;
    QStringList m_lines;
};
