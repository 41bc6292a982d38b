// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/entrykeys.h"

EntryKeys EntryKeys::fromMap(const QString &term, const KeyMap &map)
{
    EntryKeys keys;
    keys.term = term;
    bool ok = false;
    const int id = map.value(QStringLiteral("id")).toInt(&ok);
    keys.id = ok ? id : -1;
    keys.name = map.value(QStringLiteral("name")).trimmed();
    keys.userName = map.value(QStringLiteral("userName"));
    const auto property = map.constFind(QStringLiteral("property"));
    keys.property = property != map.cend() ? property.value() : map.value(QStringLiteral("logic"));
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        it.key().toInt(&ok);
        if (ok)
            keys.nets.insert(it.key(), it.value());
    }
    return keys;
}
