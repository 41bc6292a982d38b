#include "cliprocess.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QRegularExpression>

QString CliRun::program()
{
    return QStringLiteral(KARIX_BINARY_DIR "/karix-cli");
}

CliRun CliRun::run(const QStringList &args, int limitMs)
{
    QProcess process;
    process.start(program(), args);
    CliRun result;
    if (!process.waitForStarted(5000))
        return result;
    process.closeWriteChannel();
    if (!process.waitForFinished(limitMs)) {
        result.timedOut = true;
        process.kill();
        process.waitForFinished(5000);
    }
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    if (process.exitStatus() == QProcess::NormalExit && !result.timedOut)
        result.exitCode = process.exitCode();
    return result;
}

QJsonObject CliRun::json() const
{
    return QJsonDocument::fromJson(out.toUtf8()).object();
}

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
