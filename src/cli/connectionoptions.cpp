#include "connectionoptions.h"

#include "cli/cliarguments.h"
#include "model/connectionsettings.h"

#include <QHostAddress>
#include <QRegularExpression>

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
         tr("time-out per request")},
    };
}

bool ConnectionOptions::apply(const CliArguments &args, ConnectionSettings &settings,
                              QString &errorText)
{
    quint64 number = 0;
    if (args.isSet(QStringLiteral("host"))) {
        const QString text = args.value(QStringLiteral("host"));
        const QString address = normalisedAddress(text);
        if (address.isEmpty()) {
            errorText = tr("Invalid module address: \"%1\"").arg(text);
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
        if (!args.isSet(key))
            continue;
        if (!parseDecimal(args.value(key), 0xFFFF, number)) {
            errorText = tr("Invalid port (0 to 65535 expected): \"%1\"").arg(args.value(key));
            return false;
        }
        *port.field = quint16(number);
    }
    if (args.isSet(QStringLiteral("timeout"))) {
        const QString text = args.value(QStringLiteral("timeout"));
        if (!parseDecimal(text, 0xFFFFFFFFu, number)) {
            errorText = tr("Invalid time-out (whole seconds expected): \"%1\"").arg(text);
            return false;
        }
        settings.timeout = quint32(number);
    }
    return true;
}

QString ConnectionOptions::normalisedAddress(const QString &text)
{
    QHostAddress address;
    if (!address.setAddress(text))
        return QString();
    return address.toString();
}

bool ConnectionOptions::parseDecimal(const QString &text, quint64 limit, quint64 &value)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,20}$"));
    if (!digits.match(text).hasMatch())
        return false;
    bool ok = false;
    value = text.toULongLong(&ok, 10);
    return ok && value <= limit;
}
