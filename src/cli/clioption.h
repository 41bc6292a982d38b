// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

// One option a subcommand accepts. A short letter, a long name, or both;
// valueName is empty for a flag.
struct CliOption
{
    QChar shortName;
    QString longName;
    QString valueName;
    QString help;

    bool takesValue() const { return !valueName.isEmpty(); }
    // The key under which the parsed value is stored: the long name when
    // there is one, else the letter.
    QString key() const { return longName.isEmpty() ? QString(shortName) : longName; }
};
