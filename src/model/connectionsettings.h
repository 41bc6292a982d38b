// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// How to reach the module. Held by the main window, stored in the document
// root, overridable from the command line.
struct ConnectionSettings
{
    // Factory address of the module. Only ever used to talk to a real module
    // on the user's network; tests and demos always pass a loopback address.
    static QString factoryAddress() { return QStringLiteral("192.168.10.16"); }

    QString address = factoryAddress();
    quint16 tcpPort = 24;     // counter data stream
    quint16 udpPort = 4660;   // register access protocol
    quint32 timeout = 1;      // seconds
    bool autoConnect = true;  // counter window connects by itself when opened

    bool operator==(const ConnectionSettings &other) const
    {
        return address == other.address && tcpPort == other.tcpPort && udpPort == other.udpPort
               && timeout == other.timeout && autoConnect == other.autoConnect;
    }
    bool operator!=(const ConnectionSettings &other) const { return !(*this == other); }
};
