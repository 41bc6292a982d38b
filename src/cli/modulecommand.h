// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/designcommand.h"

class DesignDocument;
class QByteArray;
struct ConnectionSettings;
class InterruptWatcher;

// Shared by the commands that talk to the module: the connection options
// and where their values come from (options, else the document, else the
// defaults).
class ModuleCommand : public DesignCommand
{
    Q_DECLARE_TR_FUNCTIONS(ModuleCommand)

public:
    explicit ModuleCommand(InterruptWatcher &interrupt);

    QList<CliOption> options() const override;

protected:
    // Options of the command itself, after the connection options.
    virtual QList<CliOption> commandOptions() const = 0;
    // settings holds the document's values (or the defaults) on entry and
    // the ones to use on return. Reports a bad value and returns the usage
    // exit code; Success otherwise.
    int resolveSettings(const CliArguments &args, ConnectionSettings &settings,
                        CliReporter &reporter) const;
    // The module receives the compiled image, so an expression error is
    // reported here, before anything is sent. Failed after reporting it.
    static int compileDesign(DesignDocument &document, QByteArray &image,
                             CliReporter &reporter);

    InterruptWatcher &m_interrupt;
};
