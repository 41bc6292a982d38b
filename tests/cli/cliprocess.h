// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "common/simulatorprocess.h"

// Runs karix-cli from the build directory as a separate process, with a
// hard time limit (the process is killed when it runs over).
struct CliRun
{
    int exitCode = -1;
    bool timedOut = false;
    QString out;
    QString err;

    // The single JSON object a --json run prints on standard output.
    QJsonObject json() const;

    // The locale is given to the process in LANGUAGE, LANG and LC_ALL.
    static CliRun run(const QStringList &args, int limitMs = 30000,
                      const QString &locale = QStringLiteral("C.UTF-8"));
    // Standard output goes to this file (a device such as /dev/full).
    static CliRun runToFile(const QStringList &args, const QString &outputFile,
                            const QString &program = CliRun::program());
    // Standard output is a pipe whose reader has already gone, and SIGPIPE
    // has its default action, as in "karix-cli ... | head -1". A process
    // killed by a signal reports exitCode -1.
    static CliRun runIntoClosedPipe(const QStringList &args);
    static QString program();

private:
    static CliRun finish(QProcess &process, int limitMs);
};

// A pipe for a child's standard output that the test reads only when it
// chooses; its reading end can be closed at once.
class OutputPipe
{
public:
    OutputPipe();
    ~OutputPipe();

    // Makes the pipe the child's standard output, SIGPIPE at its default.
    void attach(QProcess &process);
    // Call after the child started: the parent's writing end goes away.
    void closeWriteEnd();
    void closeReadEnd();
    // Reads and drops what is there, without waiting.
    void drain();

private:
    int m_fds[2] = {-1, -1};
};
