// SPDX-License-Identifier: GPL-3.0-or-later
#include "modulesession.h"

#include "cli/clireporter.h"
#include "cli/exitcode.h"
#include "cli/progressbar.h"

ModuleSession::ModuleSession(const ConnectionSettings &settings, InterruptWatcher &interrupt,
                             CliReporter &reporter)
    : m_settings(settings)
    , m_reporter(reporter)
    , m_runner(settings, interrupt)
{
    m_reporter.set(QStringLiteral("module"), connectionJson());
}

int ModuleSession::readState(CommandPlans::StateRead kind, ModuleState &state,
                             const QByteArray &image, int *comparisonResult)
{
    const int code = run(CommandPlans::stateRead(kind, image));
    state = ModuleState(m_runner.result().data);
    if (comparisonResult)
        *comparisonResult = m_runner.result().comparison;
    return code;
}

int ModuleSession::run(const OperationPlan &plan, ProgressBar *progress, bool quiet)
{
    QMetaObject::Connection progressLink;
    if (progress) {
        progressLink = QObject::connect(&m_runner, &WorkerRunner::progressChanged, &m_runner,
                                        [progress](int value) { progress->setValue(value); });
    }
    const OperationResult &result = m_runner.run(plan);
    QObject::disconnect(progressLink);
    if (progress)
        progress->finish();
    m_link.add(result.link);
    m_reporter.set(QStringLiteral("link"), m_link.toJson());
    if (m_runner.succeeded())
        return ExitCode::Success;
    if (!quiet)
        m_reporter.error(m_runner.interrupted() ? tr("Interrupted.") : result.errorText);
    return m_runner.failureExitCode();
}

int ModuleSession::refuse(OperationGate::Command command, const ModuleState &state)
{
    const QString refusal = OperationGate::refusal(command, state);
    if (refusal.isEmpty())
        return ExitCode::Success;
    m_reporter.error(refusal);
    return ExitCode::Refused;
}

QJsonObject ModuleSession::connectionJson() const
{
    return QJsonObject{{QStringLiteral("address"), m_settings.address},
                       {QStringLiteral("udpPort"), int(m_settings.udpPort)},
                       {QStringLiteral("tcpPort"), int(m_settings.tcpPort)},
                       {QStringLiteral("timeout"), qint64(m_settings.timeout)}};
}
