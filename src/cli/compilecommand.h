// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/designcommand.h"

#include <QByteArray>

// compile DESIGN: the register image the module would receive, as 8292 raw
// bytes in address order (0x0004..0x0067, then 0x2000..0x3FFF) or as a dump.
class CompileCommand : public DesignCommand
{
    Q_DECLARE_TR_FUNCTIONS(CompileCommand)

public:
    QString name() const override { return QStringLiteral("compile"); }
    QString summary() const override;
    QString synopsis() const override;
    QString details() const override;
    QList<CliOption> options() const override;
    int run(const CliArguments &args, CliReporter &reporter) override;

    // Sixteen bytes per line, each line led by its register address; the
    // parameter block and the tables start on lines of their own.
    static QString hexDump(const QByteArray &image);

private:
    // To the output file, or standard output ("-"; in JSON mode the field
    // "image").
    int deliver(const QByteArray &image, const QString &output, bool hex,
                CliReporter &reporter) const;
    int writeImage(const QString &path, const QByteArray &bytes, CliReporter &reporter) const;
};
