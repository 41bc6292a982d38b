// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/designcheckdock.h"
#include "app/devicecommands.h"
#include "app/documentcontroller.h"
#include "app/mainwindow.h"
#include "app/targetindicator.h"
#include "common/simulatorprocess.h"
#include "common/testdocuments.h"
#include "common/testrunner.h"
#include "compiler/imagecapture.h"
#include "device/commandplans.h"
#include "device/moduleinterface.h"
#include "device/operationrunner.h"
#include "dialogs/drcdialog.h"
#include "dialogs/msrcntwidget.h"
#include "dialogs/netsetupdialog.h"
#include "dialogs/romdialog.h"
#include "io/designdocument.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "scriptedprompter.h"
#include "sim/modulesimulator.h"
#include "sim/simregisterspace.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace ModuleInterface;
using Command = void (DeviceCommands::*)();
Q_DECLARE_METATYPE(Command)

namespace {

constexpr int commandLimitMs = 30000;
const QString protectedText =
    QStringLiteral("KaRiX|The Register is write-protected.\nTo lift the protection, choose File > "
                   "Write Protect and clear \"Write Protect (Current setting)\".");
const QString downloadedNotice = QStringLiteral("notice:Design downloaded and verified to 127.0.0.1 in ");

QByteArray moduleImage(SimRegisterSpace &space)
{
    return space.peek(parameterBlock, parameterBlockSize) + space.peek(tableArea, 4 * tableSize);
}

template<typename T>
T *child(QDialog &dialog, const char *name)
{
    return dialog.findChild<T *>(QLatin1String(name));
}

// Plays the DRC question: Download when go, else Cancel.
int answerDrc(QDialog &dialog, bool go)
{
    if (go)
        child<QPushButton>(dialog, "downloadButton")->click();
    else
        dialog.reject();
    return dialog.result();
}

// Picks a page in a ROM dialog (and a comment and boot choice when saving), then OK.
std::function<int(QDialog &)> romAnswer(int page, const QString &comment = QString(),
                                        bool setOnBoot = false)
{
    return [=](QDialog &dialog) {
        auto &rom = static_cast<RomDialog &>(dialog);
        if (dialog.windowTitle() == QLatin1String("Boot ROM Page")) {
            auto *table = child<QTableWidget>(dialog, "tableWidget");
            static_cast<QCheckBox *>(table->cellWidget(page, 0))->setChecked(true);
        } else {
            child<QComboBox>(dialog, "comboBox")->setCurrentIndex(page);
            if (!comment.isEmpty())
                child<QLineEdit>(dialog, "lineEdit")->setText(comment);
            child<QCheckBox>(dialog, "checkBox")->setChecked(setOnBoot);
        }
        rom.on_buttonBox_accepted();
        return dialog.result();
    };
}

} // namespace

class TestDeviceCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { startModule(SimConfig(), false); }
    void cleanup()
    {
        m_window.reset();
        m_sim.reset();
        m_prompter = ScriptedPrompter();
    }

    void downloadAndVerifyEachExample_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString &path : TestDocuments::exampleDesigns())
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }
    void downloadAndVerifyEachExample()
    {
        QFETCH(QString, path);
        m_window->documentController().open(path);
        m_prompter.dialogAnswer = [](QDialog &dialog) { return answerDrc(dialog, true); };
        run(&DeviceCommands::download);
        QCOMPARE(moduleImage(m_sim->registers()), ImageCapture::compile(model()));
        QVERIFY(m_window->statusBar()->currentMessage().startsWith(downloadedNotice.mid(7)));
        QCOMPARE(m_prompter.shown.size(), 1);
        QVERIFY(m_prompter.shown.first().startsWith(downloadedNotice));
        QVERIFY(devices().lastLinkHealth().requests() > ImageCapture::ImageSize / 128);
        m_prompter.shown.clear();
        run(&DeviceCommands::verify);
        QCOMPARE(m_prompter.shown.size(), 2);
        QVERIFY(m_prompter.shown.first().startsWith(
            QLatin1String("KaRiX|The output may become unstable during verify.|The outputs may "
                          "glitch while the module's tables are read back")));
        QCOMPARE(m_prompter.shown.last(), QStringLiteral("info:KaRiX|Verify: The Register data is matched."));
    }

    // The same through the simulator program, as a user's run would.
    void downloadAndVerifyAgainstTheSimulatorProgram()
    {
        SimulatorProcess program({}, 60);
        QVERIFY(program.isRunning());
        m_window.reset();
        ConnectionSettings settings;
        settings.address = QStringLiteral("127.0.0.1");
        settings.udpPort = program.udpPort();
        settings.tcpPort = program.tcpPort();
        settings.autoConnect = false;
        m_window = std::make_unique<MainWindow>(TestDocuments::exampleDesigns().first(), &settings);
        m_window->setPrompter(&m_prompter);
        m_prompter.dialogAnswer = [](QDialog &dialog) { return answerDrc(dialog, true); };
        run(&DeviceCommands::download);
        run(&DeviceCommands::verify);
        QCOMPARE(m_prompter.shown.last(),
                 QStringLiteral("info:KaRiX|Verify: The Register data is matched."));
    }

    void designRuleGate_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("downloaded");
        QTest::addColumn<bool>("asked");
        QTest::newRow("errors") << TestDocuments::withErrors() << true << false << false;
        QTest::newRow("warnings, cancelled") << TestDocuments::warningsOnly() << false << false << true;
        QTest::newRow("warnings, confirmed") << TestDocuments::warningsOnly() << true << true << true;
        QTest::newRow("clean") << TestDocuments::clean() << false << true << false;
    }
    void designRuleGate()
    {
        QFETCH(QString, document);
        QFETCH(bool, confirm);
        QFETCH(bool, downloaded);
        QFETCH(bool, asked);
        openText(document);
        m_prompter.dialogAnswer = [confirm](QDialog &dialog) { return answerDrc(dialog, confirm); };
        run(&DeviceCommands::download);
        QCOMPARE(m_prompter.shown.contains(QStringLiteral("dialog|DRC")), asked);
        QCOMPARE(m_sim->stats().requests.load() > 0, downloaded);
        if (downloaded)
            QCOMPARE(moduleImage(m_sim->registers()), ImageCapture::compile(model()));
        // Errors show the check dock, which says that nothing was downloaded.
        const bool errors = !downloaded && !asked;
        QCOMPARE(!m_window->designCheck().isHidden(), errors);
        if (errors)
            QCOMPARE(m_window->statusBar()->currentMessage(),
                     m_window->designCheck().header()->text());
    }

    void writeProtectedModuleRefuses_data()
    {
        QTest::addColumn<Command>("command");
        QTest::newRow("download") << &DeviceCommands::download;
        QTest::newRow("verify") << &DeviceCommands::verify;
        QTest::newRow("save") << &DeviceCommands::saveToRom;
        QTest::newRow("restore") << &DeviceCommands::restoreFromRom;
        QTest::newRow("boot page") << &DeviceCommands::changeBootPage;
        QTest::newRow("initialise") << &DeviceCommands::initializeRom;
    }
    void writeProtectedModuleRefuses()
    {
        QFETCH(Command, command);
        openText(TestDocuments::clean());
        m_sim->registers().poke(currentFlags, QByteArray(1, '\0'));
        const qint64 writesBefore = writeRequests();
        run(command);
        QCOMPARE(m_prompter.shown, QStringList{protectedText});
        QCOMPARE(writeRequests(), writesBefore);
    }

    void oldFirmwareLacksRomAndProtection_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("message");
        QTest::newRow("protect") << &DeviceCommands::writeProtect
                                 << "This version of the FPGA doesn't support Write-Protect.";
        QTest::newRow("save") << &DeviceCommands::saveToRom
                              << "This version of the FPGA doesn't support Save and Restore.";
        QTest::newRow("initialise") << &DeviceCommands::initializeRom
                                    << "This version of the FPGA doesn't support ROM access.";
    }
    void oldFirmwareLacksRomAndProtection()
    {
        QFETCH(Command, command);
        QFETCH(QString, message);
        SimConfig config;
        config.version = QByteArray::fromHex("01010000");
        startModule(config, false);
        openText(TestDocuments::clean());
        run(command);
        QCOMPARE(m_prompter.shown, QStringList{QStringLiteral("KaRiX|") + message});
        // Download still works on such a module.
        run(&DeviceCommands::download);
        QCOMPARE(moduleImage(m_sim->registers()), ImageCapture::compile(model()));
    }

    void romPagesSaveRestoreBootAndInitialise()
    {
        openText(TestDocuments::clean());
        const QByteArray cleanImage = ImageCapture::compile(model());
        // Not downloaded yet: the save asks first.
        m_prompter.dialogAnswer = romAnswer(3, QStringLiteral("run 42 µ"), true);
        run(&DeviceCommands::saveToRom);
        QVERIFY(m_prompter.shown.contains(
            QStringLiteral("KaRiX|The displayed data have not been yet downloaded.|Do you want to continue?")));
        SimRegisterSpace &module = m_sim->registers();
        const QByteArray comment = QStringLiteral("run 42 µ").toUtf8();
        QCOMPARE(module.peek(commentArea + 3 * commentSize, comment.size()), comment);
        QCOMPARE(module.peek(bootPage, 1), QByteArray(1, char(3)));

        run(&DeviceCommands::download);
        m_prompter.shown.clear();
        m_prompter.dialogAnswer = romAnswer(5, QStringLiteral("downloaded"));
        run(&DeviceCommands::saveToRom);
        QCOMPARE(m_prompter.shown.size(), 2);
        QCOMPARE(m_prompter.shown.first(), QStringLiteral("dialog|Save to ROM"));
        QVERIFY(m_prompter.shown.last().startsWith(
            QLatin1String("notice:Registers saved to ROM on 127.0.0.1 in ")));
        QCOMPARE(module.peek(bootPage, 1), QByteArray(1, char(3)));

        // Page 3 holds the image from before the download: the module's
        // registers, which were zero.
        m_prompter.dialogAnswer = romAnswer(5);
        module.poke(tableArea, QByteArray(4 * tableSize, '\x55'));
        run(&DeviceCommands::restoreFromRom);
        QCOMPARE(moduleImage(module), cleanImage);

        m_prompter.dialogAnswer = romAnswer(7);
        run(&DeviceCommands::changeBootPage);
        QCOMPARE(module.peek(bootPage, 1), QByteArray(1, char(7)));

        const int blocks = model().allBlocks().size();
        m_prompter.answer = QMessageBox::Yes;
        run(&DeviceCommands::initializeRom);
        QCOMPARE(module.peek(commentArea, commentAreaSize), QByteArray(commentAreaSize, '\0'));
        QCOMPARE(module.peek(bootPage, 1), QByteArray(1, '\0'));
        QCOMPARE(model().allBlocks().size(), blocks);
    }

    void protectionChange()
    {
        openText(TestDocuments::clean());
        m_prompter.dialogAnswer = [](QDialog &dialog) {
            child<QCheckBox>(dialog, "currentCheckBox")->setChecked(true);
            dialog.accept();
            return dialog.result();
        };
        run(&DeviceCommands::writeProtect);
        QCOMPARE(quint8(m_sim->registers().peek(currentFlags, 1).at(0)) & writableFlag, 0);
        m_prompter.shown.clear();
        run(&DeviceCommands::download);
        QCOMPARE(m_prompter.shown, QStringList{protectedText});
    }

    void networkSettingsWriteAndReadBack()
    {
        const quint16 udp = m_sim->udpPort();
        QString shownAfterWrite;
        m_prompter.dialogAnswer = [udp, &shownAfterWrite](QDialog &dialog) {
            auto &setup = static_cast<NetSetupDialog &>(dialog);
            child<QLineEdit>(dialog, "lineEditAddr")->setText(QStringLiteral("127.0.0.1"));
            child<QLineEdit>(dialog, "lineEditUdp")->setText(QString::number(udp));
            child<QLineEdit>(dialog, "lineEditNewAddr")->setText(QStringLiteral("127.0.0.2"));
            child<QLineEdit>(dialog, "lineEditNewTcp")->setText(QStringLiteral("2424"));
            child<QLineEdit>(dialog, "lineEditNewUdp")->setText(QStringLiteral("4661"));
            QSignalSpy ended(&setup, &NetSetupDialog::operationEnded);
            child<QPushButton>(dialog, "pushButtonRenewal")->click();
            if (ended.wait(commandLimitMs))
                shownAfterWrite = setup.information();
            dialog.reject();
            return dialog.result();
        };
        run(&DeviceCommands::hardwareSetup);
        QVERIFY2(shownAfterWrite.contains(QLatin1String("IP Address : 127.0.0.2")),
                 qPrintable(shownAfterWrite));
        QVERIFY(shownAfterWrite.contains(QLatin1String("UDP Port : 4661")));
        QVERIFY(m_prompter.shown.contains(QStringLiteral(
            "|Succeeded in Updating the Kovix module.\nPlease set DIP switch to OFF, and reboot the KaRiX.")));
        QCOMPARE(m_sim->registers().peek(networkAddress, 4), QByteArray::fromHex("7f000002"));
        QCOMPARE(m_window->document().settings().address, QStringLiteral("127.0.0.2"));
        QCOMPARE(m_window->document().settings().tcpPort, quint16(2424));
        QVERIFY(m_window->isWindowModified());
    }

    void counterWindowAfterDownload()
    {
        startModule(SimConfig(), true);
        m_window->documentController().open(QStringLiteral(KARIX_SOURCE_DIR "/examples/counters.krx"));
        // The example logs into /tmp; here into a directory of the test's own.
        QTemporaryDir logs;
        for (BlockItem *block : model().outputBlocks()) {
            if (block->term().startsWith(QLatin1String("MsrCnt")))
                block->setProperty(block->property().replace(QLatin1String("PATH=/tmp"),
                                                             QLatin1String("PATH=") + logs.path()));
        }
        run(&DeviceCommands::download);
        MsrCntWidget *counters = devices().counterWindow();
        QVERIFY(counters);
        QTRY_COMPARE_WITH_TIMEOUT(counters->statusText(), QStringLiteral("Waiting for data ..."), 10000);
        QPushButton *start = counters->startButton(0);
        QVERIFY(start->isEnabled());
        start->click();
        QTRY_VERIFY_WITH_TIMEOUT(m_sim->registers().counterRunning(0), 10000);
        QCOMPARE(start->text(), QStringLiteral("Stop"));
        QTRY_COMPARE_WITH_TIMEOUT(counters->statusText(), QStringLiteral("Received"), 10000);
        QVERIFY(counters->valueText(0).endsWith(QLatin1String(" sec")));
        QTRY_VERIFY_WITH_TIMEOUT(!counters->rateText(0).isEmpty(), 10000);
        QVERIFY(!QDir(logs.path()).entryList({QStringLiteral("*.csv")}).isEmpty());
        start->click();
        QTRY_VERIFY_WITH_TIMEOUT(!m_sim->registers().counterRunning(0), 10000);
        // A second download closes the stream and configures the same window.
        run(&DeviceCommands::download);
        QCOMPARE(devices().counterWindow(), counters);
        QCOMPARE(counters->valueText(0), QString());
        QCOMPARE(counters->rateText(0), QString());
    }

    // Undo of the command-line override switches the target back to the
    // document's: announced, and nothing is written there without a yes.
    void undoOfTheOverrideAsksBeforeWritingElsewhere()
    {
        const QString module = QStringLiteral("127.0.0.1:%1").arg(m_sim->udpPort());
        const quint16 otherPort = m_sim->udpPort() == 9 ? 10 : 9;
        QString text = TestDocuments::clean();
        text.replace(QRegularExpression(QStringLiteral("udpPort=\"\\d+\"")),
                     QStringLiteral("udpPort=\"%1\"").arg(otherPort));
        openText(text);
        QCOMPARE(m_window->findChild<QAction *>(QStringLiteral("actionUndo"))->toolTip(),
                 QStringLiteral("Undo Connection settings from the command line"));
        run(&DeviceCommands::download);
        QVERIFY(m_prompter.shown.last().startsWith(downloadedNotice));
        m_window->findChild<QAction *>(QStringLiteral("actionUndo"))->trigger();
        const QString document = QStringLiteral("127.0.0.1:%1").arg(otherPort);
        QTRY_COMPARE(m_window->statusBar()->currentMessage(),
                     QStringLiteral("Target is now %1, from the document").arg(document));
        QVERIFY(devices().targetIndicator()->text().contains(document));
        m_prompter.shown.clear();
        m_prompter.answer = QMessageBox::Cancel;
        run(&DeviceCommands::download);
        QCOMPARE(m_prompter.shown,
                 QStringList{QStringLiteral("KaRiX|Download goes to module %1, but the previous "
                                            "device command of this session went to module %2."
                                            "|Send it to %1?")
                                 .arg(document, module)});
        QVERIFY(!devices().isBusy());
    }

    void silentModuleNamesTheModule()
    {
        openText(TestDocuments::clean());
        const QString module = QStringLiteral("127.0.0.1:%1").arg(m_sim->udpPort());
        m_sim.reset();
        run(&DeviceCommands::download);
        QCOMPARE(m_prompter.shown,
                 QStringList{QStringLiteral("KaRiX|Module %1 does not answer.\n"
                                            "Reading the module's state failed.").arg(module)});
    }

    void downloadSurvivesLostDatagrams()
    {
        SimConfig config;
        config.faults.dropEveryRequest = 20;
        config.faults.dropEveryReply = 17;
        startModule(config, false);
        openText(TestDocuments::clean());
        run(&DeviceCommands::download);
        QCOMPARE(moduleImage(m_sim->registers()), ImageCapture::compile(model()));
        QCOMPARE(m_prompter.shown.size(), 1);
        QVERIFY(m_prompter.shown.first().startsWith(downloadedNotice));
        QVERIFY(devices().lastLinkHealth().retries() > 0);
    }

    void silentModuleEndsEveryCommandWithAMessage_data()
    {
        writeProtectedModuleRefuses_data();
        QTest::newRow("protect") << &DeviceCommands::writeProtect;
    }
    void silentModuleEndsEveryCommandWithAMessage()
    {
        QFETCH(Command, command);
        openText(TestDocuments::clean());
        m_sim.reset();
        QElapsedTimer clock;
        clock.start();
        run(command);
        QVERIFY(clock.elapsed() < 15000);
        QCOMPARE(m_prompter.shown.size(), 1);
        QVERIFY(m_prompter.shown.first().startsWith(QLatin1String("KaRiX|")));
        QVERIFY(!devices().isBusy());
        QVERIFY(m_window->isEnabled());
    }

    // The design is compiled before the transfer: its expression error ends
    // the command like a failed operation, with the error's text.
    void expressionErrorEndsVerify()
    {
        openText(TestDocuments::badExpression());
        run(&DeviceCommands::verify);
        QVERIFY(!devices().isBusy());
        QVERIFY2(m_prompter.shown.size() == 2, qPrintable(m_prompter.shown.join(QLatin1Char('#'))));
        const QString failure = m_prompter.shown.last();
        QVERIFY2(failure.startsWith(QLatin1String("KaRiX|Verify failed on module 127.0.0.1:"))
                     && failure.contains(QLatin1String("PreLgc0")),
                 qPrintable(failure));
    }

    // Cancel at a few seeded points of a slowed download, so that each
    // cancel lands: every round warns of a partial configuration, and
    // Download again completes.
    void cancelledDownloadThenDownloadAgain()
    {
        startModule(slowModule(), false);
        openText(TestDocuments::clean());
        m_prompter.answer = QMessageBox::No;
        QRandomGenerator random(13);
        for (int round = 0; round < 4; ++round) {
            m_prompter.shown.clear();
            if (round == 3)
                m_prompter.answer = QMessageBox::Yes;
            // Points well before the end, so that the cancel lands in time.
            breakInAt(random.bounded(ImageCapture::ImageSize - tableSize), false);
            QCOMPARE(m_prompter.shown.first(), brokenDownloadText(QStringLiteral("Download cancelled.")));
        }
        QCOMPARE(m_prompter.shown.size(), 2);
        QVERIFY(m_prompter.shown.at(1).startsWith(downloadedNotice));
        QCOMPARE(moduleImage(m_sim->registers()), ImageCapture::compile(model()));
    }

    // A module that stops answering part-way leaves a partial configuration
    // too; Download again is offered (and declined here: it would fail).
    void failedDownloadOffersToDownloadAgain()
    {
        startModule(slowModule(), false);
        openText(TestDocuments::clean());
        const QString module = QStringLiteral("127.0.0.1:%1").arg(m_sim->udpPort());
        m_prompter.answer = QMessageBox::No;
        breakInAt(ImageCapture::ImageSize / 4, true);
        QCOMPARE(m_prompter.shown, QStringList{brokenDownloadText(
                                       QStringLiteral("Module %1 does not answer.\nDownload failed.").arg(module))});
        QVERIFY(devices().progressDialog() == nullptr);
    }

    // The window keeps handling events while a download runs, and may be
    // closed in the middle of one.
    void eventLoopRunsDuringADownload()
    {
        SimConfig slow;
        slow.faults.replyDelayMs = 5;
        startModule(slow, false);
        openText(TestDocuments::clean());
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start(1);
        QSignalSpy finished(&devices(), &DeviceCommands::commandFinished);
        devices().download();
        QVERIFY(finished.wait(commandLimitMs));
        ticker.stop();
        QVERIFY2(ticks > 50, qPrintable(QString::number(ticks)));

        devices().download();
        QTRY_VERIFY_WITH_TIMEOUT(devices().progressDialog() && devices().progressDialog()->value() > 0,
                                 commandLimitMs);
        m_window.reset();
        const ConnectionSettings settings = m_sim->connectionSettings();
        OperationRunner runner;
        QSignalSpy read(&runner, &OperationRunner::finished);
        runner.start(CommandPlans::versionRead(), settings);
        QVERIFY(read.wait(commandLimitMs));
        QVERIFY(read.first().at(0).value<OperationResult>().succeeded());
    }

private:
    void startModule(const SimConfig &config, bool autoConnect)
    {
        m_window.reset();
        m_sim = std::make_unique<ModuleSimulator>(config);
        QVERIFY2(m_sim->start(), qPrintable(m_sim->errorString()));
        ConnectionSettings settings = m_sim->connectionSettings();
        settings.autoConnect = autoConnect;
        m_window = std::make_unique<MainWindow>(QString(), &settings);
        m_window->setPrompter(&m_prompter);
    }

    void openText(const QString &text)
    {
        const QString path = TestDocuments::write(m_dir, QStringLiteral("design.krx"), text);
        m_window->documentController().open(path);
        m_prompter.shown.clear();
    }

    // Each reply a few milliseconds late: a download takes long enough for
    // a cancel to land.
    static SimConfig slowModule()
    {
        SimConfig slow;
        slow.faults.replyDelayMs = 5;
        return slow;
    }

    static QString brokenDownloadText(const QString &outcome)
    {
        return QStringLiteral("KaRiX|") + outcome
               + QStringLiteral("\nThe module may now hold a partial configuration.|Download again?");
    }

    // Downloads and, once bytes written reach `at`, cancels or stops the
    // module.
    void breakInAt(int at, bool stopModule)
    {
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, this, [&] {
            QProgressDialog *progress = devices().progressDialog();
            if (!progress || progress->value() < at)
                return;
            watcher.stop();
            if (stopModule)
                m_sim->stop();
            else  // as the user does: QProgressDialog::cancel() emits nothing
                progress->findChild<QPushButton *>()->click();
        });
        watcher.start(1);
        run(&DeviceCommands::download);
    }

    // Runs a command to its end, within the limit.
    void run(Command command)
    {
        QSignalSpy finished(&devices(), &DeviceCommands::commandFinished);
        (devices().*command)();
        if (devices().isBusy())
            QVERIFY(finished.wait(commandLimitMs));
    }

    qint64 writeRequests() const
    {
        qint64 writes = 0;
        for (const QString &line : m_sim->stats().requestLog.lines())
            writes += line.startsWith(QLatin1Char('W')) ? 1 : 0;
        return writes;
    }

    DeviceCommands &devices() { return m_window->deviceCommands(); }
    DesignModel &model() { return m_window->document().model(); }

    QTemporaryDir m_dir;
    std::unique_ptr<ModuleSimulator> m_sim;
    ScriptedPrompter m_prompter;
    std::unique_ptr<MainWindow> m_window;
};

KARIX_TEST(TestDeviceCommands)
#include "tst_devicecommands.moc"
