// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Escaping of the texts a document carries (names, user names, property
// texts, captions, addresses), so that any text reads back unchanged.
class XmlText
{
public:
    // For element content and for attribute values in double quotes.
    static QString escaped(const QString &text);
};
