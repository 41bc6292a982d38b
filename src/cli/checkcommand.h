// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/designcommand.h"

// check DESIGN: the design rule check report, as the DRC window shows it.
class CheckCommand : public DesignCommand
{
    Q_DECLARE_TR_FUNCTIONS(CheckCommand)

public:
    QString name() const override { return QStringLiteral("check"); }
    QString summary() const override;
    QString synopsis() const override;
    QString details() const override;
    QList<CliOption> options() const override;
    int run(const CliArguments &args, CliReporter &reporter) override;

    // Exit code of a design rule check result (errors, -1 warnings, 0 clean).
    static int exitCodeOf(int checkResult);
    // The design rule check of a loaded document, its load repairs counted
    // and listed first as errors. Result and report as DesignRuleCheck's.
    static int checkDocument(DesignDocument &document, QString &report);
};
