// SPDX-License-Identifier: GPL-3.0-or-later
#include "workerrunner.h"

#include "cli/exitcode.h"
#include "cli/interruptwatcher.h"

#include <QEventLoop>

WorkerRunner::WorkerRunner(const ConnectionSettings &settings, InterruptWatcher &interrupt,
                           QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_interrupt(interrupt)
{
    connect(&m_runner, &OperationRunner::progressChanged, this, &WorkerRunner::progressChanged);
    connect(&m_interrupt, &InterruptWatcher::interrupted, this, [this] {
        m_interrupted = true;
        m_runner.cancel();
    });
}

const OperationResult &WorkerRunner::run(const OperationPlan &plan)
{
    m_result = OperationResult();
    m_interrupted = m_interrupt.isInterrupted();
    if (m_interrupted)
        return m_result;
    QEventLoop loop;
    connect(&m_runner, &OperationRunner::finished, &loop,
            [this, &loop](const OperationResult &result) {
                m_result = result;
                loop.quit();
            });
    m_runner.start(plan, m_settings);
    loop.exec();
    return m_result;
}

int WorkerRunner::failureExitCode() const
{
    return m_interrupted ? ExitCode::Interrupted : ExitCode::NoAnswer;
}
