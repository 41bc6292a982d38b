// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/modulecommand.h"

// version: the module's firmware version, as the About dialog reads it.
class VersionCommand : public ModuleCommand
{
    Q_DECLARE_TR_FUNCTIONS(VersionCommand)

public:
    using ModuleCommand::ModuleCommand;

    QString name() const override { return QStringLiteral("version"); }
    QString summary() const override;
    QString synopsis() const override;
    int run(const CliArguments &args, CliReporter &reporter) override;

protected:
    QList<CliOption> commandOptions() const override { return {}; }
};
