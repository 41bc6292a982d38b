#pragma once

#include "device/counterconfig.h"
#include "device/linkhealth.h"
#include "device/operationgate.h"
#include "device/operationrunner.h"
#include "dialogs/drcdialog.h"
#include "dialogs/msrcntwidget.h"
#include "dialogs/romdialog.h"

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <functional>
#include <memory>
#include <optional>

class DesignDocument;
class DesignModel;
class MainWindow;
class Prompter;
struct OperationPlan;

// The main window's device commands: each reads the module's state first,
// checks it and asks the user, then runs the operation, all on one
// operation runner, so the event loop keeps running throughout. Long
// operations show a modal progress dialog whose Cancel reaches the module
// between two requests. After each command the status bar shows the
// link's health. Questions and dialogs go through the prompter.
class DeviceCommands : public QObject
{
    Q_OBJECT

public:
    // The window outlives this object; its document is read when a command
    // starts.
    DeviceCommands(MainWindow &window, Prompter &prompter);
    ~DeviceCommands() override;

    void setPrompter(Prompter &prompter);

    bool isBusy() const { return m_busy; }
    QProgressDialog *progressDialog() const { return m_progress; }
    MsrCntWidget *counterWindow() const { return m_counterWindow; }
    DrcDialog *drcDialog() const { return m_drcDialog; }
    // Of the last command that talked to the module.
    const LinkHealth &lastLinkHealth() const { return m_lastLink; }

public slots:
    void download();
    void verify();
    void writeProtect();
    void saveToRom();
    void restoreFromRom();
    void changeBootPage();
    void initializeRom();
    void counters();
    void about();
    void showDrc();
    void hardwareSetup();
    void ethernetSetting();

signals:
    // A command that talked to the module has ended (its messages shown).
    void commandFinished();

private:
    using Stage = std::function<void(const OperationResult &)>;

    void runStage(const OperationPlan &plan, Stage next);
    void onStageFinished(const OperationResult &result);
    void endCommand();
    // Shows a failure's text; false when the stage did not succeed.
    bool succeeded(const OperationResult &result);
    // succeeded() and the gate: false after showing why not.
    bool passes(const OperationResult &result, OperationGate::Command command);
    void warn(const QString &text);
    bool confirm(const QString &text);

    bool passesDesignRuleCheck();
    void startDownload();
    void downloadStopped(const OperationResult &result);
    void verifyStopped(const OperationResult &result);
    void romCommand(RomDialog::Mode mode);
    void chooseRomPage(const OperationResult &result, RomDialog::Mode mode);
    void executeRom(const RomDialog::Choice &choice, RomDialog::Mode mode);
    void chooseProtection(const OperationResult &result);
    void startInitialize(const OperationResult &result);
    void endWithProgress(const OperationResult &result);

    void openProgress(const QString &label, int maximum);
    void closeProgress();
    // A private copy of the design for the worker to read, so that edits
    // while an operation runs cannot race with it.
    const DesignModel &takeSnapshot();
    CounterConfig counterConfig() const;
    void openCounterWindow(const CounterConfig &config);

    MainWindow &m_window;
    Prompter *m_prompter;
    // Declared before the runner: a worker still reading it is waited for
    // when the runner goes.
    std::unique_ptr<DesignDocument> m_snapshot;
    OperationRunner m_runner;
    Stage m_next;
    bool m_busy = false;
    LinkHealth m_link;
    LinkHealth m_lastLink;
    QPointer<QProgressDialog> m_progress;
    QPointer<MsrCntWidget> m_counterWindow;
    QPointer<DrcDialog> m_drcDialog;
    std::optional<CounterConfig> m_lastDownload;
};
