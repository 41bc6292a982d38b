#pragma once

#include "cli/clioption.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class CliArguments;
struct ConnectionSettings;

// The connection options shared by every module command; the letters and
// the value rules are the GUI's (-h address, -u/-t decimal 16-bit ports,
// -o decimal 32-bit seconds).
class ConnectionOptions
{
    Q_DECLARE_TR_FUNCTIONS(ConnectionOptions)

public:
    static QList<CliOption> options();

    // Overwrites the fields whose option was given. Returns false with a
    // message naming the first value that is not accepted.
    static bool apply(const CliArguments &args, ConnectionSettings &settings, QString &errorText);

    // Normalised text of an IPv4 or IPv6 address; empty when it is none.
    static QString normalisedAddress(const QString &text);
    // Plain decimal digits within limit; "+5", " 5" and "0x10" are refused.
    static bool parseDecimal(const QString &text, quint64 limit, quint64 &value);
};
