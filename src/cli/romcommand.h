// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/modulecommand.h"

#include <QByteArray>

class DesignDocument;
class ModuleSession;
class ModuleState;

// rom list | save PAGE | restore PAGE | boot PAGE | init: the module's
// sixteen ROM pages, their comments and the boot page.
class RomCommand : public ModuleCommand
{
    Q_DECLARE_TR_FUNCTIONS(RomCommand)

public:
    using ModuleCommand::ModuleCommand;

    QString name() const override { return QStringLiteral("rom"); }
    QString summary() const override;
    QString synopsis() const override;
    QString details() const override;
    int run(const CliArguments &args, CliReporter &reporter) override;

protected:
    QList<CliOption> commandOptions() const override;

private:
    int checkArguments(const CliArguments &args, int &page, CliReporter &reporter) const;
    int list(const ModuleState &state, CliReporter &reporter) const;
    int save(ModuleSession &session, const ModuleState &state, int page, const CliArguments &args,
             CliReporter &reporter) const;
    int restore(ModuleSession &session, int page, CliReporter &reporter) const;
    int changeBootPage(ModuleSession &session, const ModuleState &state, int page,
                       CliReporter &reporter) const;
    int initialise(ModuleSession &session, const ModuleState &state, CliReporter &reporter) const;
    // First stage and its gates: firmware, write protection and, for a save
    // with a design, whether the module holds that design.
    int readAndGate(ModuleSession &session, const CliArguments &args, DesignDocument *design,
                    ModuleState &state, CliReporter &reporter) const;
    QString saveComment(const CliArguments &args) const;
};
