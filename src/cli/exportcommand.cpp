// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exportcommand.h"

#include "cli/cliarguments.h"
#include "cli/clireporter.h"
#include "cli/exitcode.h"
#include "io/designdocument.h"
#include "model/sheetset.h"
#include "render/sheetexporter.h"

#include <QJsonArray>
#include <QStringList>

QString ExportCommand::summary() const
{
    return tr("draw the sheets of a design as PDF, SVG or PNG");
}

QString ExportCommand::synopsis() const
{
    return tr("DESIGN --format pdf|svg|png [--sheet N] -o OUT");
}

QString ExportCommand::details() const
{
    return tr("Draws the sheets as the program shows them. PDF: one page per sheet, each\n"
              "under a title line with the file name, the sheet name and the date. PNG and\n"
              "SVG: one file per sheet, named OUT with \"-N\" before the suffix (N counted\n"
              "from 1), or OUT itself when one sheet is drawn. --sheet N draws sheet N only.\n"
              "Without --format the suffix of OUT chooses.");
}

QList<CliOption> ExportCommand::options() const
{
    return {
        {QChar(), QStringLiteral("format"), tr("FORMAT"), tr("pdf, svg or png")},
        {QChar(), QStringLiteral("sheet"), tr("N"), tr("only sheet N, counted from 1")},
        {QLatin1Char('o'), QStringLiteral("output"), tr("OUT"), tr("the file to write")},
    };
}

int ExportCommand::run(const CliArguments &args, CliReporter &reporter)
{
    const QString countError = operandCountError(args, 1, 1);
    if (!countError.isEmpty())
        return usageError(reporter, countError);
    const QString output = args.value(QStringLiteral("output"));
    if (output.isEmpty())
        return usageError(reporter, tr("Give the file to write with -o OUT."));
    const auto format = args.isSet(QStringLiteral("format"))
                            ? SheetExporter::formatNamed(args.value(QStringLiteral("format")))
                            : SheetExporter::formatOfFile(output);
    if (!format)
        return usageError(reporter, tr("The format must be pdf, svg or png."));

    int exitCode = ExitCode::Success;
    const auto document = loadDesign(args.operand(0), reporter, exitCode);
    if (!document)
        return exitCode;
    const int count = document->sheets().count();
    QList<int> sheets;
    if (args.isSet(QStringLiteral("sheet"))) {
        bool ok = false;
        const int sheet = args.value(QStringLiteral("sheet")).toInt(&ok);
        if (!ok || sheet < 1 || sheet > count)
            return usageError(reporter, tr("The design has sheets 1 to %1.").arg(count));
        sheets << sheet - 1;
    } else {
        for (int sheet = 0; sheet < count; ++sheet)
            sheets << sheet;
    }

    const SheetExporter::Result result =
        SheetExporter(*document, args.operand(0)).write(*format, sheets, output);
    if (!result.error.isEmpty()) {
        reporter.error(result.error);
        return reporter.finish(ExitCode::Failed);
    }
    reporter.set(QStringLiteral("files"), QJsonArray::fromStringList(result.files));
    reporter.print(tr("%n sheet(s) written to %1", nullptr, int(sheets.size()))
                       .arg(result.files.join(QStringLiteral(", "))));
    return reporter.finish(ExitCode::Success);
}
