// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/operationresult.h"
#include "model/connectionsettings.h"

#include <QObject>
#include <memory>

class MeasuredUdpThread;
struct OperationPlan;

// Runs one module operation at a time on a fresh device worker without
// blocking the caller's event loop. Everything the worker reports is copied
// into values on the caller's thread; finished() carries the whole result
// after the worker's thread has ended and the worker is gone.
class OperationRunner : public QObject
{
    Q_OBJECT

public:
    explicit OperationRunner(QObject *parent = nullptr);
    // Cancels a running operation and waits for its thread.
    ~OperationRunner() override;

    // False (and nothing happens) while another operation runs.
    bool start(const OperationPlan &plan, const ConnectionSettings &settings);
    bool isRunning() const { return m_worker != nullptr; }

public slots:
    // Downloads stop between two requests; ROM commands are told to abort
    // on the module and end normally.
    void cancel();

signals:
    void progressChanged(int value);
    void finished(const OperationResult &result);

private:
    void connectWorker();
    void onWorkerFinished();

    std::unique_ptr<MeasuredUdpThread> m_worker;
    OperationResult m_result;
    ConnectionSettings m_settings;
};
