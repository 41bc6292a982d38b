// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/inputsource.h"

#include <vector>

// Input changes given as a list in tick order: a stimulus file or a
// constant level.
class ChangeListSource : public InputSource
{
public:
    explicit ChangeListSource(std::vector<InputChange> changes);

    quint64 nextTick() const override;
    InputChange take() override;

private:
    std::vector<InputChange> m_changes;
    size_t m_next = 0;
};
