// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectionoptions.h"

#include "cli/cliarguments.h"
#include "model/connectionvalues.h"
#include "model/connectionsettings.h"

QList<CliOption> ConnectionOptions::options()
{
    return {
        {QLatin1Char('h'), QStringLiteral("host"), tr("ADDRESS"),
         tr("module address (IPv4 or IPv6)")},
        {QLatin1Char('u'), QStringLiteral("udp-port"), tr("PORT"),
         tr("UDP port of the register protocol")},
        {QLatin1Char('t'), QStringLiteral("tcp-port"), tr("PORT"),
         tr("TCP port of the counter stream")},
        {QLatin1Char('o'), QStringLiteral("timeout"), tr("SECONDS"),
         tr("time-out per request, %1 to %2")
             .arg(ConnectionValues::minTimeout)
             .arg(ConnectionValues::maxTimeout)},
    };
}

bool ConnectionOptions::apply(const CliArguments &args, ConnectionSettings &settings,
                              QString &errorText)
{
    if (args.isSet(QStringLiteral("host"))) {
        const QString text = args.value(QStringLiteral("host"));
        const QString address = ConnectionValues::address(text);
        if (address.isEmpty()) {
            errorText = ConnectionValues::invalidAddressText(text);
            return false;
        }
        settings.address = address;
    }
    const struct
    {
        const char *key;
        quint16 *field;
    } ports[] = {{"udp-port", &settings.udpPort}, {"tcp-port", &settings.tcpPort}};
    for (const auto &port : ports) {
        const QString key = QLatin1String(port.key);
        if (args.isSet(key) && !ConnectionValues::port(args.value(key), *port.field)) {
            errorText = ConnectionValues::invalidPortText(args.value(key));
            return false;
        }
    }
    if (args.isSet(QStringLiteral("timeout"))) {
        // Out of range is refused here: a script should not run with a value
        // other than the one it gave.
        const QString text = args.value(QStringLiteral("timeout"));
        quint32 seconds = settings.timeout;
        if (ConnectionValues::timeout(text, seconds) != ConnectionValues::Verdict::Valid) {
            errorText = ConnectionValues::invalidTimeoutText(text);
            return false;
        }
        settings.timeout = seconds;
    }
    return true;
}
