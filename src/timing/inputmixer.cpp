#include "inputmixer.h"

void InputMixer::addSource(std::unique_ptr<InputSource> source)
{
    m_sources.push_back(std::move(source));
}

InputSource *InputMixer::earliest() const
{
    InputSource *found = nullptr;
    quint64 tick = Exhausted;
    for (const auto &source : m_sources) {
        if (source->nextTick() < tick) {
            tick = source->nextTick();
            found = source.get();
        }
    }
    return found;
}

quint64 InputMixer::nextTick() const
{
    const InputSource *source = earliest();
    return source ? source->nextTick() : Exhausted;
}

InputChange InputMixer::take()
{
    return earliest()->take();
}
