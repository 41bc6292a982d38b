#pragma once

#include "model/connectionsettings.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class InterruptWatcher;
class QUdpThread;

// Runs one configured device worker to its end on a local event loop and
// keeps what it reported. Ctrl-C is passed to the worker's cancel(), so the
// module is left between two complete requests.
class WorkerRunner : public QObject
{
    Q_OBJECT

public:
    WorkerRunner(const ConnectionSettings &settings, InterruptWatcher &interrupt,
                 QObject *parent = nullptr);

    // Takes ownership of a worker configured with its operation; sets host
    // and time-out from the settings, starts it and returns when its thread
    // has ended. The worker is deleted before returning.
    void run(QUdpThread *worker);

    bool succeeded() const { return m_closed && m_ok && !m_interrupted; }
    bool interrupted() const { return m_interrupted; }
    const QByteArray &data() const { return m_data; }
    const QString &errorText() const { return m_errorText; }
    const QString &html() const { return m_html; }
    bool htmlSeen() const { return m_htmlSeen; }
    // Value of setResult(int), -1 when none came.
    int result() const { return m_result; }
    // Exit code for a worker that did not succeed: interrupted or no answer.
    int failureExitCode() const;

signals:
    void progressChanged(int value);

private:
    void reset();

    ConnectionSettings m_settings;
    InterruptWatcher &m_interrupt;
    bool m_closed = false;
    bool m_ok = false;
    bool m_interrupted = false;
    bool m_htmlSeen = false;
    int m_result = -1;
    QByteArray m_data;
    QString m_errorText;
    QString m_html;
};
