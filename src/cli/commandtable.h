// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <memory>
#include <vector>

class CliCommand;
class InterruptWatcher;

// The subcommands of karix-cli and the tool-wide help: finds the command,
// parses its options, answers --help and returns the exit code.
class CommandTable
{
    Q_DECLARE_TR_FUNCTIONS(CommandTable)

public:
    explicit CommandTable(InterruptWatcher &interrupt);
    ~CommandTable();

    // words: the arguments after the program name.
    int execute(const QStringList &words);

    QString toolHelp() const;
    QString commandHelp(const CliCommand &command) const;
    static QString exitCodeHelp();

private:
    CliCommand *find(const QString &name) const;
    int runCommand(CliCommand &command, const QStringList &words);
    int reportUsage(const QString &message, bool json) const;
    static int printHelp(const QString &text);

    std::vector<std::unique_ptr<CliCommand>> m_commands;
};
