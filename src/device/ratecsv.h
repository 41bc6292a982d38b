// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

class CounterRates;

// The plotted rates as CSV text: a heading line "Time[HH:MM:SS.zzz]," and
// the columns' headings, then one line per reading time of any column's
// counter within [fromMs, toMs] (the rates' clock): the time of day and each
// counter's rate at that time, an empty field where it has none (a gap).
class RateCsv
{
public:
    struct Column
    {
        int counter = 0;
        QString heading;  // "Gate[usec/s]"
    };

    // clockOrigin: the time of day at clock 0.
    static QByteArray build(const CounterRates &rates, const QList<Column> &columns,
                            double fromMs, double toMs, const QDateTime &clockOrigin);
};
