// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// The value rules for how to reach the module (address, ports, time-out),
// shared by the program's command line, karix-cli and the document reader so
// that a value means the same wherever it is given.
class ConnectionValues
{
    Q_DECLARE_TR_FUNCTIONS(ConnectionValues)

public:
    // Seconds per request. karix-cli refuses values outside this range; the
    // program's command line and documents clamp them with a warning.
    static constexpr quint32 minTimeout = 1;
    static constexpr quint32 maxTimeout = 3600;

    enum class Verdict { Valid, OutOfRange, Invalid };

    // Normalised text of an IPv4 address of four dotted numbers or of an IPv6
    // address; empty when it is none or when a dotted part has a leading zero
    // ("010.0.0.1").
    static QString address(const QString &text);
    // As address(), but only a dotted IPv4 address of four parts.
    static QString ipv4Address(const QString &text);
    // Plain decimal digits within limit; "+5", " 5" and "0x10" are refused.
    static bool parseDecimal(const QString &text, quint64 limit, quint64 &value);
    static bool port(const QString &text, quint16 &value);
    // Whole seconds. A number outside minTimeout..maxTimeout gives OutOfRange
    // with value set to the nearest limit; Invalid leaves value alone.
    static Verdict timeout(const QString &text, quint32 &value);
    static quint32 clampedTimeout(quint64 seconds);

    static QString invalidAddressText(const QString &text);
    static QString invalidPortText(const QString &text);
    static QString invalidTimeoutText(const QString &text);
    // "Time-out %1 is out of range (1 to 3600 seconds); %2 is used."
    static QString clampedTimeoutText(const QString &text, quint32 used);
};
