// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>

// The network core's 30-byte EEPROM settings block (big-endian) as the
// hardware set-up text: MAC and IP address, ports, segment size, keep-alive
// and time-out values, one per line.
class NetworkSettingsText
{
    Q_DECLARE_TR_FUNCTIONS(NetworkSettingsText)

public:
    static constexpr int blockSize = 30;

    // Empty for a block shorter than 30 bytes.
    static QString format(const QByteArray &block);

    // The IP address, TCP data port and UDP port the block holds, as the
    // set-up dialog's Update fields show them; nothing for a short block.
    struct Values
    {
        QString address;
        quint16 tcpPort = 0;
        quint16 udpPort = 0;
    };
    static std::optional<Values> values(const QByteArray &block);

    // The address check of the set-up dialog: ConnectionValues::ipv4Address.
    static bool isValidNewAddress(const QString &text);
};
