#include "versioncommand.h"

#include "cli/cliarguments.h"
#include "cli/clireporter.h"
#include "cli/exitcode.h"
#include "cli/modulesession.h"
#include "device/moduleinterface.h"
#include "device/qudpthread.h"
#include "model/connectionsettings.h"

QString VersionCommand::summary() const
{
    return tr("read the module's firmware version");
}

QString VersionCommand::synopsis() const
{
    return tr("[-h ADDRESS] [-u PORT] [-o SECONDS]");
}

QString VersionCommand::versionText(const QByteArray &bytes)
{
    QString text;
    for (const char byte : bytes)
        text += QStringLiteral("%1").arg(quint8(byte), 2, 16, QLatin1Char('0'));
    return text;
}

int VersionCommand::run(const CliArguments &args, CliReporter &reporter)
{
    const QString countError = operandCountError(args, 0, 0);
    if (!countError.isEmpty())
        return usageError(reporter, countError);
    ConnectionSettings settings;
    int exitCode = resolveSettings(args, settings, reporter);
    if (exitCode != ExitCode::Success)
        return exitCode;
    ModuleSession session(settings, m_interrupt, reporter);
    auto *worker = new QUdpThread;
    worker->setBlockRead(ModuleInterface::versionAddress, ModuleInterface::versionSize);
    exitCode = session.run(worker);
    if (exitCode == ExitCode::Success) {
        const QString version = versionText(session.runner().data());
        reporter.set(QStringLiteral("version"), version);
        reporter.print(tr("FPGA Version: %1").arg(version));
    }
    return reporter.finish(exitCode);
}
