// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

class QUdpThread;

// Runs a configured worker against a loopback port and records what it
// signals. Signals are taken directly on the worker thread (their pointer
// arguments are copied at once); the probe waits at most limitMs.
struct WorkerProbe
{
    bool finished = false;
    int closedCount = 0;
    bool ok = false;
    QStringList errors;
    QList<int> progress;
    QByteArray data;
    QString html;
    QList<int> results;
    // Signals other than setProgress in the order emitted: "result", "data",
    // "html", "error", "closed".
    QStringList events;
    qint64 elapsedMs = 0;

    // onProgress runs on the worker thread for every progress value.
    void run(QUdpThread &worker, quint16 port, int timeoutSeconds = 1, int limitMs = 20000,
             const std::function<void(int)> &onProgress = {});
    QString error() const { return errors.value(0); }
};
