// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <array>

// Value of a Boolean function of the eleven logic-block inputs for every
// input combination. Bit n of the table is the value for the combination n,
// in which bit i of n is input i (_A is bit 0, _K bit 10).
class TruthTable
{
public:
    static constexpr int InputCount = 11;
    static constexpr int EntryCount = 1 << InputCount;

    TruthTable() = default;

    static TruthTable constant(bool value);
    static TruthTable variable(int input);

    bool at(int combination) const
    {
        return (m_words[combination >> 6] >> (combination & 63)) & 1u;
    }

    TruthTable operator~() const;
    TruthTable &operator&=(const TruthTable &other);
    TruthTable &operator|=(const TruthTable &other);
    TruthTable &operator^=(const TruthTable &other);
    bool operator==(const TruthTable &other) const { return m_words == other.m_words; }
    bool operator!=(const TruthTable &other) const { return !(*this == other); }

private:
    std::array<quint64, EntryCount / 64> m_words{};
};

TruthTable operator&(TruthTable left, const TruthTable &right);
TruthTable operator|(TruthTable left, const TruthTable &right);
TruthTable operator^(TruthTable left, const TruthTable &right);
