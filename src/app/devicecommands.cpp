// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/devicecommands.h"

#include "app/documentcontroller.h"
#include "app/targetindicator.h"
#include "app/undostack.h"
#include "compiler/designrulecheck.h"
#include "compiler/imagecapture.h"
#include "device/commandplans.h"
#include "device/moduleinterface.h"
#include "device/modulestate.h"
#include "dialogs/drcdialog.h"
#include "dialogs/netsetupdialog.h"
#include "dialogs/prompter.h"
#include "dialogs/propertydialog.h"
#include "dialogs/versiondialog.h"
#include "dialogs/writeprotectdialog.h"
#include "io/designdocument.h"
#include "model/counterassignment.h"
#include "model/operationerror.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QProgressDialog>
#include <QSettings>
#include <QStatusBar>
#include <algorithm>

using StateRead = CommandPlans::StateRead;
using Gate = OperationGate::Command;

namespace {

constexpr char kVerifyAfterDownloadKey[] = "device/verifyAfterDownload";
constexpr int kBytesPerRequest = 128;

// How long a verify reads back the image at the link's measured speed.
double verifySeconds(const LinkHealth &link)
{
    const int requests = (ModuleInterface::imageSize + kBytesPerRequest - 1) / kBytesPerRequest;
    return std::max(0.1, requests * link.meanRoundTripMs() / 1000.0);
}

OperationOutcome::Operation romOperation(RomDialog::Mode mode)
{
    switch (mode) {
    case RomDialog::Save:
        return OperationOutcome::Operation::RomSave;
    case RomDialog::Restore:
        return OperationOutcome::Operation::RomRestore;
    default:
        return OperationOutcome::Operation::BootPage;
    }
}

} // namespace

DeviceCommands::DeviceCommands(QMainWindow &window, DesignDocument &document, DocumentController &documents,
                               Prompter &prompter)
    : QObject(&window)
    , m_window(window)
    , m_document(document)
    , m_documents(documents)
    , m_prompter(&prompter)
{
    connect(&m_runner, &OperationRunner::finished, this, &DeviceCommands::onStageFinished);
    connect(&m_runner, &OperationRunner::progressChanged, this, [this](int value) {
        if (m_progress)
            m_progress->setValue(value);
    });
    m_verifyAfterDownload = new QAction(tr("&Verify after Download"), this);
    m_verifyAfterDownload->setObjectName(QStringLiteral("actionVerifyAfterDownload"));
    m_verifyAfterDownload->setCheckable(true);
    m_verifyAfterDownload->setStatusTip(
        tr("After each download, read the module back and compare it with the design"));
    m_verifyAfterDownload->setChecked(QSettings().value(kVerifyAfterDownloadKey, true).toBool());
    connect(m_verifyAfterDownload, &QAction::toggled, this,
            [](bool on) { QSettings().setValue(kVerifyAfterDownloadKey, on); });
    // Offered right under Download wherever Download is in a menu.
    if (auto *downloadAction = window.findChild<QAction *>(QStringLiteral("actionDownload"))) {
        for (QObject *owner : downloadAction->associatedObjects()) {
            if (auto *menu = qobject_cast<QMenu *>(owner)) {
                const QList<QAction *> actions = menu->actions();
                const qsizetype next = actions.indexOf(downloadAction) + 1;
                menu->insertAction(actions.value(next), m_verifyAfterDownload);
            }
        }
    }
}

DeviceCommands::~DeviceCommands()
{
    delete m_progress;
}

void DeviceCommands::setPrompter(Prompter &prompter)
{
    m_prompter = &prompter;
}

void DeviceCommands::followTarget(const UndoStack &history)
{
    m_indicator = new TargetIndicator(*m_window.statusBar());
    // Queued: undo and redo announce the step before the document is rebuilt.
    connect(&history, &UndoStack::changed, this, &DeviceCommands::showTarget,
            Qt::QueuedConnection);
    showTarget();
}

void DeviceCommands::showTarget()
{
    const ConnectionSettings &settings = m_document.settings();
    const bool fromCommandLine =
        settings == m_documents.commandLineSettings();
    m_indicator->showTarget(settings, fromCommandLine ? tr("from the command line")
                                                      : tr("from the document"));
}

QString DeviceCommands::currentTarget() const
{
    const ConnectionSettings &settings = m_document.settings();
    return OperationOutcome::target(settings.address, settings.udpPort);
}

bool DeviceCommands::approveTarget(Operation operation)
{
    return m_guard.approve(OperationOutcome::name(operation), currentTarget(), *m_prompter,
                           &m_window);
}

// ---- stages ----

void DeviceCommands::runStage(const OperationPlan &plan, Stage next)
{
    beginStage(std::move(next));
    m_runner.start(plan, m_document.settings());
}

void DeviceCommands::beginStage(Stage next)
{
    m_busy = true;
    m_next = std::move(next);
    m_guard.use(currentTarget());
    m_clock.start();
}

void DeviceCommands::runWithImage(const std::function<OperationPlan(const QByteArray &)> &makePlan,
                                  Stage next)
{
    try {
        m_image = ImageCapture::compile(m_document.model());
    } catch (const OperationError &failure) {
        beginStage(std::move(next));
        OperationResult failed;
        failed.closed = true;
        failed.errorText = failure.message();
        // Queued, as a worker's end would be: the stage's follow-up may start
        // the command again.
        QMetaObject::invokeMethod(
            this, [this, failed] { onStageFinished(failed); }, Qt::QueuedConnection);
        return;
    }
    runStage(makePlan(m_image), std::move(next));
}

void DeviceCommands::onStageFinished(const OperationResult &result)
{
    m_link.add(result.link);
    const Stage next = std::exchange(m_next, nullptr);
    if (next)
        next(result);
    // A pending stage without a worker is a compile failure still to come.
    if (!m_runner.isRunning() && !m_next)
        endCommand();
}

void DeviceCommands::endCommand()
{
    m_busy = false;
    m_image.clear();
    m_lastLink = m_link;
    m_link = LinkHealth();
    const QString outcome = std::exchange(m_outcome, QString());
    m_window.statusBar()->showMessage(
        outcome.isEmpty() ? m_lastLink.summary() : outcome + QStringLiteral(" \u2014 ") + m_lastLink.summary());
    emit commandFinished();
}

bool DeviceCommands::succeeded(const OperationResult &result, Operation operation)
{
    const QString failure = OperationOutcome::failure(operation, currentTarget(), result);
    if (failure.isEmpty())
        return true;
    m_outcome = failure.section(QLatin1Char('\n'), 0, 0);
    warn(failure);
    return false;
}

bool DeviceCommands::passes(const OperationResult &result, Gate command)
{
    if (!succeeded(result, Operation::StateRead))
        return false;
    const ModuleState state(result.data);
    QString refusal = OperationGate::refusal(command, state);
    if (refusal.isEmpty())
        return true;
    m_outcome = refusal;
    if (state.isWriteProtected() && command != Gate::WriteProtect) {
        refusal += QLatin1Char('\n')
                   + tr("To lift the protection, choose File > Write Protect and clear "
                        "\"Write Protect (Current setting)\".");
    }
    warn(refusal);
    return false;
}

void DeviceCommands::warn(const QString &text)
{
    m_prompter->warning(&m_window, tr("KaRiX"), text);
}

bool DeviceCommands::confirm(const QString &text, const QString &expectation)
{
    const QString question = tr("Do you want to continue?");
    return m_prompter->question(&m_window, tr("KaRiX"), text,
                                expectation.isEmpty() ? question
                                                      : expectation + QLatin1Char('\n') + question,
                                QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Yes)
           == QMessageBox::Yes;
}

// ---- download and verify ----

bool DeviceCommands::passesDesignRuleCheck()
{
    QString report;
    const int result = DesignRuleCheck::checkDesign(m_document.model(), report);
    if (result > 0) {
        emit downloadRefused(result);
        return false;
    }
    if (result == 0)
        return true;
    DrcDialog dialog(&m_window);
    dialog.setReport(report);
    bool download = false;
    connect(&dialog, &DrcDialog::drcClosed, this, [&download](bool go) { download = go; });
    m_prompter->runDialog(dialog);
    return download;
}

void DeviceCommands::reportSuccess(Operation operation, bool verified)
{
    const double seconds = double(m_clock.elapsed()) / 1000.0;
    const QString address = m_document.settings().address;
    m_outcome = OperationOutcome::success(operation, address, seconds, verified);
    if (operation == Operation::Download || operation == Operation::RomSave
        || operation == Operation::RomRestore)
        m_prompter->notice(&m_window, m_outcome);
}

void DeviceCommands::download()
{
    if (m_busy || !passesDesignRuleCheck() || !approveTarget(Operation::Download))
        return;
    runStage(CommandPlans::stateRead(StateRead::Flags), [this](const OperationResult &result) {
        if (passes(result, Gate::Transfer))
            startDownload();
    });
}

void DeviceCommands::startDownload()
{
    if (m_counterWindow)
        m_counterWindow->stopUpdate();
    openProgress(tr("Download - TOLA Access"), ModuleInterface::imageSize);
    runWithImage(&CommandPlans::download,
                 [this](const OperationResult &result) { downloadStopped(result); });
}

void DeviceCommands::downloadStopped(const OperationResult &result)
{
    const QString failure = OperationOutcome::failure(Operation::Download, currentTarget(), result);
    if (!failure.isEmpty()) {
        closeProgress();
        offerDownloadAgain(failure);
        return;
    }
    if (!m_verifyAfterDownload->isChecked()) {
        closeProgress();
        finishDownload(false);
        return;
    }
    if (m_progress) {
        m_progress->setLabelText(tr("Verifying the download ..."));
        m_progress->setRange(0, 0);
    }
    runStage(CommandPlans::verify(m_image),
             [this](const OperationResult &stopped) { downloadVerified(stopped); });
}

void DeviceCommands::downloadVerified(const OperationResult &result)
{
    closeProgress();
    if (result.matched()) {
        finishDownload(true);
        return;
    }
    const QString failure = result.compared
                                ? result.verdict
                                : OperationOutcome::failure(Operation::Verify, currentTarget(), result);
    offerDownloadAgain(failure);
}

void DeviceCommands::offerDownloadAgain(const QString &failure)
{
    m_outcome = failure.section(QLatin1Char('\n'), 0, 0);
    const QString text =
        failure + QLatin1Char('\n') + tr("The module may now hold a partial configuration.");
    if (m_prompter->question(&m_window, tr("KaRiX"), text, tr("Download again?"),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes)
        startDownload();
}

void DeviceCommands::finishDownload(bool verified)
{
    reportSuccess(Operation::Download, verified);
    const CounterConfig config = counterConfig();
    m_lastDownload = config;
    const auto &sources = config.sources;
    if (std::none_of(sources.begin(), sources.end(), [](int source) { return source >= 0; }))
        return;
    if (m_counterWindow)
        m_counterWindow->configure(config);
    else if (config.autoConnect)
        openCounterWindow(config);
}

void DeviceCommands::verify()
{
    if (m_busy)
        return;
    runStage(CommandPlans::stateRead(StateRead::Flags), [this](const OperationResult &result) {
        if (!passes(result, Gate::Transfer))
            return;
        const double seconds = verifySeconds(result.link);
        const QString expectation =
            tr("The outputs may glitch while the module's tables are read back, for about "
               "as long as the read-back takes (%1 s at this link's speed).")
                .arg(QString::number(seconds, 'f', 1));
        if (!confirm(tr("The output may become unstable during verify."), expectation))
            return;
        runWithImage(&CommandPlans::verify,
                     [this](const OperationResult &stopped) { verifyStopped(stopped); });
    });
}

void DeviceCommands::verifyStopped(const OperationResult &result)
{
    if (!result.compared) {
        succeeded(result, Operation::Verify);
        return;
    }
    m_outcome = result.verdict;
    if (result.matched())
        m_prompter->information(&m_window, tr("KaRiX"), result.verdict);
    else
        warn(result.verdict);
}

// ---- ROM pages and protection ----

void DeviceCommands::saveToRom()
{
    romCommand(RomDialog::Save);
}

void DeviceCommands::restoreFromRom()
{
    romCommand(RomDialog::Restore);
}

void DeviceCommands::changeBootPage()
{
    romCommand(RomDialog::BootPage);
}

void DeviceCommands::romCommand(RomDialog::Mode mode)
{
    if (m_busy || !approveTarget(romOperation(mode)))
        return;
    const Stage next = [this, mode](const OperationResult &result) { chooseRomPage(result, mode); };
    // A save first compares the module with the design on screen.
    if (mode == RomDialog::Save) {
        runWithImage([](const QByteArray &image) {
            return CommandPlans::stateRead(StateRead::RomInfo, image);
        }, next);
    } else {
        runStage(CommandPlans::stateRead(StateRead::RomInfo), next);
    }
}

void DeviceCommands::chooseRomPage(const OperationResult &result, RomDialog::Mode mode)
{
    if (!passes(result, Gate::SaveAndRestore))
        return;
    if (mode == RomDialog::Save && result.comparison != 0
        && !confirm(tr("The displayed data have not been yet downloaded.")))
        return;
    RomDialog dialog(m_documents.currentFileName(), ModuleState(result.data), mode, *m_prompter,
                     &m_window);
    if (m_prompter->runDialog(dialog) == QDialog::Accepted)
        executeRom(dialog.choice(), mode);
}

void DeviceCommands::executeRom(const RomDialog::Choice &choice, RomDialog::Mode mode)
{
    OperationPlan plan = mode == RomDialog::BootPage ? CommandPlans::bootPage(choice.bootPage)
                         : mode == RomDialog::Save
                             ? CommandPlans::romSave(choice.page, choice.comment, choice.bootPage)
                             : CommandPlans::romRestore(choice.page);
    openProgress(tr("Save to ROM"), CommandPlans::romProgressMaximum);
    runStage(plan, [this, mode](const OperationResult &result) {
        endWithProgress(result, romOperation(mode));
    });
}

void DeviceCommands::endWithProgress(const OperationResult &result, Operation operation)
{
    closeProgress();
    if (succeeded(result, operation))
        reportSuccess(operation);
}

void DeviceCommands::writeProtect()
{
    if (m_busy || !approveTarget(Operation::Protection))
        return;
    runStage(CommandPlans::stateRead(StateRead::Protection),
             [this](const OperationResult &result) { chooseProtection(result); });
}

void DeviceCommands::chooseProtection(const OperationResult &result)
{
    if (!passes(result, Gate::WriteProtect))
        return;
    const ModuleState state(result.data);
    WriteProtectDialog dialog(state.isWriteProtected(), state.isBootProtected(), &m_window);
    if (m_prompter->runDialog(dialog) != QDialog::Accepted)
        return;
    const OperationPlan plan =
        CommandPlans::protection(state, dialog.currentProtected(), dialog.bootProtected());
    if (!plan.commands.isEmpty()) {
        runStage(plan, [this](const OperationResult &stopped) {
            if (succeeded(stopped, Operation::Protection))
                reportSuccess(Operation::Protection);
        });
    }
}

void DeviceCommands::initializeRom()
{
    if (m_busy || !approveTarget(Operation::RomInitialise))
        return;
    runStage(CommandPlans::stateRead(StateRead::RomInfo),
             [this](const OperationResult &result) { startInitialize(result); });
}

void DeviceCommands::startInitialize(const OperationResult &result)
{
    if (!passes(result, Gate::RomAccess))
        return;
    if (m_prompter->warning(&m_window, tr("KaRiX"),
                            tr("Are you sure you want to initialize ROM area?") + QLatin1Char('\n')
                                + tr("This erases all %1 ROM pages and their comments and makes "
                                     "page 0 the boot page.")
                                      .arg(ModuleInterface::romPageCount),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    // The registers are reloaded from an empty design of its own; the
    // user's design stays on screen untouched.
    const QByteArray emptyImage = ImageCapture::compile(DesignDocument().model());
    openProgress(tr("Initialize ROM area"), CommandPlans::initialiseSteps);
    runStage(CommandPlans::romInitialise(ModuleState(result.data), emptyImage),
             [this](const OperationResult &stopped) {
                 endWithProgress(stopped, Operation::RomInitialise);
             });
}

// ---- counters ----

CounterConfig DeviceCommands::counterConfig() const
{
    CounterConfig config = CounterAssignment::fromDesign(m_document.model());
    const ConnectionSettings &settings = m_document.settings();
    config.address = settings.address;
    config.tcpPort = settings.tcpPort;
    config.udpPort = settings.udpPort;
    config.timeout = int(std::min<quint32>(settings.timeout, 0x7FFFFFFF));
    config.autoConnect = settings.autoConnect;
    return config;
}

void DeviceCommands::counters()
{
    const CounterConfig config = counterConfig();
    const bool downloaded = m_lastDownload && m_lastDownload->sources == config.sources;
    if (!downloaded) {
        const auto &sources = config.sources;
        if (std::all_of(sources.begin(), sources.end(), [](int source) { return source < 0; })) {
            warn(tr("There is no MsrCnt."));
            return;
        }
        if (!confirm(tr("It may be different that the downloaded data are displayed.")))
            return;
    }
    if (m_counterWindow) {
        m_counterWindow->raise();
        m_counterWindow->activateWindow();
        return;
    }
    openCounterWindow(config);
}

void DeviceCommands::openCounterWindow(const CounterConfig &config)
{
    auto *window = new MsrCntWidget(config, *m_prompter, &m_window);
    connect(window, &MsrCntWidget::closedKovix, window, &QObject::deleteLater);
    m_counterWindow = window;
    window->show();
}

// ---- dialogs ----

void DeviceCommands::about()
{
    VersionDialog dialog(m_document.settings(), true, *m_prompter, &m_window);
    m_prompter->runDialog(dialog);
}

void DeviceCommands::hardwareSetup()
{
    NetSetupDialog dialog(m_document.settings(), *m_prompter, &m_window);
    dialog.setTargetGuard(m_guard);
    m_prompter->runDialog(dialog);
    if (dialog.applyTo(m_document.settings()))
        m_documents.recordEditStep();
}

void DeviceCommands::ethernetSetting()
{
    PropertyDialog dialog(m_document.settings(), *m_prompter, &m_window);
    m_prompter->runDialog(dialog);
    if (dialog.changed())
        m_documents.recordEditStep();
}

// ---- helpers ----

void DeviceCommands::openProgress(const QString &label, int maximum)
{
    auto *progress = new QProgressDialog(label, tr("Cancel"), 0, maximum);
    progress->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    progress->setWindowModality(Qt::ApplicationModal);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setMinimumDuration(0);
    progress->setValue(0);
    connect(progress, &QProgressDialog::canceled, &m_runner, &OperationRunner::cancel);
    m_progress = progress;
    progress->show();
}

void DeviceCommands::closeProgress()
{
    QProgressDialog *progress = m_progress;
    m_progress.clear();
    if (!progress)
        return;
    progress->disconnect(&m_runner);
    progress->setValue(progress->maximum());
    progress->hide();
    progress->deleteLater();
}
