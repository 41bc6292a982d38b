// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "compiler/designrulecheck.h"
#include "designbuilder.h"
#include "model/blockitem.h"
#include "model/designmodel.h"

#include <QDir>
#include <QTest>
#include <functional>

using DesignSetup = std::function<void(DesignBuilder &)>;
Q_DECLARE_METATYPE(DesignSetup)

class TestDesignRuleCheck : public QObject
{
    Q_OBJECT

private slots:
    void reportsDesign_data();
    void reportsDesign();
};

void TestDesignRuleCheck::reportsDesign_data()
{
    QTest::addColumn<DesignSetup>("setup");
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("result");
    const QString missing = QStringLiteral("/nonexistent/karix-logs");

    QTest::newRow("empty design") << DesignSetup([](DesignBuilder &) {}) << "No error detected." << 0;
    QTest::newRow("clean path") << DesignSetup([](DesignBuilder &d) {
        BlockItem *logic = d.preLogic("_A", {d.input("NIM-IN-S0")});
        d.nimOutput(0, d.postLogic("_A", {d.delay("Delay=5ns", logic)}));
    }) << "No error detected." << 0;
    QTest::newRow("errors before warnings") << DesignSetup([](DesignBuilder &d) {
        d.preLogic("_A and _B", {d.input("NIM-IN-S0")});
    }) << "error: PreLgc0: _B is not connected.\nwarning: PreLgc0: Outport is not connected.\n"
       << 1;
    QTest::newRow("connected but unused letter") << DesignSetup([](DesignBuilder &d) {
        d.passThrough(d.preLogic("_A", {d.input("NIM-IN-S0"), nullptr, d.input("NIM-IN-S2")}));
    }) << "warning: PreLgc0: _C is connected, but not used.\n"
          "warning: NonFnc0: Outport is not connected.\n"
       << -1;
    QTest::newRow("unconfigured logic") << DesignSetup([](DesignBuilder &d) {
        d.postLogic("", {d.input("NIM-IN-S0")});
    }) << "error: PstLgc0 is unconfigured.\nwarning: PstLgc0: Outport is not connected.\n" << 1;
    QTest::newRow("display name trimmed") << DesignSetup([](DesignBuilder &d) {
        d.preLogic("")->setUserName(QStringLiteral("  gate "));
    }) << "error: gate is unconfigured.\nwarning: gate: Outport is not connected.\n" << 1;
    QTest::newRow("oscillator without input") << DesignSetup([](DesignBuilder &d) {
        d.nimOutput(0, d.postLogic("_A", {d.counter("Mode=9")}));
    }) << "No error detected." << 0;
    QTest::newRow("oscillator with input") << DesignSetup([](DesignBuilder &d) {
        d.nimOutput(0, d.postLogic("_A", {d.counter("Mode=9", d.preLogic("true"))}));
    }) << "warning: CntFnc0: InputPort is connected, but not used.\n" << -1;
    QTest::newRow("function without input") << DesignSetup([](DesignBuilder &d) {
        d.counter("Mode=2");
    }) << "error: CntFnc0: InputPort is not connected.\n"
          "warning: CntFnc0: Outport is not connected.\n"
       << 1;
    QTest::newRow("measure counter needs gate and source") << DesignSetup([](DesignBuilder &d) {
        d.measureCounter(0, "Mode=5 FileSave=0 PATH=/nonexistent", nullptr, nullptr);
    }) << "error: MsrCnt0: GATE is not connected.\nerror: MsrCnt0: SRC is not connected.\n" << 2;
    QTest::newRow("measure counter inputs unused") << DesignSetup([](DesignBuilder &d) {
        d.measureCounter(1, "Mode=0 FileSave=false PATH=/nonexistent", d.postLogic("true"),
                         d.postLogic("false"));
    }) << "warning: MsrCnt1: GATE is connected, but not used.\n"
          "warning: MsrCnt1: SRC is connected, but not used.\n"
       << -1;
    QTest::newRow("missing log directory") << DesignSetup([missing](DesignBuilder &d) {
        d.measureCounter(0, "Mode=0 FileSave=1 PATH=" + missing, nullptr, nullptr);
    }) << "error: MsrCnt0: Save path does not exist.\n" << 1;
    QTest::newRow("logging on when FileSave is empty") << DesignSetup([missing](DesignBuilder &d) {
        d.measureCounter(0, "Mode=0 PATH=" + missing, nullptr, nullptr);
    }) << "error: MsrCnt0: Save path does not exist.\n" << 1;
    QTest::newRow("existing log directory") << DesignSetup([](DesignBuilder &d) {
        d.measureCounter(0, "Mode=0 FileSave=true PATH=" + QDir::tempPath(), nullptr, nullptr);
    }) << "No error detected." << 0;
    QTest::newRow("outputs by term, feedback by name") << DesignSetup([](DesignBuilder &d) {
        d.nimOutput(2, nullptr)->setUserName(QStringLiteral("trigger"));
        d.feedback("FeedBack0", nullptr)->setUserName(QStringLiteral("loop"));
    }) << "error: NIM-OUT2: InputPort is not connected.\nerror: loop: InputPort is not connected.\n"
       << 2;
    QTest::newRow("unused reference label") << DesignSetup([](DesignBuilder &d) {
        d.nimOutput(0, d.postLogic("_A", {d.labelRef("Label0")}));
        d.labelRef("Label1");
    }) << "warning: Label1: Outport is not connected.\n" << -1;
    QTest::newRow("duplicate names") << DesignSetup([](DesignBuilder &d) {
        BlockItem *first = d.preLogic("_A", {d.input("NIM-IN-S0")});
        d.preLogic("_A", {d.input("NIM-IN-S1")})->setName(first->name());
        d.nimOutput(0, d.postLogic("_A and _B", {first, d.labelRef("Label0")}));
        d.labelRef("Label0");
    }) << "error: PreLgc0: the name is given to 2 blocks.\n"
          "warning: PreLgc0: Outport is not connected.\n"
          "warning: Label0: Outport is not connected.\n"
       << 1;
}

void TestDesignRuleCheck::reportsDesign()
{
    QFETCH(DesignSetup, setup);
    QFETCH(QString, report);
    QFETCH(int, result);
    DesignModel model;
    DesignBuilder builder(model);
    setup(builder);
    QString text = QStringLiteral("previous report");
    QCOMPARE(DesignRuleCheck::checkDesign(model, text), result);
    QCOMPARE(text, report);
}

KARIX_TEST(TestDesignRuleCheck)
#include "tst_designrulecheck.moc"
