// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputmixer.h"

void InputMixer::addSource(std::unique_ptr<InputSource> source)
{
    m_nextTicks.push_back(source->nextTick());
    m_sources.push_back(std::move(source));
    findEarliest();
}

void InputMixer::findEarliest()
{
    m_earliest = 0;
    for (size_t index = 1; index < m_nextTicks.size(); ++index) {
        if (m_nextTicks[index] < m_nextTicks[m_earliest])
            m_earliest = index;
    }
}

quint64 InputMixer::nextTick() const
{
    return m_sources.empty() ? Exhausted : m_nextTicks[m_earliest];
}

InputChange InputMixer::take()
{
    const InputChange change = m_sources[m_earliest]->take();
    m_nextTicks[m_earliest] = m_sources[m_earliest]->nextTick();
    findEarliest();
    return change;
}
