// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/connectionvalues.h"

#include <QHostAddress>
#include <QStringList>

#include <algorithm>
#include <limits>

namespace {

bool isDecimal(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// The system's address parser reads "010" as octal and "0x10" as hex, so
// "010.0.0.1" would reach 8.0.0.1; a part with a leading zero is refused
// instead of read differently from how it looks. Only dotted parts count:
// leading zeros in IPv6 groups are ordinary.
bool hasLeadingZero(const QString &text)
{
    const QString dotted = text.mid(text.lastIndexOf(QLatin1Char(':')) + 1);
    if (text.contains(QLatin1Char(':')) && !dotted.contains(QLatin1Char('.')))
        return false;
    const QStringList parts = dotted.split(QLatin1Char('.'));
    return std::any_of(parts.cbegin(), parts.cend(), [](const QString &part) {
        return part.size() > 1 && part.startsWith(QLatin1Char('0'));
    });
}

} // namespace

QString ConnectionValues::address(const QString &text)
{
    // The parser also takes short IPv4 forms ("127.1"); a typo must not
    // silently reach another host.
    const bool shortIpv4 = !text.contains(QLatin1Char(':')) && text.count(QLatin1Char('.')) != 3;
    QHostAddress address;
    if (shortIpv4 || hasLeadingZero(text) || !address.setAddress(text))
        return QString();
    return address.toString();
}

QString ConnectionValues::ipv4Address(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4 || parts.contains(QString()))
        return QString();
    const QString normalised = address(text);
    return QHostAddress(normalised).protocol() == QAbstractSocket::IPv4Protocol ? normalised
                                                                                : QString();
}

QString ConnectionValues::invalidAddressText(const QString &text)
{
    if (hasLeadingZero(text))
        return tr("Invalid module address: \"%1\" (address parts are decimal and start with no "
                  "0)")
            .arg(text);
    return tr("Invalid module address: \"%1\"").arg(text);
}

bool ConnectionValues::parseDecimal(const QString &text, quint64 limit, quint64 &value)
{
    if (!isDecimal(text))
        return false;
    bool ok = false;
    const quint64 number = text.toULongLong(&ok, 10);
    if (!ok || number > limit)
        return false;
    value = number;
    return true;
}

bool ConnectionValues::port(const QString &text, quint16 &value)
{
    quint64 number = 0;
    if (!parseDecimal(text, 0xFFFF, number))
        return false;
    value = quint16(number);
    return true;
}

ConnectionValues::Verdict ConnectionValues::timeout(const QString &text, quint32 &value)
{
    if (!isDecimal(text))
        return Verdict::Invalid;
    bool ok = false;
    const quint64 number = text.toULongLong(&ok, 10);
    // Too many digits for 64 bits is still a number, just a huge one.
    const quint64 seconds = ok ? number : std::numeric_limits<quint64>::max();
    value = clampedTimeout(seconds);
    return value == seconds ? Verdict::Valid : Verdict::OutOfRange;
}

quint32 ConnectionValues::clampedTimeout(quint64 seconds)
{
    return quint32(std::clamp<quint64>(seconds, minTimeout, maxTimeout));
}

QString ConnectionValues::invalidPortText(const QString &text)
{
    return tr("Invalid port (0 to 65535 expected): \"%1\"").arg(text);
}

QString ConnectionValues::invalidTimeoutText(const QString &text)
{
    return tr("Invalid time-out (whole seconds from %1 to %2 expected): \"%3\"")
        .arg(minTimeout)
        .arg(maxTimeout)
        .arg(text);
}

QString ConnectionValues::clampedTimeoutText(const QString &text, quint32 used)
{
    return tr("Time-out %1 is out of range (%2 to %3 seconds); %4 is used.")
        .arg(text)
        .arg(minTimeout)
        .arg(maxTimeout)
        .arg(used);
}
