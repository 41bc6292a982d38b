// SPDX-License-Identifier: GPL-3.0-or-later
#include "romcommand.h"

#include "cli/cliarguments.h"
#include "cli/clireporter.h"
#include "model/connectionvalues.h"
#include "cli/exitcode.h"
#include "cli/modulesession.h"
#include "cli/progressbar.h"
#include "compiler/imagecapture.h"
#include "device/moduleinterface.h"
#include "io/designdocument.h"
#include "model/connectionsettings.h"

#include <QJsonArray>

namespace {

const QString listAction = QStringLiteral("list");
const QString saveAction = QStringLiteral("save");
const QString restoreAction = QStringLiteral("restore");
const QString bootAction = QStringLiteral("boot");
const QString initAction = QStringLiteral("init");

bool takesPage(const QString &action)
{
    return action == saveAction || action == restoreAction || action == bootAction;
}

} // namespace

QString RomCommand::summary() const
{
    return tr("list, save, restore and boot the module's ROM pages");
}

QString RomCommand::synopsis() const
{
    return tr("list | save PAGE [--comment TEXT] [--boot] [--design DESIGN [--force]] | "
              "restore PAGE | boot PAGE | init --yes");
}

QString RomCommand::details() const
{
    return tr("list     the sixteen pages (0..15) with their comments, and the boot page\n"
              "save     store the module's registers in PAGE with a comment (at most 112\n"
              "         bytes; default: the design's file name); --boot also makes it the\n"
              "         boot page. With --design the module is first compared with the\n"
              "         design and a difference refuses the save unless --force.\n"
              "restore  load PAGE into the module's registers\n"
              "boot     make PAGE the page loaded at power-up\n"
              "init     clear every page and comment and the registers (needs --yes)\n"
              "Connection settings come from -h/-u/-o, else the --design document.");
}

QList<CliOption> RomCommand::commandOptions() const
{
    return {
        {QLatin1Char('c'), QStringLiteral("comment"), tr("TEXT"), tr("comment of the saved page")},
        {QLatin1Char('b'), QStringLiteral("boot"), QString(),
         tr("save: also make the page the boot page")},
        {QLatin1Char('d'), QStringLiteral("design"), tr("DESIGN"),
         tr("save: the design the module should hold")},
        {QLatin1Char('f'), QStringLiteral("force"), QString(),
         tr("save even when the module differs from --design")},
        {QLatin1Char('y'), QStringLiteral("yes"), QString(), tr("init: confirm")},
    };
}

QString RomCommand::saveComment(const CliArguments &args) const
{
    if (args.isSet(QStringLiteral("comment")))
        return args.value(QStringLiteral("comment"));
    const QString design = args.value(QStringLiteral("design"));
    return design.mid(design.lastIndexOf(QLatin1Char('/')) + 1);
}

int RomCommand::checkArguments(const CliArguments &args, int &page, CliReporter &reporter) const
{
    const QString action = args.operand(0);
    const QStringList actions{listAction, saveAction, restoreAction, bootAction, initAction};
    if (!actions.contains(action))
        return usageError(reporter, action.isEmpty() ? tr("Missing action.")
                                                     : tr("Unknown action: %1").arg(action));
    const QString countError = operandCountError(args, takesPage(action) ? 2 : 1,
                                                 takesPage(action) ? 2 : 1);
    if (!countError.isEmpty())
        return usageError(reporter, countError);
    quint64 number = 0;
    if (takesPage(action)) {
        if (!ConnectionValues::parseDecimal(args.operand(1), ModuleInterface::romPageCount - 1,
                                             number))
            return usageError(reporter,
                              tr("Invalid ROM page (0 to 15 expected): %1").arg(args.operand(1)));
        page = int(number);
    }
    if (action == saveAction) {
        const QString comment = saveComment(args);
        if (comment.isEmpty())
            return usageError(reporter, tr("Please give it a user comment."));
        if (CommandPlans::commentSlot(comment).isEmpty())
            return usageError(reporter, tr("The length of the user comment should be at most %1 "
                                           "bytes.")
                                            .arg(ModuleInterface::commentSize));
    }
    if (action == initAction && !args.isSet(QStringLiteral("yes")))
        return usageError(reporter, tr("Are you sure you want to initialize ROM area?")
                                        + tr(" (give --yes to confirm)"));
    return ExitCode::Success;
}

int RomCommand::run(const CliArguments &args, CliReporter &reporter)
{
    int page = -1;
    int exitCode = checkArguments(args, page, reporter);
    if (exitCode != ExitCode::Success)
        return exitCode;
    const QString action = args.operand(0);
    std::unique_ptr<DesignDocument> design;
    ConnectionSettings settings;
    if (action == saveAction && args.isSet(QStringLiteral("design"))) {
        design = loadDesign(args.value(QStringLiteral("design")), reporter, exitCode);
        if (!design)
            return exitCode;
        settings = design->settings();
    }
    exitCode = resolveSettings(args, settings, reporter);
    if (exitCode != ExitCode::Success)
        return exitCode;

    ModuleSession session(settings, m_interrupt, reporter);
    ModuleState state;
    exitCode = readAndGate(session, args, design.get(), state, reporter);
    if (exitCode != ExitCode::Success)
        return reporter.finish(exitCode);

    if (action == listAction)
        exitCode = list(state, reporter);
    else if (action == saveAction)
        exitCode = save(session, state, page, args, reporter);
    else if (action == restoreAction)
        exitCode = restore(session, page, reporter);
    else if (action == bootAction)
        exitCode = changeBootPage(session, state, page, reporter);
    else
        exitCode = initialise(session, state, reporter);
    return reporter.finish(exitCode);
}

int RomCommand::readAndGate(ModuleSession &session, const CliArguments &args,
                            DesignDocument *design, ModuleState &state,
                            CliReporter &reporter) const
{
    const bool init = args.operand(0) == initAction;
    int comparison = -1;
    QByteArray image;
    int exitCode = design ? compileDesign(*design, image, reporter) : int(ExitCode::Success);
    if (exitCode == ExitCode::Success)
        exitCode = session.readState(CommandPlans::StateRead::RomInfo, state, image, &comparison);
    if (exitCode == ExitCode::Success) {
        exitCode = session.refuse(init ? OperationGate::Command::RomAccess
                                       : OperationGate::Command::SaveAndRestore,
                                  state);
    }
    // No comparison report counts as a difference, as in the program.
    if (exitCode == ExitCode::Success && design && comparison != 0
        && !args.isSet(QStringLiteral("force"))) {
        reporter.error(tr("The displayed data have not been yet downloaded.")
                       + tr(" (the module differs from %1; --force saves anyway)")
                             .arg(args.value(QStringLiteral("design"))));
        exitCode = ExitCode::Failed;
    }
    return exitCode;
}

int RomCommand::list(const ModuleState &state, CliReporter &reporter) const
{
    reporter.print(tr("Boot From %1").arg(state.bootPage()));
    QJsonArray pages;
    for (int page = 0; page < ModuleInterface::romPageCount; ++page) {
        const QString boot = page == state.bootPage() ? tr(" (boot) ") : QString();
        reporter.print(QStringLiteral("%1%2: %3").arg(page).arg(boot, state.comment(page)));
        pages.append(QJsonObject{{QStringLiteral("page"), page},
                                 {QStringLiteral("comment"), state.comment(page)}});
    }
    reporter.set(QStringLiteral("bootPage"), state.bootPage());
    reporter.set(QStringLiteral("pages"), pages);
    return ExitCode::Success;
}

int RomCommand::save(ModuleSession &session, const ModuleState &state, int page,
                     const CliArguments &args, CliReporter &reporter) const
{
    const QString comment = saveComment(args);
    // An unchanged comment is not written again.
    const QByteArray slot =
        comment != state.comment(page) ? CommandPlans::commentSlot(comment) : QByteArray();
    const bool makeBoot = args.isSet(QStringLiteral("boot")) && page != state.bootPage();
    ProgressBar progress(tr("Save to ROM"), CommandPlans::romProgressMaximum);
    const int exitCode =
        session.run(CommandPlans::romSave(page, slot, makeBoot ? page : -1), &progress);
    reporter.set(QStringLiteral("page"), page);
    reporter.set(QStringLiteral("comment"), comment);
    reporter.set(QStringLiteral("bootPage"), makeBoot ? page : state.bootPage());
    if (exitCode == ExitCode::Success)
        reporter.print(tr("Saved to ROM page %1: %2").arg(page).arg(comment));
    return exitCode;
}

int RomCommand::restore(ModuleSession &session, int page, CliReporter &reporter) const
{
    ProgressBar progress(tr("Restore from ROM"), CommandPlans::romProgressMaximum);
    const int exitCode = session.run(CommandPlans::romRestore(page), &progress);
    reporter.set(QStringLiteral("page"), page);
    if (exitCode == ExitCode::Success)
        reporter.print(tr("Restored ROM page %1.").arg(page));
    return exitCode;
}

int RomCommand::changeBootPage(ModuleSession &session, const ModuleState &state, int page,
                               CliReporter &reporter) const
{
    reporter.set(QStringLiteral("bootPage"), page);
    if (page == state.bootPage()) {
        reporter.print(tr("Page %1 is already the boot page.").arg(page));
        return ExitCode::Success;
    }
    const int exitCode = session.run(CommandPlans::bootPage(page));
    if (exitCode == ExitCode::Success)
        reporter.print(tr("Boot From %1").arg(page));
    return exitCode;
}

int RomCommand::initialise(ModuleSession &session, const ModuleState &state,
                           CliReporter &reporter) const
{
    // The registers are reloaded from an empty design, as the GUI does.
    const QByteArray emptyImage = ImageCapture::compile(DesignDocument().model());
    ProgressBar progress(tr("Initialize ROM area"), CommandPlans::initialiseSteps);
    const int exitCode = session.run(CommandPlans::romInitialise(state, emptyImage), &progress);
    if (exitCode == ExitCode::Success)
        reporter.print(tr("ROM area initialized."));
    return exitCode;
}
