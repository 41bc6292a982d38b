// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A block's parameter text: blank-separated items of a key, "=" and a value.
class PropertyText
{
public:
    // Text after "key=" up to the next blank; empty when absent. The key
    // must start an item, so a key inside a value (a path) is not taken.
    static QString value(const QString &property, const QString &key);
    // Decimal value of a key; 0 when absent or not a number.
    static int intValue(const QString &property, const QString &key);
};
