#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

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

    // The address check of the set-up dialog: ConnectionValues::ipv4Address.
    static bool isValidNewAddress(const QString &text);
};
