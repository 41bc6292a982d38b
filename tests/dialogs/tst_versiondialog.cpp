// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scriptedprompter.h"
#include "common/testrunner.h"
#include "dialogs/versiondialog.h"
#include "sim/modulesimulator.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

class TestVersionDialog : public QObject
{
    Q_OBJECT

private slots:
    void loadShowsTheFirmwareVersion()
    {
        SimConfig config;
        config.version = QByteArray::fromHex("0201000a");
        auto sim = std::make_unique<ModuleSimulator>(config);
        QVERIFY(sim->start());
        const ConnectionSettings settings = sim->connectionSettings();
        ScriptedPrompter prompter;
        VersionDialog dialog(settings, true, prompter);
        QSignalSpy ended(&dialog, &VersionDialog::loadEnded);
        dialog.findChild<QPushButton *>(QStringLiteral("pushButton"))->click();
        QVERIFY(ended.wait(20000));
        QCOMPARE(dialog.versionText(), QStringLiteral("0201000a"));

        // A failed read keeps the text and shows why.
        sim.reset();
        dialog.findChild<QPushButton *>(QStringLiteral("pushButton"))->click();
        QVERIFY(ended.wait(20000));
        QCOMPARE(dialog.versionText(), QStringLiteral("0201000a"));
        QCOMPARE(prompter.shown.size(), 1);
        QVERIFY(prompter.shown.first().startsWith(QLatin1String("KaRiX|")));
    }

    void noModuleNoLoad()
    {
        ScriptedPrompter prompter;
        VersionDialog dialog(ConnectionSettings(), false, prompter);
        QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("pushButton"))->isEnabled());
    }
};

KARIX_TEST(TestVersionDialog)
#include "tst_versiondialog.moc"
