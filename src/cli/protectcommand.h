// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/modulecommand.h"

class ModuleSession;
class ModuleState;

// protect: shows the current and boot-time write protection, or changes
// them (--current on|off, --boot on|off).
class ProtectCommand : public ModuleCommand
{
    Q_DECLARE_TR_FUNCTIONS(ProtectCommand)

public:
    using ModuleCommand::ModuleCommand;

    QString name() const override { return QStringLiteral("protect"); }
    QString summary() const override;
    QString synopsis() const override;
    QString details() const override;
    int run(const CliArguments &args, CliReporter &reporter) override;

protected:
    QList<CliOption> commandOptions() const override;

private:
    // "on" → 1, "off" → 0, absent → the current state, anything else → -1.
    static int wantedState(const CliArguments &args, const QString &key, bool current);
    int change(ModuleSession &session, const ModuleState &state, bool current, bool boot,
               CliReporter &reporter) const;
    static QString stateText(bool on);
};
