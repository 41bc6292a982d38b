// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputnames.h"

#include "model/logicevaluator.h"

InputNames::InputNames()
{
    const QString prefix = QStringLiteral("NIM-IN-");
    for (int input = 0; input < Count; ++input) {
        const QString &name = connectors().at(input);
        m_indexes.insert(name, input);
        if (name.startsWith(prefix))
            m_indexes.insert(name.mid(prefix.size()), input);
    }
}

const QStringList &InputNames::connectors()
{
    return LogicEvaluator::connectorNames();
}

void InputNames::addAlias(const QString &name, int input)
{
    if (!m_indexes.contains(name))
        m_indexes.insert(name, input);
}

int InputNames::indexOf(const QString &name) const
{
    return m_indexes.value(name, -1);
}
