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

    static CliRun run(const QStringList &args, int limitMs = 30000);
    static QString program();
};
