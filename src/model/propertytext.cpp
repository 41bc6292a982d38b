// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/propertytext.h"

QString PropertyText::value(const QString &property, const QString &key)
{
    // A leading blank lets the first item match like every other one.
    const QString items = QLatin1Char(' ') + property;
    const QString marker = QLatin1Char(' ') + key + QLatin1Char('=');
    const int at = items.indexOf(marker);
    if (at < 0)
        return QString();
    const int start = at + marker.size();
    const int blank = items.indexOf(QLatin1Char(' '), start);
    return items.mid(start, blank < 0 ? -1 : blank - start);
}

int PropertyText::intValue(const QString &property, const QString &key)
{
    return value(property, key).toInt(); // toInt gives 0 when it does not convert
}
