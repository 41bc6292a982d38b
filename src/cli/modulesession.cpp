#include "modulesession.h"

#include "cli/clireporter.h"
#include "cli/exitcode.h"
#include "cli/progressbar.h"
#include "device/qudpthread.h"

ModuleSession::ModuleSession(const ConnectionSettings &settings, InterruptWatcher &interrupt,
                             CliReporter &reporter)
    : m_settings(settings)
    , m_reporter(reporter)
    , m_runner(settings, interrupt)
{
    m_reporter.set(QStringLiteral("module"), connectionJson());
}

int ModuleSession::readState(StateRead kind, ModuleState &state, const DesignModel *design,
                             int *comparisonResult)
{
    auto *worker = new QUdpThread;
    if (kind == StateRead::Protection)
        worker->setVersionRead(5);
    else
        worker->setRomInfoRead(kind == StateRead::RomInfo);
    if (design)
        worker->setDesign(design, 0);
    const int code = run(worker);
    state = ModuleState(m_runner.data());
    if (comparisonResult)
        *comparisonResult = m_runner.result();
    return code;
}

int ModuleSession::run(QUdpThread *worker, ProgressBar *progress, bool quiet)
{
    QMetaObject::Connection progressLink;
    if (progress) {
        progressLink = QObject::connect(&m_runner, &WorkerRunner::progressChanged, &m_runner,
                                        [progress](int value) { progress->setValue(value); });
    }
    m_runner.run(worker);
    QObject::disconnect(progressLink);
    if (progress)
        progress->finish();
    if (m_runner.succeeded())
        return ExitCode::Success;
    if (!quiet)
        m_reporter.error(m_runner.interrupted() ? tr("Interrupted.") : m_runner.errorText());
    return m_runner.failureExitCode();
}

int ModuleSession::refuseWriteProtected(const ModuleState &state)
{
    if (!state.isWriteProtected())
        return ExitCode::Success;
    m_reporter.error(tr("The Register is write-protected."));
    return ExitCode::Refused;
}

int ModuleSession::requireRomAndProtection(const ModuleState &state, const QString &message)
{
    if (state.supportsRomAndProtection())
        return ExitCode::Success;
    m_reporter.error(message);
    return ExitCode::Refused;
}

QJsonObject ModuleSession::connectionJson() const
{
    return QJsonObject{{QStringLiteral("address"), m_settings.address},
                       {QStringLiteral("udpPort"), int(m_settings.udpPort)},
                       {QStringLiteral("tcpPort"), int(m_settings.tcpPort)},
                       {QStringLiteral("timeout"), qint64(m_settings.timeout)}};
}
