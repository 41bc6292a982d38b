// SPDX-License-Identifier: GPL-3.0-or-later
#include "netsetupcommand.h"

#include "cli/cliarguments.h"
#include "cli/clireporter.h"
#include "model/connectionvalues.h"
#include "cli/exitcode.h"
#include "cli/modulesession.h"
#include "device/networksettingstext.h"
#include "device/hardwaresetup.h"
#include "model/connectionsettings.h"

namespace {
const QString newAddressKey = QStringLiteral("new-address");
const QString newTcpKey = QStringLiteral("new-tcp-port");
const QString newUdpKey = QStringLiteral("new-udp-port");
}

QString NetSetupCommand::summary() const
{
    return tr("read or write the network settings in the module's EEPROM");
}

QString NetSetupCommand::synopsis() const
{
    return tr("[--new-address ADDRESS [--new-tcp-port PORT] [--new-udp-port PORT]] "
              "[-h ADDRESS] [-u PORT] [-o SECONDS]");
}

QString NetSetupCommand::details() const
{
    return tr("Without --new-address the settings block is read and printed. With it, the\n"
              "new IPv4 address and ports (default 24 and 4660) are written, then read back.\n"
              "Writing needs the module's set-up DIP switch ON; switch it OFF and restart the\n"
              "module afterwards.");
}

QList<CliOption> NetSetupCommand::commandOptions() const
{
    return {
        {QChar(), newAddressKey, tr("ADDRESS"), tr("new IPv4 address of the module")},
        {QChar(), newTcpKey, tr("PORT"), tr("new TCP port of the counter stream (default 24)")},
        {QChar(), newUdpKey, tr("PORT"),
         tr("new UDP port of the register protocol (default 4660)")},
    };
}

int NetSetupCommand::readNewValues(const CliArguments &args, HardwareSetup &setup,
                                   CliReporter &reporter) const
{
    setup.newAddress = args.value(newAddressKey);
    if (!NetworkSettingsText::isValidNewAddress(setup.newAddress))
        return usageError(reporter, setup.newAddress + tr(" is invalid address."));
    const struct
    {
        QString key;
        QString fallback;
        quint16 *field;
    } ports[] = {{newTcpKey, QStringLiteral("24"), &setup.newTcpPort},
                 {newUdpKey, QStringLiteral("4660"), &setup.newUdpPort}};
    for (const auto &port : ports) {
        const QString text = args.value(port.key, port.fallback);
        quint64 number = 0;
        if (!ConnectionValues::parseDecimal(text, 0xFFFF, number))
            return usageError(reporter, text + tr(" is invalid port."));
        *port.field = quint16(number);
    }
    return ExitCode::Success;
}

int NetSetupCommand::run(const CliArguments &args, CliReporter &reporter)
{
    const QString countError = operandCountError(args, 0, 0);
    if (!countError.isEmpty())
        return usageError(reporter, countError);
    const bool write = args.isSet(newAddressKey);
    if (!write && (args.isSet(newTcpKey) || args.isSet(newUdpKey)))
        return usageError(reporter, tr("New ports are written together with --new-address."));
    ConnectionSettings settings;
    int exitCode = resolveSettings(args, settings, reporter);
    if (exitCode != ExitCode::Success)
        return exitCode;
    HardwareSetup setup;
    setup.targetAddress = settings.address;
    setup.targetPort = settings.udpPort;
    setup.defaultAddress = ConnectionSettings::factoryAddress();
    setup.defaultPort = ConnectionSettings().udpPort;
    if (write) {
        exitCode = readNewValues(args, setup, reporter);
        if (exitCode != ExitCode::Success)
            return exitCode;
    }

    ModuleSession session(settings, m_interrupt, reporter);
    if (write) {
        exitCode = session.run(CommandPlans::networkWrite(setup));
        if (exitCode != ExitCode::Success)
            return reporter.finish(exitCode);
        reporter.set(QStringLiteral("written"), true);
    }
    exitCode = readSettings(session, setup, reporter);
    if (exitCode == ExitCode::Success && write) {
        reporter.note(tr("Succeeded in Updating the Kovix module.\n")
                      + tr("Please set DIP switch to OFF, and reboot the KaRiX."));
    }
    return reporter.finish(exitCode);
}

int NetSetupCommand::readSettings(ModuleSession &session, const HardwareSetup &setup,
                                  CliReporter &reporter) const
{
    const int exitCode = session.run(CommandPlans::networkRead(), nullptr, true);
    if (exitCode == ExitCode::Success) {
        const QString text = NetworkSettingsText::format(session.runner().result().data);
        reporter.printBlock(text);
        reporter.set(QStringLiteral("settings"), text);
    } else if (exitCode == ExitCode::Interrupted) {
        reporter.error(tr("Interrupted."));
    } else {
        reporter.error(session.runner().result().errorText + QLatin1Char('\n')
                       + CommandPlans::networkAccessFailure(setup));
    }
    return exitCode;
}
