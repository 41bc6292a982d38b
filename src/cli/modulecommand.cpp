// SPDX-License-Identifier: GPL-3.0-or-later
#include "modulecommand.h"

#include "cli/cliarguments.h"
#include "cli/clireporter.h"
#include "cli/connectionoptions.h"
#include "model/connectionvalues.h"
#include "cli/exitcode.h"
#include "compiler/imagecapture.h"
#include "io/designdocument.h"
#include "model/operationerror.h"
#include "model/connectionsettings.h"

ModuleCommand::ModuleCommand(InterruptWatcher &interrupt)
    : m_interrupt(interrupt)
{
}

QList<CliOption> ModuleCommand::options() const
{
    return ConnectionOptions::options() + commandOptions();
}

int ModuleCommand::resolveSettings(const CliArguments &args, ConnectionSettings &settings,
                                   CliReporter &reporter) const
{
    QString errorText;
    if (!ConnectionOptions::apply(args, settings, errorText))
        return usageError(reporter, errorText);
    // A document may store an address the protocol client cannot use.
    const QString address = ConnectionValues::address(settings.address);
    if (address.isEmpty())
        return usageError(reporter, ConnectionValues::invalidAddressText(settings.address)
                                        + tr(" (give -h ADDRESS)"));
    settings.address = address;
    return ExitCode::Success;
}

int ModuleCommand::compileDesign(DesignDocument &document, QByteArray &image,
                                 CliReporter &reporter)
{
    try {
        image = ImageCapture::compile(document.model());
    } catch (const OperationError &failure) {
        reporter.error(failure.message());
        return ExitCode::Failed;
    }
    return ExitCode::Success;
}
