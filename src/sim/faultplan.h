// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMetaType>
#include <QtGlobal>
#include <utility>

// Faults the simulator injects. Rates are probabilities 0..1 drawn from the
// simulator's seeded generator; "every" values are deterministic patterns
// counted from 1 (0 = off).
struct FaultPlan
{
    double requestDropRate = 0.0;
    double replyDropRate = 0.0;
    int dropEveryRequest = 0;   // every Nth request is ignored (nothing executed)
    int dropEveryReply = 0;     // every Nth reply is lost (the request was executed)
    int duplicateEveryReply = 0;
    int shortEveryReply = 0;    // every Nth read reply lacks its last data byte
    int longEveryReply = 0;     // every Nth read reply carries one data byte too many
    int staleEveryReply = 0;    // a copy with the previous id goes out first
    int replyDelayMs = 0;
    int delayEveryReply = 0;    // with a delay: 0 = every reply
    QList<std::pair<quint32, quint32>> busErrorRanges;  // inclusive address ranges
    int badRecordEvery = 0;     // every Nth stream record has a bad header
    int goodRecordEvery = 0;    // only every Nth stream record has a good header
    int closeStreamAfter = 0;   // records per connection before the server closes it

    static bool hits(int every, qint64 index) { return every > 0 && index % every == 0; }
};
Q_DECLARE_METATYPE(FaultPlan)
