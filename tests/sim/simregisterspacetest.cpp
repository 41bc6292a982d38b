// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"

#include "device/moduleinterface.h"
#include "sim/simregisterspace.h"

#include <QTemporaryDir>
#include <QTest>

using namespace ModuleInterface;

namespace {
QByteArray byte(int value)
{
    return QByteArray(1, char(value));
}

const QByteArray version = QByteArray::fromHex("02010000");
}

class SimRegisterSpaceTest : public QObject
{
    Q_OBJECT

private slots:
    void writeRules_data();
    void writeRules();
    void readRules_data();
    void readRules();
    void romCommandRunsForItsTime();
    void abortLeavesThePageUnsaved();
    void stateSurvivesRestartAndBootPageApplies();
};

void SimRegisterSpaceTest::writeRules_data()
{
    QTest::addColumn<quint32>("address");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("flags");  // current control flags before the write
    QTest::addColumn<bool>("eepromEnabled");
    QTest::addColumn<bool>("accepted");

    const int writable = writableFlag;
    const int saving = writableFlag | savingFlag;
    const int isProtected = 0;
    QTest::newRow("register") << quint32(0x2000) << byte(1) << writable << false << true;
    QTest::newRow("register, protected") << quint32(0x2000) << byte(1) << isProtected << false << false;
    QTest::newRow("version is read-only") << quint32(0) << byte(1) << writable << false << false;
    QTest::newRow("flags while protected") << currentFlags << byte(1) << isProtected << false << true;
    QTest::newRow("EEPROM locked") << bootPage << byte(2) << writable << false << false;
    QTest::newRow("EEPROM enabled") << bootPage << byte(2) << writable << true << true;
    QTest::newRow("write enable always") << eepromWriteEnable << byte(0) << writable << false << true;
    QTest::newRow("status is read-only") << romStatus << byte(1) << writable << false << false;
    QTest::newRow("save, saving flag up") << romSaveCommand << byte(0xFF) << saving << false << true;
    QTest::newRow("save, saving flag down") << romSaveCommand << byte(0xFF) << writable << false << false;
    QTest::newRow("save, protected") << romSaveCommand << byte(0xFF) << int(savingFlag) << false << false;
    QTest::newRow("restore needs no saving flag") << romRestoreCommand << byte(0xFF) << writable << false << true;
    QTest::newRow("comment command") << romCommentCommand << byte(0xFF) << writable << false << true;
    QTest::newRow("command of two bytes") << romCommentCommand << QByteArray(2, '\xFF') << writable << false << false;
    QTest::newRow("unmapped") << quint32(0x9000) << byte(1) << writable << false << false;
    QTest::newRow("across a region end") << quint32(0x3FFF) << QByteArray(2, '\1') << writable << false << false;
}

void SimRegisterSpaceTest::writeRules()
{
    QFETCH(quint32, address);
    QFETCH(QByteArray, data);
    QFETCH(int, flags);
    QFETCH(bool, eepromEnabled);
    QFETCH(bool, accepted);
    SimRegisterSpace space(version, 1000, QString());
    QVERIFY(space.write(currentFlags, byte(flags)));
    if (eepromEnabled)
        QVERIFY(space.write(eepromWriteEnable, byte(0)));
    QCOMPARE(space.write(address, data), accepted);
    const bool isCommand = address >= romAbort && address < romAbort + 0x80;
    if (accepted && address != eepromWriteEnable && address != currentFlags && !isCommand)
        QCOMPARE(space.peek(address, data.size()), data);
    QCOMPARE(space.romBusy(), accepted && isCommand);
}

void SimRegisterSpaceTest::readRules_data()
{
    QTest::addColumn<quint32>("address");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("version") << quint32(0) << 4 << true;
    QTest::newRow("status block") << romStatus << romStatusSize << true;
    QTest::newRow("network settings") << networkSettings << networkSettingsSize << true;
    QTest::newRow("unmapped") << quint32(0x10000) << 4 << false;
    QTest::newRow("wraps the address space") << quint32(0xFFFFFFFE) << 4 << false;
}

void SimRegisterSpaceTest::readRules()
{
    QFETCH(quint32, address);
    QFETCH(int, length);
    QFETCH(bool, accepted);
    SimRegisterSpace space(version, 0, QString());
    QByteArray data;
    QCOMPARE(space.read(address, length, data), accepted);
    if (accepted)
        QCOMPARE(data.size(), length);
}

void SimRegisterSpaceTest::romCommandRunsForItsTime()
{
    SimRegisterSpace space(version, 200, QString());
    QVERIFY(space.write(currentFlags, byte(writableFlag | savingFlag)));
    QVERIFY(space.write(romSaveCommand + 2, byte(0xFF)));
    QVERIFY(!space.write(romSaveCommand + 3, byte(0xFF)));  // one command at a time
    QByteArray status;
    QVERIFY(space.read(romStatus, romStatusSize, status));
    QCOMPARE(status.at(0), char(1));
    QTRY_VERIFY_WITH_TIMEOUT(!space.romBusy(), 2000);
    QVERIFY(space.read(romStatus, romStatusSize, status));
    QCOMPARE(status.at(0), char(0));
}

void SimRegisterSpaceTest::abortLeavesThePageUnsaved()
{
    SimRegisterSpace space(version, 5000, QString());
    space.poke(0x2000, byte(0x42));
    QVERIFY(space.write(currentFlags, byte(writableFlag | savingFlag)));
    QVERIFY(space.write(romSaveCommand + 1, byte(0xFF)));
    QVERIFY(space.write(romAbort, byte(0xFF)));
    QVERIFY(!space.romBusy());
    space.poke(bootPage, byte(1));
    space.powerUp();  // a saved page 1 would bring 0x42 back
    QCOMPARE(space.peek(0x2000, 1), byte(0));
}

void SimRegisterSpaceTest::stateSurvivesRestartAndBootPageApplies()
{
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("module.state"));
    {
        SimRegisterSpace space(version, 0, state);
        QVERIFY(space.write(0x2000, QByteArray("image")));
        QVERIFY(space.write(commentArea, QByteArray("comment")));
        QVERIFY(space.write(romCommentCommand, byte(0xFF)));
        QVERIFY(!space.romBusy());
        QVERIFY(space.write(currentFlags, byte(writableFlag | savingFlag)));
        QVERIFY(space.write(romSaveCommand + 5, byte(0xFF)));
        QVERIFY(!space.romBusy());
        QVERIFY(space.write(eepromWriteEnable, byte(0)));
        QVERIFY(space.write(bootPage, byte(5)));
        QVERIFY(space.write(bootFlags, byte(0)));  // boot write-protected
    }
    SimRegisterSpace restarted(version, 0, state);
    QCOMPARE(restarted.peek(0x2000, 5), QByteArray("image"));
    QCOMPARE(restarted.peek(commentArea, 7), QByteArray("comment"));
    QCOMPARE(restarted.peek(currentFlags, 1), byte(0));
    QCOMPARE(restarted.peek(eepromWriteEnable, 1), byte(0xFF));
    QVERIFY(!restarted.write(0x2000, byte(1)));
}

KARIX_TEST(SimRegisterSpaceTest)
#include "simregisterspacetest.moc"
