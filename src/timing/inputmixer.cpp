#include "inputmixer.h"

void InputMixer::addSource(std::unique_ptr<InputSource> source)
{
    m_nextTicks.push_back(source->nextTick());
    m_sources.push_back(std::move(source));
}

size_t InputMixer::earliest() const
{
    size_t found = 0;
    for (size_t index = 1; index < m_nextTicks.size(); ++index) {
        if (m_nextTicks[index] < m_nextTicks[found])
            found = index;
    }
    return found;
}

quint64 InputMixer::nextTick() const
{
    return m_sources.empty() ? Exhausted : m_nextTicks[earliest()];
}

InputChange InputMixer::take()
{
    const size_t index = earliest();
    const InputChange change = m_sources[index]->take();
    m_nextTicks[index] = m_sources[index]->nextTick();
    return change;
}
