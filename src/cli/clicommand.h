// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/clioption.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class CliArguments;
class CliReporter;

// One subcommand of karix-cli. The table parses the options a command
// declares and handles --help and --json; run() returns the exit code.
class CliCommand
{
    Q_DECLARE_TR_FUNCTIONS(CliCommand)

public:
    virtual ~CliCommand() = default;

    virtual QString name() const = 0;
    // One line for the tool's command list.
    virtual QString summary() const = 0;
    // Operands after the command name in the usage line.
    virtual QString synopsis() const = 0;
    // Further help paragraphs; may be empty.
    virtual QString details() const { return QString(); }
    virtual QList<CliOption> options() const = 0;
    virtual int run(const CliArguments &args, CliReporter &reporter) = 0;

    QString usageLine() const;

protected:
    // Reports a usage mistake with the usage line; returns the usage exit code.
    int usageError(CliReporter &reporter, const QString &message) const;
    // Null text when the number of operands is within min..max.
    QString operandCountError(const CliArguments &args, int min, int max) const;
};
