// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/workerrunner.h"
#include "device/commandplans.h"
#include "device/modulestate.h"
#include "device/operationgate.h"
#include "model/connectionsettings.h"

#include <QCoreApplication>
#include <QJsonObject>

class CliReporter;
class InterruptWatcher;
class ProgressBar;

// Talks to one module for a command, in the program's stages: a short state
// read first, the gates on it, then the operation. Failures are reported
// through the reporter; the int results are exit codes (ExitCode::Success to
// go on). The JSON result gets the connection as "module" and the link's
// health over all operations as "link".
class ModuleSession
{
    Q_DECLARE_TR_FUNCTIONS(ModuleSession)

public:
    ModuleSession(const ConnectionSettings &settings, InterruptWatcher &interrupt,
                  CliReporter &reporter);

    const ConnectionSettings &settings() const { return m_settings; }
    const WorkerRunner &runner() const { return m_runner; }

    // First stage. With a compiled design the module is also compared with
    // it and comparisonResult gets 0 (equal), 1 (different) or -1 (not
    // compared).
    int readState(CommandPlans::StateRead kind, ModuleState &state,
                  const QByteArray &image = QByteArray(), int *comparisonResult = nullptr);
    // Runs an operation; unless quiet, reports its error text (or the
    // interruption) when it fails.
    int run(const OperationPlan &plan, ProgressBar *progress = nullptr, bool quiet = false);

    // Reports the gate's refusal, if any, as a refused command.
    int refuse(OperationGate::Command command, const ModuleState &state);

private:
    QJsonObject connectionJson() const;

    ConnectionSettings m_settings;
    CliReporter &m_reporter;
    WorkerRunner m_runner;
    LinkHealth m_link;
};
