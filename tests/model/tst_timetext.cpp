#include "common/testrunner.h"
#include "model/timetext.h"

#include <QTest>

class TestTimeText : public QObject
{
    Q_OBJECT

private slots:
    void roundsTo5_data();
    void roundsTo5();
    void formatsNumbers_data();
    void formatsNumbers();
    void rescaleKeepsTheTime();
};

void TestTimeText::roundsTo5_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("rounded");
    QTest::newRow("multiple kept") << 100.0 << 100.0;
    QTest::newRow("12 down") << 12.0 << 10.0;
    QTest::newRow("13 up") << 13.0 << 15.0;
    QTest::newRow("fraction on a multiple kept") << 10.4 << 10.4;
    QTest::newRow("half way up") << 12.5 << 15.0;
    QTest::newRow("zero") << 0.0 << 0.0;
}

void TestTimeText::roundsTo5()
{
    QFETCH(double, x);
    QFETCH(double, rounded);
    QCOMPARE(TimeText::roundTo5(x), rounded);
}

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

void TestTimeText::rescaleKeepsTheTime()
{
    QCOMPARE(TimeText::formatNumber(TimeText::rescale(1500, 1, 1000)), QStringLiteral("1.5"));
    QCOMPARE(TimeText::formatNumber(TimeText::rescale(100, 1, 1000)), QStringLiteral("0.1"));
    QCOMPARE(TimeText::formatNumber(TimeText::rescale(0.1, 1000, 1)), QStringLiteral("100"));
}

KARIX_TEST(TestTimeText)
#include "tst_timetext.moc"
