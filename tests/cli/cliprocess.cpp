// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliprocess.h"

#include <QJsonDocument>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

QString CliRun::program()
{
    return QStringLiteral(KARIX_BINARY_DIR "/karix-cli");
}

CliRun CliRun::run(const QStringList &args, int limitMs, const QString &locale)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LANG", "LC_ALL"})
        environment.insert(QString::fromLatin1(name), locale);
    process.setProcessEnvironment(environment);
    process.start(program(), args);
    return finish(process, limitMs);
}

CliRun CliRun::runToFile(const QStringList &args, const QString &outputFile,
                         const QString &program)
{
    QProcess process;
    process.setStandardOutputFile(outputFile);
    process.start(program, args);
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
