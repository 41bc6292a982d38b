#include "cliprocess.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QRegularExpression>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

QString CliRun::program()
{
    return QStringLiteral(KARIX_BINARY_DIR "/karix-cli");
}

CliRun CliRun::run(const QStringList &args, int limitMs)
{
    QProcess process;
    process.start(program(), args);
    return finish(process, limitMs);
}

CliRun CliRun::runToFile(const QStringList &args, const QString &outputFile)
{
    QProcess process;
    process.setStandardOutputFile(outputFile);
    process.start(program(), args);
    return finish(process, 30000);
}

CliRun CliRun::runIntoClosedPipe(const QStringList &args)
{
    OutputPipe pipe;
    QProcess process;
    pipe.attach(process);
    pipe.closeReadEnd();
    process.start(program(), args);
    pipe.closeWriteEnd();
    return finish(process, 30000);
}

CliRun CliRun::finish(QProcess &process, int limitMs)
{
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

OutputPipe::OutputPipe()
{
    // Close-on-exec: only the end duplicated onto standard output reaches the child.
    if (::pipe2(m_fds, O_CLOEXEC) == 0)
        ::fcntl(m_fds[0], F_SETFL, O_NONBLOCK);
}

OutputPipe::~OutputPipe()
{
    closeReadEnd();
    closeWriteEnd();
}

void OutputPipe::attach(QProcess &process)
{
    const int writeEnd = m_fds[1];
    process.setChildProcessModifier([writeEnd] {
        // Only async-signal-safe calls between fork and exec.
        ::dup2(writeEnd, STDOUT_FILENO);
        std::signal(SIGPIPE, SIG_DFL);
    });
}

void OutputPipe::closeWriteEnd()
{
    if (m_fds[1] >= 0)
        ::close(m_fds[1]);
    m_fds[1] = -1;
}

void OutputPipe::closeReadEnd()
{
    if (m_fds[0] >= 0)
        ::close(m_fds[0]);
    m_fds[0] = -1;
}

void OutputPipe::drain()
{
    char buffer[65536];
    while (m_fds[0] >= 0 && ::read(m_fds[0], buffer, sizeof buffer) > 0) {
    }
}
