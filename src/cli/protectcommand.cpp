// SPDX-License-Identifier: GPL-3.0-or-later
#include "protectcommand.h"

#include "cli/cliarguments.h"
#include "cli/clireporter.h"
#include "cli/exitcode.h"
#include "cli/modulesession.h"
#include "model/connectionsettings.h"

QString ProtectCommand::summary() const
{
    return tr("show or set the write protection (current and boot setting)");
}

QString ProtectCommand::synopsis() const
{
    return tr("[--current on|off] [--boot on|off] [-h ADDRESS] [-u PORT] [-o SECONDS]");
}

QString ProtectCommand::details() const
{
    return tr("Without --current or --boot the two settings are shown. The boot setting is\n"
              "stored in the module's EEPROM and applies from the next power-up.");
}

QList<CliOption> ProtectCommand::commandOptions() const
{
    return {
        {QChar(), QStringLiteral("current"), tr("on|off"),
         tr("write-protect the registers now, or lift it")},
        {QChar(), QStringLiteral("boot"), tr("on|off"),
         tr("write-protect the registers from power-up, or not")},
    };
}

int ProtectCommand::wantedState(const CliArguments &args, const QString &key, bool current)
{
    if (!args.isSet(key))
        return current ? 1 : 0;
    const QString value = args.value(key);
    if (value == QLatin1String("on"))
        return 1;
    return value == QLatin1String("off") ? 0 : -1;
}

QString ProtectCommand::stateText(bool on)
{
    return on ? tr("on") : tr("off");
}

int ProtectCommand::run(const CliArguments &args, CliReporter &reporter)
{
    const QString countError = operandCountError(args, 0, 0);
    if (!countError.isEmpty())
        return usageError(reporter, countError);
    for (const char *key : {"current", "boot"}) {
        if (wantedState(args, QLatin1String(key), false) < 0)
            return usageError(reporter, tr("--%1 takes on or off.").arg(QLatin1String(key)));
    }
    ConnectionSettings settings;
    int exitCode = resolveSettings(args, settings, reporter);
    if (exitCode != ExitCode::Success)
        return exitCode;
    ModuleSession session(settings, m_interrupt, reporter);
    ModuleState state;
    exitCode = session.readState(CommandPlans::StateRead::Protection, state);
    if (exitCode == ExitCode::Success)
        exitCode = session.refuse(OperationGate::Command::WriteProtect, state);
    if (exitCode != ExitCode::Success)
        return reporter.finish(exitCode);

    const bool current = wantedState(args, QStringLiteral("current"), state.isWriteProtected());
    const bool boot = wantedState(args, QStringLiteral("boot"), state.isBootProtected());
    exitCode = change(session, state, current, boot, reporter);
    reporter.set(QStringLiteral("current"), current);
    reporter.set(QStringLiteral("boot"), boot);
    if (exitCode == ExitCode::Success) {
        reporter.print(tr("Write Protect (Current setting): %1").arg(stateText(current)));
        reporter.print(tr("Write Protect (Boot setting): %1").arg(stateText(boot)));
    }
    return reporter.finish(exitCode);
}

int ProtectCommand::change(ModuleSession &session, const ModuleState &state, bool current,
                           bool boot, CliReporter &reporter) const
{
    const OperationPlan plan = CommandPlans::protection(state, current, boot);
    const bool changed = !plan.commands.isEmpty();
    reporter.set(QStringLiteral("changed"), changed);
    return changed ? session.run(plan) : int(ExitCode::Success);
}
