// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>

// The child texts of one <entry>, as collected by SaxHandler, read into the
// fields the entry builder understands.
struct EntryKeys
{
    using KeyMap = QMap<QString, QString>;

    QString term;
    int id = -1;          // missing or unparsable: -1
    QString name;         // trimmed
    QString userName;     // as is
    QString property;     // from <property>, else from the older <logic>
    KeyMap nets;          // keys that parse as integers: port -> driver name, in key string order

    static EntryKeys fromMap(const QString &term, const KeyMap &map);
    bool isValid() const { return id >= 0 && !term.isEmpty(); }
};
