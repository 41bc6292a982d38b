// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/linkhealth.h"
#include "device/operationgate.h"
#include "device/operationoutcome.h"
#include "device/operationrunner.h"
#include "dialogs/msrcntwidget.h"
#include "dialogs/romdialog.h"
#include "dialogs/targetguard.h"
#include "model/counterconfig.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <functional>
#include <optional>

class DesignDocument;
class DocumentController;
class QMainWindow;
class Prompter;
class QAction;
class TargetIndicator;
class UndoStack;
struct OperationPlan;

// The main window's device commands: each reads the module's state first,
// checks it and asks the user, then runs the operation, all on one
// operation runner, so the event loop keeps running throughout. Long
// operations show a modal progress dialog whose Cancel reaches the module
// between two requests. After each command the status bar shows the
// outcome and the link's health. Questions and dialogs go through the
// prompter. A write to another module than the previous command's is
// asked about first.
class DeviceCommands : public QObject
{
    Q_OBJECT

public:
    // The window (parent of the dialogs, owner of the status bar), the
    // document and its controller outlive this object; the document is read
    // when a command starts.
    DeviceCommands(QMainWindow &window, DesignDocument &document, DocumentController &documents,
                   Prompter &prompter);
    ~DeviceCommands() override;

    void setPrompter(Prompter &prompter);
    // Shows the target in the status bar and announces when a step of
    // history (open, undo, redo, a settings dialog) changes it.
    void followTarget(const UndoStack &history);

    TargetIndicator *targetIndicator() const { return m_indicator; }
    // Checkable, on by default: a download is read back and compared.
    QAction *verifyAfterDownloadAction() const { return m_verifyAfterDownload; }

    bool isBusy() const { return m_busy; }
    QProgressDialog *progressDialog() const { return m_progress; }
    MsrCntWidget *counterWindow() const { return m_counterWindow; }
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
    void hardwareSetup();
    void ethernetSetting();

signals:
    // The design check found errors and the download did not start.
    void downloadRefused(int errors);
    // A command that talked to the module has ended (its messages shown).
    void commandFinished();

private:
    using Stage = std::function<void(const OperationResult &)>;
    using Operation = OperationOutcome::Operation;

    void runStage(const OperationPlan &plan, Stage next);
    void beginStage(Stage next);
    // Runs the plan made from the document's compiled image. An expression
    // error ends the stage as a failed operation with the error's text.
    void runWithImage(const std::function<OperationPlan(const QByteArray &)> &makePlan, Stage next);
    void onStageFinished(const OperationResult &result);
    void endCommand();
    // Shows a failure's text; false when the stage did not succeed.
    bool succeeded(const OperationResult &result, Operation operation);
    // succeeded() and the gate: false after showing why not.
    bool passes(const OperationResult &result, OperationGate::Command command);
    void warn(const QString &text);
    bool confirm(const QString &text, const QString &expectation = QString());
    QString currentTarget() const;
    bool approveTarget(Operation operation);
    void showTarget();
    // The status bar's outcome and, for the longer operations, a notice.
    void reportSuccess(Operation operation, bool verified = false);

    bool passesDesignRuleCheck();
    void startDownload();
    void downloadStopped(const OperationResult &result);
    void downloadVerified(const OperationResult &result);
    void finishDownload(bool verified);
    void offerDownloadAgain(const QString &failure);
    void verifyStopped(const OperationResult &result);
    void romCommand(RomDialog::Mode mode);
    void chooseRomPage(const OperationResult &result, RomDialog::Mode mode);
    void executeRom(const RomDialog::Choice &choice, RomDialog::Mode mode);
    void chooseProtection(const OperationResult &result);
    void startInitialize(const OperationResult &result);
    void endWithProgress(const OperationResult &result, Operation operation);

    void openProgress(const QString &label, int maximum);
    void closeProgress();
    CounterConfig counterConfig() const;
    void openCounterWindow(const CounterConfig &config);

    QMainWindow &m_window;
    DesignDocument &m_document;
    DocumentController &m_documents;
    Prompter *m_prompter;
    // What the running command sends or compares, compiled when it started:
    // edits made meanwhile do not reach the module.
    QByteArray m_image;
    OperationRunner m_runner;
    Stage m_next;
    bool m_busy = false;
    TargetGuard m_guard;
    TargetIndicator *m_indicator = nullptr;
    QAction *m_verifyAfterDownload = nullptr;
    QElapsedTimer m_clock;  // since the operation's own stage started
    QString m_outcome;      // the status bar's sentence for the command
    LinkHealth m_link;
    LinkHealth m_lastLink;
    QPointer<QProgressDialog> m_progress;
    QPointer<MsrCntWidget> m_counterWindow;
    std::optional<CounterConfig> m_lastDownload;
};
