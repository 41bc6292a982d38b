// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scriptedprompter.h"
#include "common/testrunner.h"
#include "dialogs/msrcntwidget.h"
#include "sim/modulesimulator.h"
#include "sim/simregisterspace.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

CounterConfig streamAt(const ModuleSimulator &sim)
{
    CounterConfig config;
    config.address = QStringLiteral("127.0.0.1");
    config.tcpPort = sim.tcpPort();
    config.udpPort = sim.udpPort();
    config.autoConnect = false;
    config.sources = {{0, 4, -1, 1}};
    config.names = {{QStringLiteral("Gate"), QStringLiteral("Spill"), QString(), QString()}};
    config.units = {{QStringLiteral("usec"), QString(), QString(), QStringLiteral("nsec")}};
    return config;
}

} // namespace

class TestMsrCntWidget : public QObject
{
    Q_OBJECT

private slots:
    // Digit grouping follows the locale; the tests pin one.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void formatValue_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("usec") << "usec" << 3u << "0.015 usec";
        QTest::newRow("nsec") << "nsec" << 7u << "35 nsec";
        QTest::newRow("nsec grouped") << "nsec" << 200000u << "1,000,000 nsec";
        QTest::newRow("msec") << "msec" << 2000000u << "10.000000 msec";
        QTest::newRow("sec") << "sec" << 4294967295u << "21.474836475 sec";
        QTest::newRow("events") << "" << 4294967295u << "4,294,967,295 ";
    }
    void formatValue()
    {
        QFETCH(QString, unit);
        QFETCH(quint32, value);
        QFETCH(QString, text);
        QCOMPARE(MsrCntWidget::formatValue(unit, value), text);
    }

    void rowsFollowTheConfiguration()
    {
        ModuleSimulator sim;
        QVERIFY(sim.start());
        ScriptedPrompter prompter;
        MsrCntWidget window(streamAt(sim), prompter);
        QCOMPARE(window.windowTitle(), QStringLiteral("Measure Counter"));
        QCOMPARE(window.valueText(2), QStringLiteral("-----"));
        QCOMPARE(window.statusText(), QStringLiteral("Ready"));
        window.connectToServer();
        QTRY_COMPARE_WITH_TIMEOUT(window.statusText(), QStringLiteral("Waiting for data ..."), 10000);
        // Only counters with a user-controlled gate get a start button.
        QVERIFY(window.startButton(0)->isEnabled());
        QVERIFY(window.startButton(1)->isEnabled());
        QVERIFY(!window.startButton(2)->isEnabled());
        QVERIFY(!window.startButton(3)->isEnabled());
        window.stopUpdate();
        QCOMPARE(window.statusText(), QStringLiteral("Connection closed"));
        QVERIFY(!window.startButton(0)->isEnabled());
        // The stream's own disconnect notice after Disconnect changes nothing.
        window.connectionClosedByServer();
        QCOMPARE(window.statusText(), QStringLiteral("Connection closed"));
    }

    // After Stop the row and the status line say so until Start, while other
    // counters' readings arrive; the stopped counter shows no rate.
    void stoppedCounterShowsStopped()
    {
        ModuleSimulator sim;
        QVERIFY(sim.start());
        ScriptedPrompter prompter;
        MsrCntWidget window(streamAt(sim), prompter);
        window.connectToServer();
        QTRY_VERIFY_WITH_TIMEOUT(window.startButton(0)->isEnabled(), 10000);
        window.startButton(0)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.rateText(0).isEmpty(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!window.isSwitching(), 10000);
        window.startButton(1)->click();  // its readings keep arriving
        QTRY_VERIFY_WITH_TIMEOUT(!window.isSwitching(), 10000);
        window.startButton(0)->click();
        QCOMPARE(window.rateText(0), QStringLiteral("stopped"));
        QTest::qWait(2500);
        QCOMPARE(window.rateText(0), QStringLiteral("stopped"));
        QCOMPARE(window.statusText(), QStringLiteral("Gate stopped"));
        QTRY_VERIFY_WITH_TIMEOUT(window.startButton(0)->isEnabled(), 10000);
        window.startButton(0)->click();
        QTRY_COMPARE_WITH_TIMEOUT(window.statusText(), QStringLiteral("Received"), 10000);
    }

    void logsToTheDirectory()
    {
        ModuleSimulator sim;
        QVERIFY(sim.start());
        QTemporaryDir logs;
        CounterConfig config = streamAt(sim);
        config.dirs[0] = logs.path();
        ScriptedPrompter prompter;
        MsrCntWidget window(config, prompter);
        window.connectToServer();
        QTRY_COMPARE_WITH_TIMEOUT(window.statusText(), QStringLiteral("Waiting for data ..."), 10000);
        window.startButton(0)->click();
        QTRY_COMPARE_WITH_TIMEOUT(window.statusText(), QStringLiteral("Received"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!window.rateText(0).isEmpty(), 10000);
        QVERIFY(window.rateText(0).endsWith(QLatin1String("usec/s")));
        window.stopUpdate();
        const QStringList files = QDir(logs.path()).entryList({QStringLiteral("Gate_*.csv")});
        QCOMPARE(files.size(), 1);
        QFile log(QDir(logs.path()).filePath(files.first()));
        QTRY_VERIFY_WITH_TIMEOUT(log.size() > 40, 5000);
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readLine(), QByteArray("Time[HH:MM:SS],Gate[usec]\n"));
    }

    // The plotted rates go to CSV (time, one column per counter) and the
    // plot to PNG, under names from the prompter; a failed save says so.
    void exportsThePlot()
    {
        ModuleSimulator idle;
        QTemporaryDir dir;
        ScriptedPrompter prompter;
        MsrCntWidget window(streamAt(idle), prompter);
        for (const quint32 value : {0u, 200u, 400u}) {
            window.updateData(0, value);
            QTest::qWait(20);
        }
        prompter.saveAnswers = QStringList{dir.filePath(QStringLiteral("rates.csv")),
                                           dir.filePath(QStringLiteral("plot.png")),
                                           dir.filePath(QStringLiteral("missing/plot.png"))};
        for (const char *name : {"exportCsvButton", "exportPngButton", "exportPngButton"})
            window.findChild<QPushButton *>(QLatin1String(name))->click();
        QFile csv(dir.filePath(QStringLiteral("rates.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(csv.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.first(), QStringLiteral("Time[HH:MM:SS.zzz],Gate[usec/s],Spill[/s],MsrCnt3[nsec/s]"));
        const QRegularExpression row(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3},[0-9.e+]+,,$"));
        QVERIFY2(row.match(lines.at(1)).hasMatch(), qPrintable(lines.at(1)));
        QVERIFY(!QImage(dir.filePath(QStringLiteral("plot.png"))).isNull());
        QVERIFY(prompter.shown.last().startsWith(QLatin1String("KaRiX|The plot could not be exported to ")));
    }

    void declinedLogQuestionStaysDisconnected()
    {
        ModuleSimulator sim;
        QVERIFY(sim.start());
        QTemporaryDir logs;
        CounterConfig config = streamAt(sim);
        config.dirs[0] = logs.filePath(QStringLiteral("missing"));
        ScriptedPrompter prompter;
        prompter.answer = QMessageBox::Cancel;
        MsrCntWidget window(config, prompter);
        window.connectToServer();
        QCOMPARE(prompter.shown.size(), 1);
        QVERIFY(prompter.shown.first().contains(QLatin1String("No such directory.")));
        QVERIFY(prompter.shown.first().endsWith(QLatin1String("The MsrCnt data cannot be saved, continue?")));
        QVERIFY(!window.isConnected());
        QCOMPARE(window.statusText(), QStringLiteral("Ready"));
    }
};

KARIX_TEST(TestMsrCntWidget)
#include "tst_msrcntwidget.moc"
