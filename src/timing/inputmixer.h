// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/inputsource.h"

#include <memory>
#include <vector>

// Several input sources seen as one. Changes on the same tick come in the
// order the sources were added, so a later source wins on a shared input.
class InputMixer : public InputSource
{
public:
    void addSource(std::unique_ptr<InputSource> source);

    quint64 nextTick() const override;
    InputChange take() override;

private:
    void findEarliest();

    std::vector<std::unique_ptr<InputSource>> m_sources;
    std::vector<quint64> m_nextTicks; // of each source, asked again only after a take
    size_t m_earliest = 0;            // first source with the smallest next tick
};
