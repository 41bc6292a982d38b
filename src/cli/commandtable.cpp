// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandtable.h"

#include "cli/cliarguments.h"
#include "cli/clicommand.h"
#include "cli/clireporter.h"
#include "cli/checkcommand.h"
#include "cli/compilecommand.h"
#include "cli/counterscommand.h"
#include "cli/exitcode.h"
#include "cli/exportcommand.h"
#include "cli/netsetupcommand.h"
#include "cli/protectcommand.h"
#include "cli/romcommand.h"
#include "cli/simulatecommand.h"
#include "cli/transfercommand.h"
#include "cli/versioncommand.h"

namespace {

QList<CliOption> commonOptions()
{
    return {
        {QChar(), QStringLiteral("json"), QString(),
         QCoreApplication::translate("CommandTable", "print the result as one JSON object")},
        {QChar(), QStringLiteral("help"), QString(),
         QCoreApplication::translate("CommandTable", "show this help")},
    };
}

QString optionLine(const CliOption &option)
{
    QString names;
    if (!option.shortName.isNull())
        names = QStringLiteral("-") + option.shortName;
    if (!option.longName.isEmpty())
        names += (names.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("--")
                 + option.longName;
    if (option.takesValue())
        names += QLatin1Char(' ') + option.valueName;
    return QStringLiteral("  %1  %2\n").arg(names, -26).arg(option.help);
}

} // namespace

CommandTable::CommandTable(InterruptWatcher &interrupt)
{
    m_commands.push_back(std::make_unique<CheckCommand>());
    m_commands.push_back(std::make_unique<CompileCommand>());
    m_commands.push_back(std::make_unique<ExportCommand>());
    m_commands.push_back(std::make_unique<SimulateCommand>(interrupt));
    m_commands.push_back(
        std::make_unique<TransferCommand>(TransferCommand::Direction::Download, interrupt));
    m_commands.push_back(
        std::make_unique<TransferCommand>(TransferCommand::Direction::Verify, interrupt));
    m_commands.push_back(std::make_unique<VersionCommand>(interrupt));
    m_commands.push_back(std::make_unique<ProtectCommand>(interrupt));
    m_commands.push_back(std::make_unique<RomCommand>(interrupt));
    m_commands.push_back(std::make_unique<NetSetupCommand>(interrupt));
    m_commands.push_back(std::make_unique<CountersCommand>(interrupt));
}

CommandTable::~CommandTable() = default;

int CommandTable::execute(const QStringList &words)
{
    const QString first = words.value(0);
    if (words.isEmpty())
        return reportUsage(tr("No command given."), false);
    if (first == QLatin1String("--help") || first == QLatin1String("help")) {
        const CliCommand *command = find(words.value(1));
        return printHelp(command ? commandHelp(*command) : toolHelp());
    }
    if (first.startsWith(QLatin1Char('-')))
        return reportUsage(tr("No command given."), words.contains(QLatin1String("--json")));
    CliCommand *command = find(first);
    if (!command) {
        return reportUsage(tr("Unknown command: %1").arg(first),
                           words.contains(QLatin1String("--json")));
    }
    return runCommand(*command, words.mid(1));
}

CliCommand *CommandTable::find(const QString &name) const
{
    for (const auto &command : m_commands) {
        if (command->name() == name)
            return command.get();
    }
    return nullptr;
}

int CommandTable::runCommand(CliCommand &command, const QStringList &words)
{
    const CliArguments args = CliArguments::parse(words, command.options() + commonOptions());
    const bool json = args.isSet(QStringLiteral("json"))
                      || (!args.isValid() && words.contains(QLatin1String("--json")));
    CliReporter reporter(command.name(), json);
    if (args.isSet(QStringLiteral("help")) && args.isValid())
        return printHelp(commandHelp(command));
    if (!args.isValid()) {
        reporter.error(args.errorText() + QLatin1Char('\n') + command.usageLine());
        return reporter.finish(ExitCode::Usage);
    }
    return command.run(args, reporter);
}

int CommandTable::printHelp(const QString &text)
{
    CliReporter reporter(QString(), false);
    reporter.printBlock(text);
    return reporter.finish(ExitCode::Success);
}

int CommandTable::reportUsage(const QString &message, bool json) const
{
    CliReporter reporter(QString(), json);
    reporter.error(message + tr("\nUsage: karix-cli COMMAND [OPTIONS] [ARGUMENTS]\n"
                                "(karix-cli --help lists the commands)"));
    return reporter.finish(ExitCode::Usage);
}

QString CommandTable::toolHelp() const
{
    QString text = tr("Usage: karix-cli COMMAND [OPTIONS] [ARGUMENTS]\n\n"
                      "Checks, compiles, downloads and verifies KaRiX designs and operates the\n"
                      "module from scripts, with the same rules and texts as the KaRiX program.\n\n"
                      "Commands:\n");
    for (const auto &command : m_commands)
        text += QStringLiteral("  %1  %2\n").arg(command->name(), -10).arg(command->summary());
    text += tr("\nEvery command accepts --help and --json. Module commands take the connection\n"
               "options -h ADDRESS, -u UDP-PORT, -t TCP-PORT and -o SECONDS; when absent, the\n"
               "values stored in the design document are used, else the defaults (the\n"
               "module's factory address, UDP 4660, TCP 24, 1 second).\n\n");
    text += tr("karix-cli --version prints the version of this program and its commit.\n\n");
    return text + exitCodeHelp();
}

QString CommandTable::commandHelp(const CliCommand &command) const
{
    QString text = command.usageLine() + QStringLiteral("\n\n") + command.summary()
                   + QStringLiteral("\n");
    if (!command.details().isEmpty())
        text += QLatin1Char('\n') + command.details() + QLatin1Char('\n');
    text += tr("\nOptions:\n");
    for (const CliOption &option : command.options() + commonOptions())
        text += optionLine(option);
    return text + QLatin1Char('\n') + exitCodeHelp();
}

QString CommandTable::exitCodeHelp()
{
    return tr("Exit codes:\n"
              "  0    success: design clean, registers match, operation done\n"
              "  1    failed: design errors, verify mismatch, expression error, file not written\n"
              "  2    bad arguments, or a document that is missing, unreadable or invalid\n"
              "  3    the design rule check found warnings only (download needs --force)\n"
              "  4    the module did not answer, or a transfer failed\n"
              "  5    the module refused: write-protected, or its firmware lacks the feature\n"
              "  130  interrupted by Ctrl-C (a running download is cancelled cleanly)\n");
}
