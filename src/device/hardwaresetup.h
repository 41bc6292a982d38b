// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// Values for writing the network core's settings into its EEPROM. The target
// is where the module answers now; the default target decides which hint an
// access failure shows.
struct HardwareSetup
{
    QString targetAddress;
    quint16 targetPort = 0;
    QString defaultAddress;
    quint16 defaultPort = 0;
    QString newAddress;       // four decimal numbers separated by "."
    quint16 newTcpPort = 0;
    quint16 newUdpPort = 0;

    bool targetIsDefault() const
    {
        return targetAddress == defaultAddress && targetPort == defaultPort;
    }
};
