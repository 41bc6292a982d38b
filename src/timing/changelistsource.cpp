// SPDX-License-Identifier: GPL-3.0-or-later
#include "changelistsource.h"

ChangeListSource::ChangeListSource(std::vector<InputChange> changes)
    : m_changes(std::move(changes))
{
}

quint64 ChangeListSource::nextTick() const
{
    return m_next < m_changes.size() ? m_changes[m_next].tick : Exhausted;
}

InputChange ChangeListSource::take()
{
    return m_changes[m_next++];
}
