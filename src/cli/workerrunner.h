// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/operationresult.h"
#include "device/operationrunner.h"

#include <QObject>

class InterruptWatcher;
struct OperationPlan;

// Blocks until one module operation has ended, keeping the event loop of
// the command-line tool running meanwhile. Ctrl-C is passed to the
// operation's cancel(), so the module is left between two complete requests.
class WorkerRunner : public QObject
{
    Q_OBJECT

public:
    WorkerRunner(const ConnectionSettings &settings, InterruptWatcher &interrupt,
                 QObject *parent = nullptr);

    const OperationResult &run(const OperationPlan &plan);

    const OperationResult &result() const { return m_result; }
    bool succeeded() const { return m_result.succeeded() && !m_interrupted; }
    bool interrupted() const { return m_interrupted; }
    // Exit code for an operation that did not succeed: interrupted or no answer.
    int failureExitCode() const;

signals:
    void progressChanged(int value);

private:
    ConnectionSettings m_settings;
    InterruptWatcher &m_interrupt;
    OperationRunner m_runner;
    OperationResult m_result;
    bool m_interrupted = false;
};
