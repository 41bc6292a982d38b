// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/faultplan.h"
#include "sim/simstats.h"

#include <QHostAddress>
#include <QObject>
#include <QRandomGenerator>

class QUdpSocket;
class SimRegisterSpace;

// Answers register access requests on 127.0.0.1, one reply datagram per
// request, sent only to the request's sender. Injects the faults of its plan.
// Lives on the simulator thread.
class TolaServer : public QObject
{
    Q_OBJECT

public:
    TolaServer(SimRegisterSpace &space, const FaultPlan &faults, quint32 seed, SimStats &stats,
               QObject *parent = nullptr);

    bool listen(quint16 port);
    quint16 port() const;

private:
    void readPending();
    void handle(const QByteArray &request, const QHostAddress &peer, quint16 peerPort);
    static bool isWellFormed(const QByteArray &request);
    QByteArray execute(const QByteArray &request);
    bool perform(const QByteArray &request, QByteArray &reply);
    bool inBusErrorRange(quint32 address, int length) const;
    void sendReply(QByteArray reply, const QHostAddress &peer, quint16 peerPort);
    void transmit(const QByteArray &reply, const QHostAddress &peer, quint16 peerPort);
    bool draw(double rate);

    SimRegisterSpace &m_space;
    FaultPlan m_faults;
    QRandomGenerator m_random;
    QUdpSocket *m_socket;
    SimStats &m_stats;
};
