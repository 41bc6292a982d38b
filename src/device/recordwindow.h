// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bitset>

// Judges a record stream by its recent past: which of the last `size`
// records were bad. One chance good record does not excuse a stream of
// garbage, and a few bad records do not end a good one.
class RecordWindow
{
public:
    static constexpr int size = 64;

    // Adds one record; true when more than half of the last `size` records
    // (counting none before the first) are bad.
    bool add(bool bad);
    int badCount() const { return int(m_bad.count()); }

private:
    std::bitset<size> m_bad;
    int m_next = 0;  // slot of the oldest record, overwritten next
};
