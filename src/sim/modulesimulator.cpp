// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/modulesimulator.h"

#include "sim/counterstreamserver.h"
#include "sim/livedesign.h"
#include "sim/simregisterspace.h"
#include "sim/tolaserver.h"

#include "device/moduleinterface.h"

#include <QThread>

ModuleSimulator::ModuleSimulator(const SimConfig &config, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_space(std::make_unique<SimRegisterSpace>(config.version, config.romCommandMs,
                                                 config.stateFile))
{
    if (!config.designImage.isEmpty()) {
        using namespace ModuleInterface;
        m_space->poke(parameterBlock, config.designImage.left(parameterBlockSize));
        m_space->poke(tableArea, config.designImage.mid(parameterBlockSize));
    }
}

ModuleSimulator::~ModuleSimulator()
{
    stop();
}

bool ModuleSimulator::start()
{
    if (isRunning())
        return true;
    m_error.clear();
    m_thread = std::make_unique<QThread>();
    m_thread->setObjectName(QStringLiteral("module simulator"));
    m_context = new QObject;
    m_context->moveToThread(m_thread.get());
    connect(m_thread.get(), &QThread::finished, m_context, &QObject::deleteLater);
    m_thread->start();
    QMetaObject::invokeMethod(m_context, [this] { createServers(); },
                              Qt::BlockingQueuedConnection);
    if (!m_error.isEmpty()) {
        stop();
        return false;
    }
    return true;
}

// Runs on the simulator thread so that the sockets belong to it.
void ModuleSimulator::createServers()
{
    m_tola = new TolaServer(*m_space, m_config.faults, m_config.seed, m_stats, m_context);
    if (m_config.runsDesign)
        m_design = new LiveDesign(*m_space, m_config.rates, m_config.seed, m_context);
    m_stream = new CounterStreamServer(*m_space, m_config.faults, m_config.streamIntervalMs,
                                       m_design, m_context);
    if (!m_tola->listen(m_config.udpPort))
        m_error = tr("Cannot bind UDP port %1 on 127.0.0.1").arg(m_config.udpPort);
    else if (!m_stream->listen(m_config.tcpPort))
        m_error = tr("Cannot listen on TCP port %1 on 127.0.0.1").arg(m_config.tcpPort);
    m_udpPort = m_tola->port();
    m_tcpPort = m_stream->port();
}

void ModuleSimulator::stop()
{
    if (!m_thread)
        return;
    QMetaObject::invokeMethod(m_context, [this] {
        delete m_tola;
        delete m_stream;
        delete m_design;
        m_tola = nullptr;
        m_stream = nullptr;
        m_design = nullptr;
    }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    m_thread.reset();
    m_context = nullptr;
}

bool ModuleSimulator::isRunning() const
{
    return m_thread != nullptr;
}

ConnectionSettings ModuleSimulator::connectionSettings() const
{
    ConnectionSettings settings;
    settings.address = QStringLiteral("127.0.0.1");
    settings.udpPort = m_udpPort;
    settings.tcpPort = m_tcpPort;
    settings.autoConnect = false;
    return settings;
}
