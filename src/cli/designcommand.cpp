// SPDX-License-Identifier: GPL-3.0-or-later
#include "designcommand.h"

#include "cli/cliarguments.h"
#include "cli/clireporter.h"
#include "io/designloader.h"
#include "cli/exitcode.h"
#include "io/designdocument.h"

#include <QJsonArray>

std::unique_ptr<DesignDocument> DesignCommand::loadDesign(const QString &path,
                                                          CliReporter &reporter,
                                                          int &exitCode) const
{
    auto document = std::make_unique<DesignDocument>();
    QString errorText;
    QStringList warnings;
    const bool loaded = DesignLoader::load(path, *document, errorText, warnings);
    for (const QString &warning : warnings)
        reporter.note(tr("%1: %2").arg(path, warning));
    if (!warnings.isEmpty())
        reporter.set(QStringLiteral("loadWarnings"), QJsonArray::fromStringList(warnings));
    if (loaded) {
        exitCode = ExitCode::Success;
        return document;
    }
    reporter.error(errorText);
    exitCode = reporter.finish(ExitCode::Usage);
    return nullptr;
}

std::unique_ptr<DesignDocument> DesignCommand::loadOnlyOperand(const CliArguments &args,
                                                               CliReporter &reporter,
                                                               int &exitCode) const
{
    const QString countError = operandCountError(args, 1, 1);
    if (!countError.isEmpty()) {
        exitCode = usageError(reporter, countError);
        return nullptr;
    }
    return loadDesign(args.operand(0), reporter, exitCode);
}
