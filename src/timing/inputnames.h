// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Names by which a stimulus refers to the ten module inputs: the connector
// names, their short forms without "NIM-IN-" (S0 .. S7, M), and the port
// names a design gives them.
class InputNames
{
public:
    static constexpr int Count = 10;

    InputNames();

    static const QStringList &connectors();
    void addAlias(const QString &name, int input);
    // -1 when the name is unknown.
    int indexOf(const QString &name) const;

private:
    QHash<QString, int> m_indexes;
};
