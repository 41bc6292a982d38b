// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/linkhealth.h"

#include <algorithm>

double LinkHealth::meanRoundTripMs() const
{
    return m_answered == 0 ? 0.0 : double(m_roundTripNs) / 1e6 / m_answered;
}

void LinkHealth::addRequest(bool answered, qint64 roundTripNs)
{
    ++m_requests;
    if (!answered)
        return;
    ++m_answered;
    m_roundTripNs += roundTripNs;
    m_maxRoundTripNs = std::max(m_maxRoundTripNs, roundTripNs);
}

void LinkHealth::add(const LinkHealth &other)
{
    m_requests += other.m_requests;
    m_retries += other.m_retries;
    m_answered += other.m_answered;
    m_roundTripNs += other.m_roundTripNs;
    m_maxRoundTripNs = std::max(m_maxRoundTripNs, other.m_maxRoundTripNs);
}

QString LinkHealth::summary() const
{
    return tr("Link: %1 requests, %2 retries, round trip %3 ms (max %4 ms)")
        .arg(m_requests)
        .arg(m_retries)
        .arg(meanRoundTripMs(), 0, 'f', 2)
        .arg(maxRoundTripMs(), 0, 'f', 2);
}

QJsonObject LinkHealth::toJson() const
{
    return QJsonObject{{QStringLiteral("requests"), m_requests},
                       {QStringLiteral("retries"), m_retries},
                       {QStringLiteral("roundTripMs"), meanRoundTripMs()},
                       {QStringLiteral("maxRoundTripMs"), maxRoundTripMs()}};
}
