// SPDX-License-Identifier: GPL-3.0-or-later
#include "workerprobe.h"

#include "device/qudpthread.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QHostAddress>

void WorkerProbe::run(QUdpThread &worker, quint16 port, int timeoutSeconds, int limitMs,
                      const std::function<void(int)> &onProgress)
{
    QObject::connect(&worker, &QTola::closed, &worker, [this](bool result) {
        events << QStringLiteral("closed");
        ++closedCount;
        ok = result;
    }, Qt::DirectConnection);
    QObject::connect(&worker, &QTola::error, &worker, [this](QString *text) {
        events << QStringLiteral("error");
        errors << *text;
    }, Qt::DirectConnection);
    QObject::connect(&worker, &QUdpThread::setProgress, &worker, [this, onProgress](int value) {
        progress << value;
        if (onProgress)
            onProgress(value);
    }, Qt::DirectConnection);
    QObject::connect(&worker, &QUdpThread::readData, &worker, [this](QByteArray *bytes) {
        events << QStringLiteral("data");
        data = *bytes;
    }, Qt::DirectConnection);
    QObject::connect(&worker, &QUdpThread::setHtml, &worker, [this](QString *text) {
        events << QStringLiteral("html");
        html = *text;
    }, Qt::DirectConnection);
    QObject::connect(&worker, &QUdpThread::setResult, &worker, [this](int value) {
        events << QStringLiteral("result");
        results << value;
    }, Qt::DirectConnection);
    worker.setHost(QHostAddress::LocalHost, port);
    worker.setTimeout(timeoutSeconds);
    QElapsedTimer clock;
    clock.start();
    worker.start();
    finished = worker.wait(QDeadlineTimer(limitMs));
    elapsedMs = clock.elapsed();
    if (!finished) {
        worker.abort();
        worker.wait(QDeadlineTimer(5000));
    }
}
