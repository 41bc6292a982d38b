// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/modulecommand.h"

class ModuleSession;
struct HardwareSetup;

// netsetup: reads the network core's settings from the module's EEPROM, or
// writes a new address and ports into it (the module must be in its set-up
// state, DIP switch ON).
class NetSetupCommand : public ModuleCommand
{
    Q_DECLARE_TR_FUNCTIONS(NetSetupCommand)

public:
    using ModuleCommand::ModuleCommand;

    QString name() const override { return QStringLiteral("netsetup"); }
    QString summary() const override;
    QString synopsis() const override;
    QString details() const override;
    int run(const CliArguments &args, CliReporter &reporter) override;

protected:
    QList<CliOption> commandOptions() const override;

private:
    // Fills the new values; reports the first invalid one.
    int readNewValues(const CliArguments &args, HardwareSetup &setup,
                      CliReporter &reporter) const;
    int readSettings(ModuleSession &session, const HardwareSetup &setup,
                     CliReporter &reporter) const;
};
