// SPDX-License-Identifier: GPL-3.0-or-later
#include "versioncommand.h"

#include "cli/cliarguments.h"
#include "cli/clireporter.h"
#include "cli/exitcode.h"
#include "cli/modulesession.h"
#include "model/connectionsettings.h"

QString VersionCommand::summary() const
{
    return tr("read the module's firmware version");
}

QString VersionCommand::synopsis() const
{
    return tr("[-h ADDRESS] [-u PORT] [-o SECONDS]");
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
    exitCode = session.run(CommandPlans::versionRead());
    if (exitCode == ExitCode::Success) {
        const QString version = ModuleState::versionText(session.runner().result().data);
        reporter.set(QStringLiteral("version"), version);
        reporter.print(tr("FPGA Version: %1").arg(version));
    }
    return reporter.finish(exitCode);
}
