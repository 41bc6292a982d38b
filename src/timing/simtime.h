// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// Times of the timing simulation. Texts are decimal numbers with a unit
// ("12.345us", "0ns", "1.5 ms") and are converted without binary floating
// point, to whole picoseconds; a clock tick is 5 ns.
class SimTime
{
    Q_DECLARE_TR_FUNCTIONS(SimTime)

public:
    static constexpr qint64 PicosPerTick = 5000;

    // False with a message when the text is not a non-negative time with a
    // unit (ps, ns, us, ms, s), is finer than 1 ps or is too large.
    static bool parse(const QString &text, qint64 &picos, QString &error);
    // The first clock edge at or after the time: a change at 7 ns is seen at tick 2.
    static quint64 tickAtOrAfter(qint64 picos) { return quint64((picos + PicosPerTick - 1) / PicosPerTick); }
    static qint64 nanoseconds(quint64 tick) { return qint64(tick) * 5; }
};
