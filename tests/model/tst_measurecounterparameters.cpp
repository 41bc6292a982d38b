// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "model/measurecounterparameters.h"

#include <QRandomGenerator>
#include <QTest>

class TestMeasureCounterParameters : public QObject
{
    Q_OBJECT

private slots:
    void readsProperty_data();
    void readsProperty();
    void writesUnitOnlyWhenChosen();
    void randomValuesRoundTrip();
};

void TestMeasureCounterParameters::readsProperty_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("gate");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("fileSave");
    QTest::addColumn<QString>("path");
    QTest::newRow("new block") << "" << 0 << 0 << "" << false << "";
    QTest::newRow("mode 5") << "Mode=5 Unit=usec FileSave=true PATH=log" << 1 << 1 << "usec" << true << "log";
    QTest::newRow("numeric off") << "Mode=14 FileSave=0 PATH=x" << 2 << 3 << "" << false << "x";
    QTest::newRow("numeric on") << "Mode=3 FileSave=1 PATH=x" << 3 << 0 << "" << true << "x";
    QTest::newRow("other value on") << "Mode=3 FileSave=yes PATH=x" << 3 << 0 << "" << true << "x";
    QTest::newRow("path cut at blank") << "Mode=0 FileSave=false PATH=my logs" << 0 << 0 << "" << false
                                       << "my";
}

void TestMeasureCounterParameters::readsProperty()
{
    QFETCH(QString, property);
    QFETCH(int, gate);
    QFETCH(int, source);
    QFETCH(QString, unit);
    QFETCH(bool, fileSave);
    QFETCH(QString, path);
    const auto parameters = MeasureCounterParameters::fromProperty(property);
    QCOMPARE(parameters.gate(), gate);
    QCOMPARE(parameters.source(), source);
    QCOMPARE(parameters.unit(), unit);
    QCOMPARE(parameters.fileSave(), fileSave);
    QCOMPARE(parameters.path(), path);
}

void TestMeasureCounterParameters::writesUnitOnlyWhenChosen()
{
    MeasureCounterParameters parameters;
    parameters.setMode(2, 3);
    parameters.setPath(QStringLiteral("log"));
    QCOMPARE(parameters.toProperty(), QStringLiteral("Mode=14 FileSave=false PATH=log"));
    parameters.setUnit(QStringLiteral("msec"));
    parameters.setFileSave(true);
    QCOMPARE(parameters.toProperty(), QStringLiteral("Mode=14 Unit=msec FileSave=true PATH=log"));
}

void TestMeasureCounterParameters::randomValuesRoundTrip()
{
    QRandomGenerator random(5);
    const QStringList units = {QString(), "sec", "msec", "usec", "nsec"};
    const QStringList paths = {"log", "/tmp/counts", "a/b-c_d", "C:\\data"};
    for (int i = 0; i < 500; ++i) {
        MeasureCounterParameters value;
        value.setMode(random.bounded(4), random.bounded(4));
        value.setUnit(units.at(random.bounded(units.size())));
        value.setFileSave(random.bounded(2) == 1);
        value.setPath(paths.at(random.bounded(paths.size())));
        const QString property = value.toProperty();
        const auto again = MeasureCounterParameters::fromProperty(property);
        QCOMPARE(again, value);
        QCOMPARE(again.toProperty(), property);
    }
}

KARIX_TEST(TestMeasureCounterParameters)
#include "tst_measurecounterparameters.moc"
