// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "model/timetext.h"

#include <QTest>

class TestTimeText : public QObject
{
    Q_OBJECT

private slots:
    void formatsNumbers_data();
    void formatsNumbers();
};



void TestTimeText::formatsNumbers_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 100.0 << "100";
    QTest::newRow("fraction") << 1.5 << "1.5";
    QTest::newRow("small fraction") << 0.1 << "0.1";
    QTest::newRow("largest count") << 21.474836475 << "21.474836475";
    QTest::newRow("ten places") << 40.48 << "40.48";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative") << -1.0 << "0";
    QTest::newRow("below 1e-14") << 1e-15 << "0";
    QTest::newRow("huge in general notation") << 1e16 << "1e+16";
    QTest::newRow("whole with zeros") << 40480.0 << "40480";
}

void TestTimeText::formatsNumbers()
{
    QFETCH(double, x);
    QFETCH(QString, text);
    QCOMPARE(TimeText::formatNumber(x), text);
}


KARIX_TEST(TestTimeText)
#include "tst_timetext.moc"
