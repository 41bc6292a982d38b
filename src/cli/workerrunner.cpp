#include "workerrunner.h"

#include "cli/exitcode.h"
#include "cli/interruptwatcher.h"
#include "device/qudpthread.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHostAddress>

#include <memory>

WorkerRunner::WorkerRunner(const ConnectionSettings &settings, InterruptWatcher &interrupt,
                           QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_interrupt(interrupt)
{
}

void WorkerRunner::reset()
{
    m_closed = m_ok = m_htmlSeen = false;
    m_interrupted = m_interrupt.isInterrupted();
    m_result = -1;
    m_data.clear();
    m_errorText.clear();
    m_html.clear();
}

void WorkerRunner::run(QUdpThread *worker)
{
    std::unique_ptr<QUdpThread> owned(worker);
    reset();
    if (m_interrupted)
        return;

    // The pointers the worker hands out point into it: copy at once.
    connect(worker, &QUdpThread::readData, this, [this](QByteArray *data) { m_data = *data; });
    connect(worker, &QTola::error, this, [this](QString *text) { m_errorText = *text; });
    connect(worker, &QUdpThread::setHtml, this, [this](QString *html) {
        m_html = *html;
        m_htmlSeen = true;
    });
    connect(worker, &QUdpThread::setResult, this, [this](int result) { m_result = result; });
    connect(worker, &QUdpThread::setProgress, this, &WorkerRunner::progressChanged);
    connect(worker, &QTola::closed, this, [this](bool ok) {
        m_closed = true;
        m_ok = ok;
    });
    connect(&m_interrupt, &InterruptWatcher::interrupted, worker, [this, worker] {
        m_interrupted = true;
        worker->cancel();
    });

    QEventLoop loop;
    // closed() is queued before finished(), so both have been handled when
    // the loop ends; finished() alone means the worker could not open.
    connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->setHost(QHostAddress(m_settings.address), m_settings.udpPort);
    worker->setTimeout(int(qMin<quint32>(m_settings.timeout, 0x7FFFFFFF)));
    worker->start();
    loop.exec();
    worker->wait();
    QCoreApplication::sendPostedEvents(this);
    if (!m_closed && m_errorText.isEmpty())
        m_errorText = tr("Cannot open a connection to %1:%2.")
                          .arg(m_settings.address)
                          .arg(m_settings.udpPort);
}

int WorkerRunner::failureExitCode() const
{
    return m_interrupted ? ExitCode::Interrupted : ExitCode::NoAnswer;
}
