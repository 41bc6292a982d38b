// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfercommand.h"

#include "cli/checkcommand.h"
#include "cli/cliarguments.h"
#include "cli/clireporter.h"
#include "cli/exitcode.h"
#include "cli/modulesession.h"
#include "cli/progressbar.h"
#include "compiler/imagecapture.h"
#include "io/designdocument.h"

TransferCommand::TransferCommand(Direction direction, InterruptWatcher &interrupt)
    : ModuleCommand(interrupt)
    , m_direction(direction)
{
}

QString TransferCommand::name() const
{
    return m_direction == Direction::Download ? QStringLiteral("download")
                                              : QStringLiteral("verify");
}

QString TransferCommand::summary() const
{
    return m_direction == Direction::Download
               ? tr("write a design's registers to the module")
               : tr("compare the module's registers with a design");
}

QString TransferCommand::synopsis() const
{
    return m_direction == Direction::Download ? tr("DESIGN [--force] [-h ADDRESS] [-u PORT] [-o SECONDS]")
                                              : tr("DESIGN [-h ADDRESS] [-u PORT] [-o SECONDS]");
}

QString TransferCommand::details() const
{
    if (m_direction == Direction::Verify) {
        return tr("Reads the registers back and prints the verdict; on a difference it names\n"
                  "the first mismatch and exits with 1. A write-protected module is refused (5).");
    }
    return tr("Runs the design rule check first: errors refuse the download (1), warnings\n"
              "refuse it unless --force is given (3). A write-protected module is refused (5).\n"
              "Ctrl-C cancels between two requests and exits with 130.");
}

QList<CliOption> TransferCommand::commandOptions() const
{
    if (m_direction == Direction::Verify)
        return {};
    return {{QLatin1Char('f'), QStringLiteral("force"), QString(),
             tr("download even when the design rule check reports warnings")}};
}

int TransferCommand::run(const CliArguments &args, CliReporter &reporter)
{
    int exitCode = ExitCode::Success;
    const auto document = loadOnlyOperand(args, reporter, exitCode);
    if (!document)
        return exitCode;
    ConnectionSettings settings = document->settings();
    exitCode = resolveSettings(args, settings, reporter);
    if (exitCode != ExitCode::Success)
        return exitCode;

    if (m_direction == Direction::Download)
        exitCode = checkDesign(*document, args.isSet(QStringLiteral("force")), reporter);
    QByteArray image;
    if (exitCode == ExitCode::Success)
        exitCode = compileDesign(*document, image, reporter);
    if (exitCode != ExitCode::Success)
        return reporter.finish(exitCode);

    ModuleSession session(settings, m_interrupt, reporter);
    ModuleState state;
    exitCode = session.readState(CommandPlans::StateRead::Flags, state);
    if (exitCode == ExitCode::Success)
        exitCode = session.refuse(OperationGate::Command::Transfer, state);
    if (exitCode == ExitCode::Success) {
        exitCode = m_direction == Direction::Download ? download(session, image, reporter)
                                                      : verify(session, image, reporter);
    }
    return reporter.finish(exitCode);
}

int TransferCommand::checkDesign(DesignDocument &document, bool force,
                                 CliReporter &reporter) const
{
    QString report;
    const int result = CheckCommand::checkDocument(document, report);
    reporter.set(QStringLiteral("drcResult"), result);
    if (result == 0)
        return ExitCode::Success;
    reporter.set(QStringLiteral("drcReport"), report);
    if (result < 0 && force) {
        reporter.note(report.trimmed());
        return ExitCode::Success;
    }
    reporter.error(report.trimmed() + QLatin1Char('\n')
                   + (result > 0 ? tr("The design has errors: nothing was downloaded.")
                                 : tr("The design has warnings: nothing was downloaded "
                                      "(--force downloads anyway).")));
    return CheckCommand::exitCodeOf(result);
}

int TransferCommand::download(ModuleSession &session, const QByteArray &image,
                              CliReporter &reporter) const
{
    ProgressBar progress(tr("Download - TOLA Access"), ImageCapture::ImageSize);
    const int exitCode = session.run(CommandPlans::download(image), &progress, true);
    const int written = session.runner().result().progress;
    reporter.set(QStringLiteral("bytesWritten"), written);
    if (exitCode == ExitCode::Interrupted) {
        reporter.error(tr("Download cancelled after %1 of %2 bytes.")
                           .arg(written)
                           .arg(ImageCapture::ImageSize));
    } else if (exitCode != ExitCode::Success) {
        reporter.error(session.runner().result().errorText);
    } else {
        reporter.print(tr("Download complete: %1 bytes written to %2.")
                           .arg(written)
                           .arg(session.settings().address));
    }
    return exitCode;
}

int TransferCommand::verify(ModuleSession &session, const QByteArray &image,
                            CliReporter &reporter) const
{
    reporter.note(tr("The output may become unstable during verify."));
    const int exitCode = session.run(CommandPlans::verify(image), nullptr, true);
    if (session.runner().interrupted()) {
        reporter.error(tr("Interrupted."));
        return exitCode;
    }
    const OperationResult &result = session.runner().result();
    if (!result.compared) {
        reporter.error(result.errorText);
        return exitCode;
    }
    const bool matched = result.matched();
    reporter.set(QStringLiteral("matched"), matched);
    reporter.set(QStringLiteral("verdict"), result.verdict);
    reporter.set(QStringLiteral("mismatch"), result.mismatch);
    reporter.printBlock(result.verdict);
    return matched ? ExitCode::Success : ExitCode::Failed;
}
