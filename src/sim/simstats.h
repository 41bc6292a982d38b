// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/simrequestlog.h"

#include <QtGlobal>
#include <atomic>

// Traffic counts and the log of well-formed requests the register protocol
// server executed; written on the simulator thread, read from any thread,
// kept after the server stops.
struct SimStats
{
    std::atomic<qint64> requests{0};
    std::atomic<qint64> replies{0};
    std::atomic<qint64> droppedRequests{0};
    std::atomic<qint64> droppedReplies{0};
    SimRequestLog requestLog;
};
