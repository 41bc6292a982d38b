// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/connectionsettings.h"

#include <QString>
#include <QStringList>

// Result of parsing the program's arguments. Pure data: parsing shows nothing
// and touches no global state, so it can run before the GUI exists.
struct CommandLine
{
    ConnectionSettings settings;
    bool optionsGiven = false;   // at least one option was accepted
    QString fileName;            // empty when none was given
    QString usageMessage;        // non-empty when a value or operand was refused
    QString clampNote;           // an out-of-range time-out was clamped
    bool hasOperands = false;    // further arguments followed the options

    // Parses argv-style words ("h:t:u:a:o:", POSIX getopt rules). args[0] is
    // the program's own name.
    static CommandLine parse(const QStringList &args);
    static QString usage(const QString &programWord);
    // What the user must be told before the window opens; empty when nothing.
    QString warningText() const;

private:
    int parseOptions(const QStringList &args, bool &badValue);
    // False when the value is refused; the setting is then left as it was.
    bool applyOption(QChar letter, const QString &argument);
    bool applyTimeout(const QString &argument);
};
