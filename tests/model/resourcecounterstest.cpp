// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"

#include "model/resourcecounters.h"

#include <QSignalSpy>
#include <QTest>

class ResourceCountersTest : public QObject
{
    Q_OBJECT

private slots:
    void freshCaptions_data();
    void freshCaptions();
    void functionTakesUnit_data();
    void functionTakesUnit();
    void exhaustedUnitsBlockEveryFunction();
    void exhaustedKindGivesUnitBack();
    void boundsAndUnknownKinds();
    void uncountedKindsHaveNoLimit();
    void resetAndSignals();
    void kindOfTerm_data();
    void kindOfTerm();
};

void ResourceCountersTest::freshCaptions_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    const QList<QPair<QString, QString>> rows = {
        {"Input", "Input"},          {"PreLogic", "PreLogic"},       {"PreLogicInfo", "(8/8)"},
        {"CntFnc", "CntFnc(8/8)"},   {"DlyFnc", "DlyFnc(8/8)"},      {"NonFnc", "NonFnc(6/6)"},
        {"PostLogic", "PostLogic"},  {"PostLogicInfo", "(11/11)"},   {"MsrCnt", "MsrCnt(4/4)"},
        {"NIM-OUT", "NIM-OUT(8/8)"}, {"FeedBack", "FeedBack(8/8)"}, {"FeedBackInfo", "(8/8)"},
        {"Label", "Label"},
    };
    for (const auto &[kind, caption] : rows)
        QTest::newRow(qPrintable(kind)) << kind << caption;
}

void ResourceCountersTest::freshCaptions()
{
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    ResourceCounters counters;
    QCOMPARE(counters.caption(kind), caption);
    QCOMPARE(counters.free(kind), counters.total(kind));
    QVERIFY(counters.kinds().contains(kind));
}

void ResourceCountersTest::functionTakesUnit_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("counter") << "CntFnc";
    QTest::newRow("delay") << "DlyFnc";
    QTest::newRow("pass through") << "NonFnc";
}

void ResourceCountersTest::functionTakesUnit()
{
    QFETCH(QString, kind);
    ResourceCounters counters;
    const int total = counters.total(kind);
    QVERIFY(counters.useResource(-1, kind));
    QCOMPARE(counters.free(kind), total - 1);
    QCOMPARE(counters.caption("PostLogicInfo"), QString("(10/11)"));
    QVERIFY(counters.useResource(1, kind));
    QCOMPARE(counters.free("PostLogicInfo"), 11);
    QCOMPARE(counters.free(kind), total);
}

void ResourceCountersTest::exhaustedUnitsBlockEveryFunction()
{
    ResourceCounters counters;
    for (int i = 0; i < 8; ++i)
        QVERIFY(counters.useResource(-1, "CntFnc"));
    for (int i = 0; i < 3; ++i)
        QVERIFY(counters.useResource(-1, "DlyFnc"));
    QVERIFY(counters.isExhausted("PostLogicInfo"));
    for (const char *kind : {"CntFnc", "DlyFnc", "NonFnc"})
        QVERIFY(!counters.useResource(-1, kind));
    QCOMPARE(counters.free("DlyFnc"), 5);
    QCOMPARE(counters.free("NonFnc"), 6);
}

void ResourceCountersTest::exhaustedKindGivesUnitBack()
{
    ResourceCounters counters;
    for (int i = 0; i < 6; ++i)
        QVERIFY(counters.useResource(-1, "NonFnc"));
    QVERIFY(counters.isExhausted("NonFnc"));
    QCOMPARE(counters.caption("NonFnc"), QString("NonFnc(0/6)"));
    QVERIFY(!counters.useResource(-1, "NonFnc"));
    QCOMPARE(counters.free("PostLogicInfo"), 5);
}

void ResourceCountersTest::boundsAndUnknownKinds()
{
    ResourceCounters counters;
    QSignalSpy spy(&counters, &ResourceCounters::changed);
    QVERIFY(!counters.useResource(1, "MsrCnt"));
    QVERIFY(!counters.useResource(1, "CntFnc"));
    QCOMPARE(counters.free("PostLogicInfo"), 11);
    QVERIFY(!counters.useResource(-1, "Bogus"));
    QVERIFY(!counters.useResource(-5, "MsrCnt"));
    QCOMPARE(counters.free("MsrCnt"), 4);
    QCOMPARE(spy.size(), 0);
    QVERIFY(!counters.isCounted("Bogus"));
}

void ResourceCountersTest::uncountedKindsHaveNoLimit()
{
    ResourceCounters counters;
    for (const char *kind : {"Input", "PreLogic", "PostLogic", "Label"}) {
        QVERIFY(counters.useResource(-1, kind));
        QVERIFY(counters.useResource(1, kind));
        QVERIFY(counters.useResource(1, kind));
        QCOMPARE(counters.free(kind), 0);
        QVERIFY(!counters.isExhausted(kind));
    }
}

void ResourceCountersTest::resetAndSignals()
{
    ResourceCounters counters;
    QSignalSpy spy(&counters, &ResourceCounters::changed);
    counters.useResource(-1, "DlyFnc");
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).toString(), QString("PostLogicInfo"));
    QCOMPARE(spy.at(1).at(0).toString(), QString("DlyFnc"));
    counters.useResource(-1, "FeedBackInfo");
    spy.clear();
    counters.reset();
    QCOMPARE(spy.size(), 3);
    for (const QString &kind : counters.kinds())
        QCOMPARE(counters.free(kind), counters.total(kind));
}

void ResourceCountersTest::kindOfTerm_data()
{
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("kind");
    QTest::newRow("counter") << "CntFnc" << "CntFnc";
    QTest::newRow("pass") << "NonFnc" << "NonFnc";
    QTest::newRow("output") << "NIM-OUT3" << "NIM-OUT";
    QTest::newRow("measure") << "MsrCnt0" << "MsrCnt";
    QTest::newRow("feedback") << "FeedBack" << "FeedBack";
    QTest::newRow("feedback reference") << "FeedBack3" << "";
    QTest::newRow("logic") << "PreLogic" << "";
    QTest::newRow("label") << "Label" << "";
}

void ResourceCountersTest::kindOfTerm()
{
    QFETCH(QString, term);
    QFETCH(QString, kind);
    QCOMPARE(ResourceCounters::kindOfTerm(term), kind);
}

KARIX_TEST(ResourceCountersTest)
#include "resourcecounterstest.moc"
