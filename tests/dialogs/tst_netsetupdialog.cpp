// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scriptedprompter.h"
#include "common/testrunner.h"
#include "dialogs/netsetupdialog.h"
#include "sim/modulesimulator.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

void setText(QDialog &dialog, const char *name, const QString &text)
{
    dialog.findChild<QLineEdit *>(QLatin1String(name))->setText(text);
}

} // namespace

class TestNetSetupDialog : public QObject
{
    Q_OBJECT

private slots:
    void readShowsTheSettingsBlock()
    {
        ModuleSimulator sim;
        QVERIFY(sim.start());
        ConnectionSettings settings = sim.connectionSettings();
        ScriptedPrompter prompter;
        NetSetupDialog dialog(settings, prompter);
        QSignalSpy ended(&dialog, &NetSetupDialog::operationEnded);
        dialog.findChild<QPushButton *>(QStringLiteral("pushButtonRead"))->click();
        QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("pushButtonRenewal"))->isEnabled());
        QVERIFY(ended.wait(20000));
        QVERIFY(prompter.shown.isEmpty());
        QVERIFY(dialog.information().startsWith(QLatin1String("MAC Address : ")));
        QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("pushButtonRenewal"))->isEnabled());
        // Nothing was written: closing changes no setting.
        QVERIFY(!dialog.applyTo(settings));
    }

    // The Update fields start from what the EEPROM holds, so a write changes
    // only the field the user edited, and lists that change first.
    void writeStartsFromTheReadValuesAndListsChanges()
    {
        ModuleSimulator sim;
        QVERIFY(sim.start());
        ConnectionSettings settings = sim.connectionSettings();
        ScriptedPrompter prompter;
        prompter.answer = QMessageBox::Cancel;
        NetSetupDialog dialog(settings, prompter);
        QSignalSpy ended(&dialog, &NetSetupDialog::operationEnded);
        dialog.findChild<QPushButton *>(QStringLiteral("pushButtonRead"))->click();
        QVERIFY(ended.wait(20000));
        const QString address = dialog.findChild<QLineEdit *>(QStringLiteral("lineEditNewAddr"))->text();
        const QString tcp = dialog.findChild<QLineEdit *>(QStringLiteral("lineEditNewTcp"))->text();
        QVERIFY2(dialog.information().contains(QLatin1String("IP Address : ") + address),
                 qPrintable(address));
        QVERIFY(dialog.information().contains(QLatin1String("TCP Data Port : ") + tcp));
        setText(dialog, "lineEditNewTcp", QStringLiteral("2424"));
        dialog.findChild<QPushButton *>(QStringLiteral("pushButtonRenewal"))->click();
        QCOMPARE(prompter.shown,
                 QStringList{QStringLiteral("Hardware Setup|Write these settings into the EEPROM "
                                            "of module 127.0.0.1:%1?\nTCP Port: %2 \u2192 2424"
                                            "|Do you want to write them?")
                                 .arg(sim.udpPort())
                                 .arg(tcp)});
        QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("pushButtonRenewal"))->isEnabled());
        QVERIFY(!dialog.applyTo(settings));
    }

    // The failure hint for a target that is not the factory default; the
    // default target is never contacted here.
    void failedReadNamesTheTarget()
    {
        quint16 port = 0;
        {
            ModuleSimulator sim;
            QVERIFY(sim.start());
            port = sim.udpPort();
        }
        ConnectionSettings settings;
        settings.address = QStringLiteral("127.0.0.1");
        settings.udpPort = port;
        settings.timeout = 1;
        ScriptedPrompter prompter;
        NetSetupDialog dialog(settings, prompter);
        QSignalSpy ended(&dialog, &NetSetupDialog::operationEnded);
        dialog.findChild<QPushButton *>(QStringLiteral("pushButtonRead"))->click();
        QVERIFY(ended.wait(20000));
        QCOMPARE(prompter.shown,
                 QStringList{QStringLiteral("|Can't access Kovix Module(127.0.0.1:%1).\n"
                                            "Please push Default Button, or set target address "
                                            "and port correctly.").arg(port)});
    }

    void newValuesAreChecked_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("warning");
        QTest::newRow("address") << "lineEditNewAddr" << "10.0.0" << "|10.0.0 is invalid address.";
        QTest::newRow("tcp port") << "lineEditNewTcp" << "65536" << "|65536 is invalid port.";
        QTest::newRow("udp port") << "lineEditNewUdp" << "-4" << "|-4 is invalid port.";
    }
    void newValuesAreChecked()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, warning);
        ConnectionSettings settings;
        settings.address = QStringLiteral("127.0.0.1");
        ScriptedPrompter prompter;
        NetSetupDialog dialog(settings, prompter);
        setText(dialog, "lineEditNewAddr", QStringLiteral("127.0.0.2"));
        setText(dialog, qPrintable(field), text);
        dialog.findChild<QPushButton *>(QStringLiteral("pushButtonRenewal"))->click();
        QCOMPARE(prompter.shown, QStringList{warning});
        QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("pushButtonRenewal"))->isEnabled());
    }

    void defaultButtonRestoresTheFormValues()
    {
        ConnectionSettings settings;
        settings.address = QStringLiteral("127.0.0.1");
        settings.udpPort = 5000;
        ScriptedPrompter prompter;
        NetSetupDialog dialog(settings, prompter);
        auto *address = dialog.findChild<QLineEdit *>(QStringLiteral("lineEditAddr"));
        QCOMPARE(address->text(), QStringLiteral("127.0.0.1"));
        dialog.findChild<QPushButton *>(QStringLiteral("pushButtonDefault"))->click();
        QCOMPARE(address->text(), ConnectionSettings::factoryAddress());
        QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("lineEditUdp"))->text(),
                 QStringLiteral("4660"));
    }
};

KARIX_TEST(TestNetSetupDialog)
#include "tst_netsetupdialog.moc"
