// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>
#include <QtGlobal>

// How the register link behaved during one or more operations: datagrams
// sent, how many of them were retries of a request that got no answer, and
// the round trip of the answered ones. A flaky cable shows as retries long
// before an operation fails.
class LinkHealth
{
    Q_DECLARE_TR_FUNCTIONS(LinkHealth)

public:
    int requests() const { return m_requests; }
    int retries() const { return m_retries; }
    // Milliseconds; 0 when nothing was answered.
    double meanRoundTripMs() const;
    double maxRoundTripMs() const { return double(m_maxRoundTripNs) / 1e6; }

    // One request datagram; answered ones carry their round trip in ns.
    void addRequest(bool answered, qint64 roundTripNs);
    // A request sent again after the earlier attempt timed out.
    void addRetry() { ++m_retries; }
    void add(const LinkHealth &other);

    // "Link: 5 requests, 0 retries, round trip 0.21 ms"
    QString summary() const;
    QJsonObject toJson() const;

private:
    int m_requests = 0;
    int m_retries = 0;
    int m_answered = 0;
    qint64 m_roundTripNs = 0;
    qint64 m_maxRoundTripNs = 0;
};
