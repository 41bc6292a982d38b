// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStringList>

// karix-sim on 127.0.0.1 with free ports and a duration limit; killed when
// this object goes away.
class SimulatorProcess
{
public:
    explicit SimulatorProcess(const QStringList &extraArgs = {}, int durationSeconds = 120);
    ~SimulatorProcess();

    bool isRunning() const { return m_udpPort != 0; }
    quint16 udpPort() const { return m_udpPort; }
    quint16 tcpPort() const { return m_tcpPort; }
    // -h 127.0.0.1 -u <udp> -t <tcp>
    QStringList connection() const;

private:
    QProcess m_process;
    quint16 m_udpPort = 0;
    quint16 m_tcpPort = 0;
};
