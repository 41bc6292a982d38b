// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/truthtable.h"

TruthTable TruthTable::constant(bool value)
{
    TruthTable table;
    table.m_words.fill(value ? ~quint64(0) : 0);
    return table;
}

TruthTable TruthTable::variable(int input)
{
    TruthTable table;
    if (input < 6) {
        // Inputs below 6 repeat inside every 64-bit word.
        quint64 pattern = 0;
        for (int bit = 0; bit < 64; ++bit) {
            if (bit & (1 << input))
                pattern |= quint64(1) << bit;
        }
        table.m_words.fill(pattern);
    } else {
        const int wordBit = input - 6;
        for (size_t word = 0; word < table.m_words.size(); ++word)
            table.m_words[word] = (word & (size_t(1) << wordBit)) ? ~quint64(0) : 0;
    }
    return table;
}

TruthTable TruthTable::operator~() const
{
    TruthTable result;
    for (size_t i = 0; i < m_words.size(); ++i)
        result.m_words[i] = ~m_words[i];
    return result;
}

TruthTable &TruthTable::operator&=(const TruthTable &other)
{
    for (size_t i = 0; i < m_words.size(); ++i)
        m_words[i] &= other.m_words[i];
    return *this;
}

TruthTable &TruthTable::operator|=(const TruthTable &other)
{
    for (size_t i = 0; i < m_words.size(); ++i)
        m_words[i] |= other.m_words[i];
    return *this;
}

TruthTable &TruthTable::operator^=(const TruthTable &other)
{
    for (size_t i = 0; i < m_words.size(); ++i)
        m_words[i] ^= other.m_words[i];
    return *this;
}

TruthTable operator&(TruthTable left, const TruthTable &right)
{
    return left &= right;
}

TruthTable operator|(TruthTable left, const TruthTable &right)
{
    return left |= right;
}

TruthTable operator^(TruthTable left, const TruthTable &right)
{
    return left ^= right;
}
