// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/xmltext.h"

QString XmlText::escaped(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': result += QLatin1String("&amp;"); break;
        case '<': result += QLatin1String("&lt;"); break;
        case '>': result += QLatin1String("&gt;"); break;
        case '"': result += QLatin1String("&quot;"); break;
        // Kept as references: a raw CR would be folded into a line feed by
        // the parser, and a raw tab or line feed in an attribute into a blank.
        case '\r': result += QLatin1String("&#13;"); break;
        case '\t': result += QLatin1String("&#9;"); break;
        case '\n': result += QLatin1String("&#10;"); break;
        default: result += c;
        }
    }
    return result;
}
