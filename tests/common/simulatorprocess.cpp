// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/simulatorprocess.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

SimulatorProcess::SimulatorProcess(const QStringList &extraArgs, int durationSeconds)
{
    m_process.start(QStringLiteral(KARIX_BINARY_DIR "/karix-sim"),
                    QStringList{QStringLiteral("--udp-port"), QStringLiteral("0"),
                                QStringLiteral("--tcp-port"), QStringLiteral("0"),
                                QStringLiteral("--duration"), QString::number(durationSeconds)}
                        + extraArgs);
    if (!m_process.waitForStarted(5000))
        return;
    static const QRegularExpression ports(QStringLiteral("udp=(\\d+) tcp=(\\d+)"));
    QString output;
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
        m_process.waitForReadyRead(200);
        output += QString::fromLatin1(m_process.readAllStandardOutput());
        const QRegularExpressionMatch match = ports.match(output);
        if (match.hasMatch()) {
            m_udpPort = quint16(match.captured(1).toUInt());
            m_tcpPort = quint16(match.captured(2).toUInt());
            return;
        }
    }
}

SimulatorProcess::~SimulatorProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

QStringList SimulatorProcess::connection() const
{
    return {QStringLiteral("-h"), QStringLiteral("127.0.0.1"), QStringLiteral("-u"),
            QString::number(m_udpPort), QStringLiteral("-t"), QString::number(m_tcpPort)};
}
