// SPDX-License-Identifier: GPL-3.0-or-later
#include "compilecommand.h"

#include "cli/cliarguments.h"
#include "cli/clireporter.h"
#include "cli/exitcode.h"
#include "compiler/imagecapture.h"
#include "compiler/registerimage.h"
#include "io/designdocument.h"
#include "io/safefilewriter.h"
#include "model/operationerror.h"

#include <QCryptographicHash>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int bytesPerLine = 16;

QString dumpArea(const QByteArray &image, int offset, int length, quint32 address)
{
    QString text;
    for (int line = 0; line < length; line += bytesPerLine) {
        text += QStringLiteral("%1:").arg(address + quint32(line), 4, 16, QLatin1Char('0'));
        const int end = qMin(length, line + bytesPerLine);
        for (int i = line; i < end; ++i)
            text += QStringLiteral(" %1").arg(quint8(image.at(offset + i)), 2, 16, QLatin1Char('0'));
        text += QLatin1Char('\n');
    }
    return text;
}

// Same file whatever the spelling: links and relative paths included.
bool isSameFile(const QString &first, const QString &second)
{
    struct stat a;
    struct stat b;
    return ::stat(QFile::encodeName(first).constData(), &a) == 0
           && ::stat(QFile::encodeName(second).constData(), &b) == 0 && a.st_dev == b.st_dev
           && a.st_ino == b.st_ino;
}

} // namespace

QString CompileCommand::summary() const
{
    return tr("compute the register image of a design");
}

QString CompileCommand::synopsis() const
{
    return tr("DESIGN [-o FILE] [--hex]");
}

QString CompileCommand::details() const
{
    return tr("Writes the 8292 bytes the module receives on a download, in address order:\n"
              "0x0004..0x0067, then 0x2000..0x3FFF. Without -o they go to standard output\n"
              "(refused on a terminal unless --hex). An error in a logic expression prints the\n"
              "evaluator's message with the block's name and exits with 1. With --json and\n"
              "no -o the image is given as a hexadecimal string in the field \"image\".\n"
              "-o replaces a regular file only when the image is complete; a device or FIFO\n"
              "is written through, never replaced. The design itself is refused as FILE.");
}

QList<CliOption> CompileCommand::options() const
{
    return {
        {QLatin1Char('o'), QStringLiteral("output"), tr("FILE"),
         tr("write the image to FILE (\"-\": standard output)")},
        {QChar(), QStringLiteral("hex"), QString(),
         tr("a text dump with register addresses instead of raw bytes")},
    };
}

int CompileCommand::run(const CliArguments &args, CliReporter &reporter)
{
    const QString countError = operandCountError(args, 1, 1);
    if (!countError.isEmpty())
        return usageError(reporter, countError);
    const QString output = args.value(QStringLiteral("output"), QStringLiteral("-"));
    const bool hex = args.isSet(QStringLiteral("hex"));
    const bool toStdout = output == QLatin1String("-");
    if (toStdout && !hex && !reporter.isJson() && ::isatty(STDOUT_FILENO) == 1)
        return usageError(reporter, tr("Refusing to write raw bytes to a terminal: give -o FILE "
                                       "or --hex."));

    if (!toStdout && isSameFile(args.operand(0), output))
        return usageError(reporter, tr("Refusing to overwrite the design %1 with its image: "
                                       "give another -o FILE.").arg(args.operand(0)));

    int exitCode = ExitCode::Success;
    const auto document = loadDesign(args.operand(0), reporter, exitCode);
    if (!document)
        return exitCode;
    QByteArray image;
    try {
        image = ImageCapture::compile(document->model());
    } catch (const OperationError &failure) {
        const QString &message = failure.message();
        reporter.error(message);
        return reporter.finish(ExitCode::Failed);
    }

    return reporter.finish(deliver(image, output, hex, reporter));
}

int CompileCommand::deliver(const QByteArray &image, const QString &output, bool hex,
                            CliReporter &reporter) const
{
    reporter.set(QStringLiteral("size"), int(image.size()));
    reporter.set(QStringLiteral("sha256"),
                 QString::fromLatin1(QCryptographicHash::hash(image, QCryptographicHash::Sha256)
                                         .toHex()));
    const QByteArray bytes = hex ? hexDump(image).toLatin1() : image;
    if (output != QLatin1String("-"))
        return writeImage(output, bytes, reporter);
    if (reporter.isJson()) {
        reporter.set(QStringLiteral("image"), QString::fromLatin1(image.toHex()));
        return ExitCode::Success;
    }
    // A failed write is reported by the reporter's finish().
    reporter.printRaw(bytes);
    return ExitCode::Success;
}

int CompileCommand::writeImage(const QString &path, const QByteArray &bytes,
                               CliReporter &reporter) const
{
    const QString problem = SafeFileWriter::save(path, bytes);
    if (!problem.isEmpty()) {
        reporter.error(tr("Cannot write %1: %2").arg(path, problem));
        return ExitCode::Failed;
    }
    reporter.set(QStringLiteral("output"), path);
    reporter.print(tr("%1 bytes written to %2").arg(bytes.size()).arg(path));
    return ExitCode::Success;
}

QString CompileCommand::hexDump(const QByteArray &image)
{
    const int tables = image.size() - RegisterImage::ParameterSize;
    return dumpArea(image, 0, RegisterImage::ParameterSize, RegisterImage::ParameterBase)
           + dumpArea(image, RegisterImage::ParameterSize, tables, RegisterImage::PreLogicBase);
}
