// SPDX-License-Identifier: GPL-3.0-or-later
#include "networksettingstext.h"

#include "model/connectionvalues.h"

namespace {

quint32 shortAt(const QByteArray &block, int offset)
{
    return (quint32(quint8(block.at(offset))) << 8) | quint8(block.at(offset + 1));
}

QString macText(const QByteArray &block)
{
    QString text = QStringLiteral("%1").arg(quint8(block.at(0)), 2, 16, QLatin1Char('0'));
    for (int i = 1; i < 6; ++i)
        text += QStringLiteral(":%1").arg(quint8(block.at(i)), 2, 16, QLatin1Char('0'));
    return text.toUpper();
}

QString ipText(const QByteArray &block)
{
    QString text = QString::number(quint8(block.at(6)));
    for (int i = 7; i < 10; ++i)
        text += QStringLiteral(".%1").arg(quint8(block.at(i)));
    return text;
}

} // namespace

std::optional<NetworkSettingsText::Values> NetworkSettingsText::values(const QByteArray &block)
{
    if (block.size() < blockSize)
        return std::nullopt;
    return Values{ipText(block), quint16(shortAt(block, 10)), quint16(shortAt(block, 16))};
}

QString NetworkSettingsText::format(const QByteArray &block)
{
    if (block.size() < blockSize)
        return QString();
    // The disconnect time-out register counts units of 256 ms.
    return tr("MAC Address : %1").arg(macText(block))
           + tr("\nIP Address : %1").arg(ipText(block))
           + tr("\nTCP Data Port : %1").arg(shortAt(block, 10))
           + tr("\nTCP Command Port : %1").arg(shortAt(block, 12))
           + tr("\nTCP Max Segment Size : %1").arg(shortAt(block, 14))
           + tr("\nUDP Port : %1").arg(shortAt(block, 16))
           + tr("\nTCP Keep Alive(buffer not empty) : %1msec").arg(shortAt(block, 18))
           + tr("\nTCP Keep Alive(buffer empty) : %1msec").arg(shortAt(block, 20))
           + tr("\nTCP Timeout (Connecting) : %1msec").arg(shortAt(block, 22))
           + tr("\nTCP Timeout (Disconnect) : %1msec").arg(shortAt(block, 24) * 256)
           + tr("\nTCP Re-Connect Interval : %1msec").arg(shortAt(block, 26))
           + tr("\nTCP Re-transmition Timer : %1msec").arg(shortAt(block, 28));
}

bool NetworkSettingsText::isValidNewAddress(const QString &text)
{
    return !ConnectionValues::ipv4Address(text).isEmpty();
}
