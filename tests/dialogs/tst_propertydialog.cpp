// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scriptedprompter.h"
#include "common/testrunner.h"
#include "dialogs/propertydialog.h"
#include "model/connectionsettings.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class TestPropertyDialog : public QObject
{
    Q_OBJECT

private slots:
    void okChecksAndStores_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("warning");
        QTest::newRow("new address") << "lineEditAddress" << "127.0.0.9" << QString();
        QTest::newRow("three parts") << "lineEditAddress" << "127.0.1" << "|127.0.1 is invalid address.";
        QTest::newRow("not numbers") << "lineEditAddress" << "a.b.c.d" << "|a.b.c.d is invalid address.";
        QTest::newRow("IPv6 loopback") << "lineEditAddress" << "::1" << QString();
        QTest::newRow("empty part") << "lineEditAddress" << "127..0.1" << "|127..0.1 is invalid address.";
        QTest::newRow("port") << "lineEditUdp" << "4661" << QString();
        QTest::newRow("port 65536") << "lineEditTcp" << "65536" << "|65536 is invalid port.";
        QTest::newRow("negative port") << "lineEditUdp" << "-1" << "|-1 is invalid port.";
        QTest::newRow("time-out 0") << "lineEditTimeout" << "0" << "|0 is invalid time-out.";
        QTest::newRow("time-out") << "lineEditTimeout" << "3" << QString();
    }
    void okChecksAndStores()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, warning);
        ConnectionSettings settings;
        settings.address = QStringLiteral("127.0.0.1");
        const ConnectionSettings before = settings;
        ScriptedPrompter prompter;
        PropertyDialog dialog(settings, prompter);
        dialog.findChild<QLineEdit *>(field)->setText(text);
        dialog.on_buttonBox_accepted();
        QCOMPARE(prompter.shown, warning.isEmpty() ? QStringList() : QStringList{warning});
        QCOMPARE(dialog.changed(), warning.isEmpty());
        QCOMPARE(dialog.result(), warning.isEmpty() ? int(QDialog::Accepted) : int(QDialog::Rejected));
        if (!warning.isEmpty())
            QCOMPARE(settings, before);
    }

    void unchangedValuesChangeNothing()
    {
        ConnectionSettings settings;
        settings.address = QStringLiteral("127.0.0.1");
        ScriptedPrompter prompter;
        PropertyDialog dialog(settings, prompter);
        dialog.on_buttonBox_accepted();
        QVERIFY(!dialog.changed());
        PropertyDialog toggled(settings, prompter);
        toggled.findChild<QCheckBox *>(QStringLiteral("checkBox"))->setChecked(!settings.autoConnect);
        toggled.on_buttonBox_accepted();
        QVERIFY(toggled.changed());
    }

    // A caption with "&" but no buddy shows the "&" itself.
    void everyMnemonicHasABuddy()
    {
        ConnectionSettings settings;
        ScriptedPrompter prompter;
        PropertyDialog dialog(settings, prompter);
        for (const QLabel *label : dialog.findChildren<QLabel *>()) {
            if (label->text().contains(QLatin1Char('&')))
                QVERIFY2(label->buddy(), qPrintable(label->text()));
        }
    }
};

KARIX_TEST(TestPropertyDialog)
#include "tst_propertydialog.moc"
