#include "cliprocess.h"

#include <QJsonDocument>

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
