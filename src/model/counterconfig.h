// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// What the measure-counter window needs: where the stream is and, per counter
// 0..3, its source/mode (-1 = not used), log directory (empty = no log), unit
// text and display name.
struct CounterConfig
{
    static constexpr int counterCount = 4;

    QString address;
    quint16 tcpPort = 24;
    quint16 udpPort = 4660;
    int timeout = 1;  // seconds
    bool autoConnect = true;
    std::array<int, counterCount> sources{{-1, -1, -1, -1}};
    std::array<QString, counterCount> dirs;
    std::array<QString, counterCount> units;
    std::array<QString, counterCount> names;
};
