// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkcommand.h"

#include "cli/cliarguments.h"
#include "cli/clireporter.h"
#include "cli/exitcode.h"
#include "compiler/designrulecheck.h"
#include "io/designdocument.h"

#include <algorithm>

QString CheckCommand::summary() const
{
    return tr("run the design rule check and print its report");
}

QString CheckCommand::synopsis() const
{
    return tr("DESIGN");
}

QString CheckCommand::details() const
{
    return tr("Prints the report exactly as the DRC window shows it. Exit code 0 when it reads\n"
              "\"No error detected.\", 3 when there are warnings only, 1 when there are errors.\n"
              "An entry the reader had to rename, move or leave out (the loaded design then\n"
              "differs from the file) is an error, listed first.");
}

QList<CliOption> CheckCommand::options() const
{
    return {};
}

int CheckCommand::exitCodeOf(int checkResult)
{
    if (checkResult > 0)
        return ExitCode::Failed;
    return checkResult < 0 ? ExitCode::Warnings : ExitCode::Success;
}

int CheckCommand::checkDocument(DesignDocument &document, QString &report)
{
    const int result = DesignRuleCheck::checkDesign(document.model(), report);
    const QStringList &repairs = document.loadRepairs();
    if (repairs.isEmpty())
        return result;
    QString repairLines;
    for (const QString &repair : repairs)
        repairLines += tr("error: %1\n").arg(repair);
    report = result == 0 ? repairLines : repairLines + report;
    return std::max(result, 0) + int(repairs.size());
}

int CheckCommand::run(const CliArguments &args, CliReporter &reporter)
{
    int exitCode = ExitCode::Success;
    const auto document = loadOnlyOperand(args, reporter, exitCode);
    if (!document)
        return exitCode;
    QString report;
    const int result = checkDocument(*document, report);
    reporter.printBlock(report);
    reporter.set(QStringLiteral("report"), report);
    reporter.set(QStringLiteral("result"), result);
    return reporter.finish(exitCodeOf(result));
}
