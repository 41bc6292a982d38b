#include "app/devicecommands.h"

#include "app/documentcontroller.h"
#include "app/mainwindow.h"
#include "app/prompter.h"
#include "compiler/designrulecheck.h"
#include "device/commandplans.h"
#include "device/counterassignment.h"
#include "device/moduleinterface.h"
#include "device/modulestate.h"
#include "dialogs/netsetupdialog.h"
#include "dialogs/propertydialog.h"
#include "dialogs/versiondialog.h"
#include "dialogs/writeprotectdialog.h"
#include "io/designdocument.h"
#include "io/documentreader.h"
#include "io/documentwriter.h"

#include <QProgressDialog>
#include <QStatusBar>
#include <algorithm>

using StateRead = CommandPlans::StateRead;
using Gate = OperationGate::Command;

DeviceCommands::DeviceCommands(MainWindow &window, Prompter &prompter)
    : QObject(&window)
    , m_window(window)
    , m_prompter(&prompter)
{
    connect(&m_runner, &OperationRunner::finished, this, &DeviceCommands::onStageFinished);
    connect(&m_runner, &OperationRunner::progressChanged, this, [this](int value) {
        if (m_progress)
            m_progress->setValue(value);
    });
}

DeviceCommands::~DeviceCommands()
{
    delete m_progress;
}

void DeviceCommands::setPrompter(Prompter &prompter)
{
    m_prompter = &prompter;
}

// ---- stages ----

void DeviceCommands::runStage(const OperationPlan &plan, Stage next)
{
    m_busy = true;
    m_next = std::move(next);
    m_runner.start(plan, m_window.connectionSettings());
}

void DeviceCommands::onStageFinished(const OperationResult &result)
{
    m_link.add(result.link);
    const Stage next = std::exchange(m_next, nullptr);
    if (next)
        next(result);
    if (!m_runner.isRunning())
        endCommand();
}

void DeviceCommands::endCommand()
{
    m_busy = false;
    m_snapshot.reset();
    m_lastLink = m_link;
    m_link = LinkHealth();
    m_window.statusBar()->showMessage(m_lastLink.summary());
    emit commandFinished();
}

bool DeviceCommands::succeeded(const OperationResult &result)
{
    if (!result.errorText.isEmpty())
        warn(result.errorText);
    return result.succeeded();
}

bool DeviceCommands::passes(const OperationResult &result, Gate command)
{
    if (!succeeded(result))
        return false;
    const QString refusal = OperationGate::refusal(command, ModuleState(result.data));
    if (!refusal.isEmpty())
        warn(refusal);
    return refusal.isEmpty();
}

void DeviceCommands::warn(const QString &text)
{
    m_prompter->warning(&m_window, tr("KaRiX"), text);
}

bool DeviceCommands::confirm(const QString &text)
{
    return m_prompter->question(&m_window, tr("KaRiX"), text, tr("Do you want to continue?"),
                                QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Yes)
           == QMessageBox::Yes;
}

// ---- download and verify ----

bool DeviceCommands::passesDesignRuleCheck()
{
    QString report;
    const int result = DesignRuleCheck::checkDesign(m_window.document().model(), report);
    if (result > 0) {
        showDrc();
        return false;
    }
    if (result == 0)
        return true;
    delete m_drcDialog;
    DrcDialog dialog(true, &m_window);
    dialog.setReport(report);
    bool download = false;
    connect(&dialog, &DrcDialog::drcClosed, this, [&download](bool go) { download = go; });
    m_prompter->runDialog(dialog);
    return download;
}

void DeviceCommands::download()
{
    if (m_busy || !passesDesignRuleCheck())
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
    runStage(CommandPlans::download(takeSnapshot()),
             [this](const OperationResult &result) { downloadStopped(result); });
}

void DeviceCommands::downloadStopped(const OperationResult &result)
{
    closeProgress();
    if (!succeeded(result))
        return;
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
        if (!confirm(tr("The output may become unstable during verify.")))
            return;
        runStage(CommandPlans::verify(takeSnapshot()),
                 [this](const OperationResult &stopped) { verifyStopped(stopped); });
    });
}

void DeviceCommands::verifyStopped(const OperationResult &result)
{
    if (!result.compared) {
        succeeded(result);
        return;
    }
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
    if (m_busy)
        return;
    // A save first compares the module with the design on screen.
    const DesignModel *design = mode == RomDialog::Save ? &takeSnapshot() : nullptr;
    runStage(CommandPlans::stateRead(StateRead::RomInfo, design),
             [this, mode](const OperationResult &result) { chooseRomPage(result, mode); });
}

void DeviceCommands::chooseRomPage(const OperationResult &result, RomDialog::Mode mode)
{
    if (!passes(result, Gate::SaveAndRestore))
        return;
    if (mode == RomDialog::Save && result.comparison != 0
        && !confirm(tr("The displayed data have not been yet downloaded.")))
        return;
    RomDialog dialog(m_window.currentFileName(), ModuleState(result.data), mode, *m_prompter,
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
    runStage(plan, [this](const OperationResult &result) { endWithProgress(result); });
}

void DeviceCommands::endWithProgress(const OperationResult &result)
{
    closeProgress();
    succeeded(result);
}

void DeviceCommands::writeProtect()
{
    if (m_busy)
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
    if (!plan.commands.isEmpty())
        runStage(plan, [this](const OperationResult &stopped) { succeeded(stopped); });
}

void DeviceCommands::initializeRom()
{
    if (m_busy)
        return;
    runStage(CommandPlans::stateRead(StateRead::RomInfo),
             [this](const OperationResult &result) { startInitialize(result); });
}

void DeviceCommands::startInitialize(const OperationResult &result)
{
    if (!passes(result, Gate::RomAccess))
        return;
    if (m_prompter->warning(&m_window, tr("KaRiX"),
                            tr("Are you sure you want to initialize ROM area?"),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    // The registers are reloaded from an empty design of its own; the
    // user's design stays on screen untouched.
    m_snapshot = std::make_unique<DesignDocument>();
    openProgress(tr("Initialize ROM area"), CommandPlans::initialiseSteps);
    runStage(CommandPlans::romInitialise(ModuleState(result.data), m_snapshot->model()),
             [this](const OperationResult &stopped) { endWithProgress(stopped); });
}

// ---- counters ----

CounterConfig DeviceCommands::counterConfig() const
{
    CounterConfig config = CounterAssignment::fromDesign(m_window.document().model());
    const ConnectionSettings &settings = m_window.connectionSettings();
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
    VersionDialog dialog(m_window.connectionSettings(), true, *m_prompter, &m_window);
    m_prompter->runDialog(dialog);
}

void DeviceCommands::showDrc()
{
    if (!m_drcDialog) {
        m_drcDialog = new DrcDialog(false, &m_window);
        m_drcDialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    QString report;
    DesignRuleCheck::checkDesign(m_window.document().model(), report);
    m_drcDialog->setReport(report);
    m_drcDialog->show();
}

void DeviceCommands::hardwareSetup()
{
    NetSetupDialog dialog(m_window.connectionSettings(), *m_prompter, &m_window);
    m_prompter->runDialog(dialog);
    if (dialog.applyTo(m_window.document().settings()))
        m_window.documentController().recordEditStep();
}

void DeviceCommands::ethernetSetting()
{
    PropertyDialog dialog(m_window.document().settings(), *m_prompter, &m_window);
    m_prompter->runDialog(dialog);
    if (dialog.changed())
        m_window.documentController().recordEditStep();
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

const DesignModel &DeviceCommands::takeSnapshot()
{
    m_snapshot = std::make_unique<DesignDocument>();
    DesignDocument &live = m_window.document();
    DocumentReader(m_snapshot->context()).read(DocumentWriter(live.context()).toBytes());
    return m_snapshot->model();
}
