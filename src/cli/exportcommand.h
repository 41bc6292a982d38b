// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/designcommand.h"

// export DESIGN --format pdf|svg|png [--sheet N] -o OUT: the sheets as the
// program draws them, painted without a display.
class ExportCommand : public DesignCommand
{
    Q_DECLARE_TR_FUNCTIONS(ExportCommand)

public:
    QString name() const override { return QStringLiteral("export"); }
    QString summary() const override;
    QString synopsis() const override;
    QString details() const override;
    QList<CliOption> options() const override;
    int run(const CliArguments &args, CliReporter &reporter) override;
};
