#pragma once

#include "device/modulestate.h"
#include "cli/workerrunner.h"
#include "model/connectionsettings.h"

#include <QCoreApplication>
#include <QJsonObject>

class CliReporter;
class DesignModel;
class InterruptWatcher;
class ProgressBar;
class QUdpThread;

// Talks to one module for a command, in the GUI's stages: a short state read
// first, the gates on it, then the operation, each on its own fresh worker.
// Failures are reported through the reporter; the int results are exit codes
// (ExitCode::Success to go on).
class ModuleSession
{
    Q_DECLARE_TR_FUNCTIONS(ModuleSession)

public:
    enum class StateRead {
        Flags,       // version and current protection flags
        Protection,  // also the boot protection flags
        RomInfo,     // also the boot page and the sixteen page comments
    };

    // Records the connection in the reporter's JSON result as "module".
    ModuleSession(const ConnectionSettings &settings, InterruptWatcher &interrupt,
                  CliReporter &reporter);

    const ConnectionSettings &settings() const { return m_settings; }
    const WorkerRunner &runner() const { return m_runner; }

    // First stage. With a design the module is also compared with it and
    // comparisonResult gets 0 (equal), 1 (different) or -1 (not compared).
    int readState(StateRead kind, ModuleState &state, const DesignModel *design = nullptr,
                  int *comparisonResult = nullptr);
    // Runs a configured worker; unless quiet, reports its error text (or the
    // interruption) when it fails.
    int run(QUdpThread *worker, ProgressBar *progress = nullptr, bool quiet = false);

    // "The Register is write-protected." when it is.
    int refuseWriteProtected(const ModuleState &state);
    // message when the firmware is too old for ROM pages and protection.
    int requireRomAndProtection(const ModuleState &state, const QString &message);

private:
    // The address, ports and time-out, for JSON results.
    QJsonObject connectionJson() const;

    ConnectionSettings m_settings;
    CliReporter &m_reporter;
    WorkerRunner m_runner;
};
