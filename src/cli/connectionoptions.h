// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/clioption.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class CliArguments;
struct ConnectionSettings;

// The connection options shared by every module command; the letters are the
// program's (-h address, -u/-t ports, -o seconds) and the value rules are
// ConnectionValues', with out-of-range time-outs refused.
class ConnectionOptions
{
    Q_DECLARE_TR_FUNCTIONS(ConnectionOptions)

public:
    static QList<CliOption> options();

    // Overwrites the fields whose option was given. Returns false with a
    // message naming the first value that is not accepted.
    static bool apply(const CliArguments &args, ConnectionSettings &settings, QString &errorText);
};
