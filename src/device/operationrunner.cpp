// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/operationrunner.h"

#include "device/measuredudpthread.h"
#include "device/operationplan.h"
#include "model/connectionvalues.h"

#include <QHostAddress>

OperationRunner::OperationRunner(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<OperationResult>();
}

OperationRunner::~OperationRunner()
{
    if (m_worker) {
        m_worker->disconnect(this);
        m_worker->cancel();
        m_worker->wait();
    }
}

bool OperationRunner::start(const OperationPlan &plan, const ConnectionSettings &settings)
{
    if (m_worker)
        return false;
    m_result = OperationResult();
    m_settings = settings;
    m_worker = std::make_unique<MeasuredUdpThread>();
    plan.configure(*m_worker);
    connectWorker();
    // An address the value rules refuse becomes the null address, which no
    // packet is sent to.
    m_worker->setHost(QHostAddress(ConnectionValues::address(settings.address)),
                      settings.udpPort);
    m_worker->setTimeout(int(qMin<quint32>(settings.timeout, 0x7FFFFFFF)));
    m_worker->start();
    return true;
}

void OperationRunner::connectWorker()
{
    MeasuredUdpThread *worker = m_worker.get();
    // The pointers the worker hands out point into it: copy at once.
    connect(worker, &QUdpThread::readData, this, [this](QByteArray *data) { m_result.data = *data; });
    connect(worker, &QUdpThread::setResult, this, [this](int result) { m_result.comparison = result; });
    connect(worker, &QUdpThread::setHtml, this, [this](QString *html) {
        m_result.compared = true;
        m_result.mismatch = *html;
    });
    // After a completed comparison the worker's "error" is its verdict.
    connect(worker, &QTola::error, this, [this](QString *text) {
        (m_result.compared ? m_result.verdict : m_result.errorText) = *text;
    });
    connect(worker, &QUdpThread::setProgress, this, [this](int value) {
        m_result.progress = value;
        emit progressChanged(value);
    });
    connect(worker, &QTola::closed, this, [this](bool ok) {
        m_result.closed = true;
        m_result.ok = ok;
    });
    // closed() is queued before finished(); finished() alone means the
    // worker could not open its socket.
    connect(worker, &QThread::finished, this, &OperationRunner::onWorkerFinished);
}

void OperationRunner::cancel()
{
    if (!m_worker)
        return;
    m_result.cancelled = true;
    m_worker->cancel();
}

void OperationRunner::onWorkerFinished()
{
    const std::unique_ptr<MeasuredUdpThread> worker = std::move(m_worker);
    worker->wait();
    m_result.link = worker->health();
    m_result.failureStatus = worker->failureStatus();
    if (!m_result.closed && m_result.errorText.isEmpty()) {
        m_result.errorText =
            tr("Cannot open a connection to %1:%2.").arg(m_settings.address).arg(m_settings.udpPort);
    }
    const OperationResult result = m_result;
    emit finished(result);
}
