// SPDX-License-Identifier: GPL-3.0-or-later
#include "clicommand.h"

#include "cli/cliarguments.h"
#include "cli/clireporter.h"
#include "cli/exitcode.h"

QString CliCommand::usageLine() const
{
    return tr("Usage: karix-cli %1 %2").arg(name(), synopsis()).trimmed();
}

int CliCommand::usageError(CliReporter &reporter, const QString &message) const
{
    reporter.error(message + QLatin1Char('\n') + usageLine()
                   + tr("\n(karix-cli %1 --help shows every option)").arg(name()));
    return reporter.finish(ExitCode::Usage);
}

QString CliCommand::operandCountError(const CliArguments &args, int min, int max) const
{
    const int count = int(args.operands().size());
    if (count < min)
        return tr("Missing argument.");
    if (count > max)
        return tr("Unexpected argument: %1").arg(args.operand(max));
    return QString();
}
