// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/connectionsettings.h"
#include "sim/simconfig.h"
#include "sim/simstats.h"

#include <QObject>
#include <memory>

class CounterStreamServer;
class LiveDesign;
class QThread;
class SimRegisterSpace;
class TolaServer;

// The module simulator in-process: register space, UDP register protocol and
// TCP counter stream, served on its own thread so that a caller may block
// while a worker talks to it. Binds to 127.0.0.1 only; stop() (or the
// destructor) ends the thread.
class ModuleSimulator : public QObject
{
    Q_OBJECT

public:
    explicit ModuleSimulator(const SimConfig &config = SimConfig(), QObject *parent = nullptr);
    ~ModuleSimulator() override;

    // False when a port could not be bound; errorString() tells which.
    bool start();
    void stop();
    bool isRunning() const;
    QString errorString() const { return m_error; }

    quint16 udpPort() const { return m_udpPort; }
    quint16 tcpPort() const { return m_tcpPort; }
    // How a client reaches this simulator: 127.0.0.1 and its two ports,
    // auto-connect off; the other fields keep their defaults.
    ConnectionSettings connectionSettings() const;
    SimRegisterSpace &registers() { return *m_space; }

    const SimStats &stats() const { return m_stats; }

private:
    void createServers();

    SimConfig m_config;
    SimStats m_stats;
    std::unique_ptr<SimRegisterSpace> m_space;
    std::unique_ptr<QThread> m_thread;
    QObject *m_context = nullptr;  // lives on m_thread; parent of the servers
    TolaServer *m_tola = nullptr;
    CounterStreamServer *m_stream = nullptr;
    LiveDesign *m_design = nullptr;
    quint16 m_udpPort = 0;
    quint16 m_tcpPort = 0;
    QString m_error;
};
