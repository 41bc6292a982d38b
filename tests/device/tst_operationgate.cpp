// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"

#include "device/modulestate.h"
#include "device/operationgate.h"

#include <QTest>

using Command = OperationGate::Command;
Q_DECLARE_METATYPE(Command)

namespace {
const QString protectedText = QStringLiteral("The Register is write-protected.");
}

class TestOperationGate : public QObject
{
    Q_OBJECT

private slots:
    void refusal_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<QString>("expected");
        const QByteArray writable = QByteArray::fromHex("0201000001");
        const QByteArray locked = QByteArray::fromHex("0201000000");
        const QByteArray old = QByteArray::fromHex("01010000");
        const QByteArray negative = QByteArray::fromHex("80010000");
        QTest::newRow("download, writable") << Command::Transfer << writable << QString();
        QTest::newRow("download, protected") << Command::Transfer << locked << protectedText;
        QTest::newRow("download, old firmware") << Command::Transfer << old << QString();
        QTest::newRow("download, nothing read") << Command::Transfer << QByteArray() << QString();
        QTest::newRow("protect, old firmware")
            << Command::WriteProtect << old
            << QStringLiteral("This version of the FPGA doesn't support Write-Protect.");
        QTest::newRow("protect, version byte 0x80")
            << Command::WriteProtect << negative
            << QStringLiteral("This version of the FPGA doesn't support Write-Protect.");
        QTest::newRow("protect, protected module may be unprotected")
            << Command::WriteProtect << locked << QString();
        QTest::newRow("save, nothing read")
            << Command::SaveAndRestore << QByteArray()
            << QStringLiteral("This version of the FPGA doesn't support Save and Restore.");
        QTest::newRow("save, protected") << Command::SaveAndRestore << locked << protectedText;
        QTest::newRow("initialise, old firmware")
            << Command::RomAccess << old
            << QStringLiteral("This version of the FPGA doesn't support ROM access.");
        QTest::newRow("initialise, protected") << Command::RomAccess << locked << protectedText;
        QTest::newRow("initialise, writable") << Command::RomAccess << writable << QString();
    }
    void refusal()
    {
        QFETCH(Command, command);
        QFETCH(QByteArray, state);
        QFETCH(QString, expected);
        QCOMPARE(OperationGate::refusal(command, ModuleState(state)), expected);
    }
};

KARIX_TEST(TestOperationGate)
#include "tst_operationgate.moc"
