// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The traced signals of a timing simulation and their bits in a levels
// word: bit i of the word is the level of signal i.
namespace TraceSignals {
enum : int {
    FirstInput = 0,        // 10 inputs as sampled, connector order
    FirstUnit = 10,        // 11 unit outputs
    FirstOutput = 21,      // 8 NIM outputs
    FirstCounterInput = 29, // MsrCnt k: GATE = 29 + 2k, SRC = 30 + 2k
    FirstFeedback = 37,    // 8 feedback lines as the units use them
    Count = 45
};
constexpr int InputCount = 10;
constexpr int UnitCount = 11;
constexpr int OutputCount = 8;
constexpr int CounterCount = 4;
constexpr int FeedbackCount = 8;

constexpr bool level(quint64 levels, int signal) { return (levels >> signal) & 1u; }
// "NIM-IN-S0", "unit3", "NIM-OUT2", "MsrCnt1.SRC", "fb7".
QString name(int signal);
}
