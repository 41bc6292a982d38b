// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"

#include "model/connectionvalues.h"
#include "device/networksettingstext.h"

#include <QTest>

// Only parses texts: nothing here sends a packet.
class TestConnectionValues : public QObject
{
    Q_OBJECT

private slots:
    void addressesAreReadAsWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("newAddress");
        QTest::newRow("plain") << "127.0.0.1" << "127.0.0.1" << "127.0.0.1";
        QTest::newRow("zero part") << "127.0.0.0" << "127.0.0.0" << "127.0.0.0";
        QTest::newRow("octal first") << "010.0.0.1" << "" << "";
        QTest::newRow("octal last") << "127.0.0.011" << "" << "";
        QTest::newRow("octal loopback") << "0127.0.0.1" << "" << "";
        QTest::newRow("hex") << "0x7f.0.0.1" << "" << "";
        QTest::newRow("double zero") << "127.00.0.1" << "" << "";
        QTest::newRow("mapped octal") << "::ffff:010.0.0.1" << "" << "";
        QTest::newRow("ipv6 groups") << "2001:0db8::0001" << "2001:db8::1" << "";
    }

    void addressesAreReadAsWritten()
    {
        QFETCH(QString, text);
        QFETCH(QString, address);
        QFETCH(QString, newAddress);
        QCOMPARE(ConnectionValues::address(text), address);
        QCOMPARE(NetworkSettingsText::isValidNewAddress(text), !newAddress.isEmpty());
    }
};

KARIX_TEST(TestConnectionValues)
#include "tst_connectionvalues.moc"
