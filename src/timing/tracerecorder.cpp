// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracerecorder.h"

void TraceRecorder::step(quint64 tick, quint64 levels, quint64 changed)
{
    for (; changed; changed &= changed - 1) {
        const int signal = __builtin_ctzll(changed);
        m_changes[signal].push_back({tick, TraceSignals::level(levels, signal)});
    }
}
