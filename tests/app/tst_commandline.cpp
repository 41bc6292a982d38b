// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "common/testrunner.h"

#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void options_data();
    void options();
    void usageNamesTheProgramOnly_data();
    void usageNamesTheProgramOnly();
};

void TestCommandLine::options_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("tcp");
    QTest::addColumn<int>("udp");
    QTest::addColumn<qlonglong>("timeout");
    QTest::addColumn<bool>("autoConnect");
    QTest::addColumn<bool>("given");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("warned");

    const QString dflt = ConnectionSettings::factoryAddress();
    QTest::newRow("none") << QStringList{} << dflt << 24 << 4660 << 1LL << true << false << "" << false;
    QTest::newRow("tcp too big") << QStringList{"-t", "70000"} << dflt << 24 << 4660 << 1LL << true
                                 << false << "" << true;
    QTest::newRow("tcp max") << QStringList{"-t", "65535"} << dflt << 65535 << 4660 << 1LL << true
                             << true << "" << false;
    QTest::newRow("udp signed") << QStringList{"-u", "+5"} << dflt << 24 << 4660 << 1LL << true
                                << false << "" << true;
    QTest::newRow("udp empty") << QStringList{"-u", ""} << dflt << 24 << 4660 << 1LL << true
                               << false << "" << true;
    // Out-of-range time-outs are clamped with a warning; text keeps the field.
    QTest::newRow("timeout max") << QStringList{"-o", "3600"} << dflt << 24 << 4660 << 3600LL
                                 << true << true << "" << false;
    QTest::newRow("timeout 32 bit") << QStringList{"-o", "4294967295"} << dflt << 24 << 4660
                                    << 3600LL << true << true << "" << true;
    QTest::newRow("timeout overflow") << QStringList{"-o", "99999999999999999999999"} << dflt << 24
                                      << 4660 << 3600LL << true << true << "" << true;
    QTest::newRow("timeout zero") << QStringList{"-o", "0"} << dflt << 24 << 4660 << 1LL << true
                                  << true << "" << true;
    QTest::newRow("timeout text") << QStringList{"-o", "9s"} << dflt << 24 << 4660 << 1LL << true
                                  << false << "" << true;
    QTest::newRow("a off") << QStringList{"-a", "off"} << dflt << 24 << 4660 << 1LL << false << true
                           << "" << false;
    QTest::newRow("a on") << QStringList{"-a", "on"} << dflt << 24 << 4660 << 1LL << true << true
                          << "" << false;
    QTest::newRow("a ON is off") << QStringList{"-a", "ON"} << dflt << 24 << 4660 << 1LL << false
                                 << true << "" << false;
    QTest::newRow("address and two files")
        << QStringList{"-h", "127.0.0.1", "-a", "off", "a.krx", "b.krx"} << "127.0.0.1" << 24
        << 4660 << 1LL << false << true << "" << true;
    QTest::newRow("bad address") << QStringList{"-h", "not.an.address"} << dflt << 24 << 4660 << 1LL
                                 << true << false << "" << true;
    QTest::newRow("ipv6 normalised") << QStringList{"-h", "0:0:0:0:0:0:0:1"} << "::1" << 24 << 4660
                                     << 1LL << true << true << "" << false;
    QTest::newRow("last wins") << QStringList{"-u", "1", "-u", "2", "d.krx"} << dflt << 24 << 2
                               << 1LL << true << true << "d.krx" << false;
    QTest::newRow("bad value keeps earlier") << QStringList{"-u", "7", "-u", "x"} << dflt << 24 << 7
                                             << 1LL << true << true << "" << true;
    QTest::newRow("attached and grouped") << QStringList{"-t25", "-xu", "99"} << dflt << 25 << 99
                                          << 1LL << true << true << "" << false;
    QTest::newRow("unknown letter silent") << QStringList{"-q", "f.krx"} << dflt << 24 << 4660
                                           << 1LL << true << false << "f.krx" << false;
    QTest::newRow("missing argument silent") << QStringList{"-t"} << dflt << 24 << 4660 << 1LL
                                             << true << false << "" << false;
    QTest::newRow("double dash") << QStringList{"--", "-t"} << dflt << 24 << 4660 << 1LL << true
                                 << false << "-t" << false;
    QTest::newRow("options stop at operand") << QStringList{"f.krx", "-t", "25"} << dflt << 24
                                             << 4660 << 1LL << true << false << "" << true;
}

void TestCommandLine::options()
{
    QFETCH(QStringList, args);
    args.prepend(QStringLiteral("karix"));
    const CommandLine result = CommandLine::parse(args);
    QTEST(result.settings.address, "address");
    QTEST(int(result.settings.tcpPort), "tcp");
    QTEST(int(result.settings.udpPort), "udp");
    QTEST(qlonglong(result.settings.timeout), "timeout");
    QTEST(result.settings.autoConnect, "autoConnect");
    QTEST(result.optionsGiven, "given");
    QTEST(result.fileName, "fileName");
    QTEST(!result.warningText().isEmpty(), "warned");
}

void TestCommandLine::usageNamesTheProgramOnly_data()
{
    QTest::addColumn<QString>("word");
    QTest::newRow("windows path") << "C:\\tools\\KaRiX.exe";
    QTest::newRow("unix path") << "/usr/bin/KaRiX.exe";
    QTest::newRow("bare") << "KaRiX.exe";
}

void TestCommandLine::usageNamesTheProgramOnly()
{
    QFETCH(QString, word);
    QCOMPARE(CommandLine::usage(word),
             QStringLiteral("Usage: KaRiX.exe [-t <TCP port>] [-u <UDP port>] [-h <host address>]"
                            " [-a <on/off>] [-o <timeout>] [fileName]"));
}

KARIX_TEST(TestCommandLine)
#include "tst_commandline.moc"
