// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/counterconfig.h"

class DesignModel;

// Which measure counters a design uses and how the counter window shows
// them: per counter its source (the low four bits of the block's Mode, -1
// when the design has no such block), display name, log directory (only
// when FileSave is on) and unit (none for event counters, "nsec" when the
// block gives none).
class CounterAssignment
{
public:
    static CounterConfig fromDesign(const DesignModel &model);
    // Every counter unused and named "MsrCnt<n>": raw counts, no log.
    static CounterConfig withoutDesign();
};
