// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "wirerulesfixture.h"

#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/prelogic.h"
#include "model/resourcecounters.h"
#include "model/wirerules.h"

#include <QTest>

namespace {

// Positions as the canvas places blocks: column x, row pitch × id + offset.
struct Placing
{
    int x;
    int pitch;
    int offset;
};

const QHash<QString, Placing> placings = {
    {"Input", {0, 40, 104}},      {"PreLogic", {142, 68, 90}},  {"FeedBack1", {142, 68, 106}},
    {"PreLabel1", {142, 68, 106}}, {"CntFnc", {284, 40, 104}},  {"DlyFnc", {284, 40, 104}},
    {"NonFnc", {284, 40, 116}},    {"PreLabel", {284, 40, 106}}, {"Label1", {284, 40, 106}},
    {"PostLogic", {425, 68, 90}},  {"Label", {425, 68, 106}},    {"NIM-OUT", {567, 40, 104}},
    {"MsrCnt", {567, 40, 106}},
};

} // namespace

class WireRulesTest : public WireRulesFixture
{
    Q_OBJECT

private slots:
    void inputIntoPreLogic_data();
    void inputIntoPreLogic();
    void functionColumn_data();
    void functionColumn();
    void feedbackIntoPassThroughIsRefusedWithWarning();
    void replacingFunctionSourceMovesUnits_data();
    void replacingFunctionSourceMovesUnits();
    void exhaustedConnectionUnitRefuses();
    void intoPostLogicColumn();
    void intoOutputColumn_data();
    void intoOutputColumn();
    void deleteWireGivesBack();
    void deleteWireIgnoresForeignLine();
    void deleteOneOfTwoWiresFromOneSource();
    void deleteBlockGivesBack();
    void connectionUnit_data();
    void connectionUnit();
    void deleteFeedbackWireIntoPassThroughKeepsLines();

private:
    BlockItem *place(const QString &term, int row, const QString &name, int sheet = 0);
};

BlockItem *WireRulesTest::place(const QString &term, int row, const QString &name, int sheet)
{
    BlockItem *block = m_model->createBlock(term, row, sheet, name, m_counters);
    const QString key = term.startsWith("NIM-OUT") ? "NIM-OUT" : term.startsWith("MsrCnt") ? "MsrCnt" : term;
    const Placing placing = placings.value(key);
    block->setPosition({placing.x, placing.pitch * row + placing.offset});
    return block;
}

void WireRulesTest::inputIntoPreLogic_data()
{
    QTest::addColumn<QPoint>("drop");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<bool>("connected");

    // The pre-logic block in row 1 starts at y 158; drops count up to y + 67.
    QTest::newRow("top edge excluded") << QPoint(200, 158) << 0 << false;
    QTest::newRow("just inside") << QPoint(200, 159) << 0 << true;
    QTest::newRow("last y") << QPoint(142, 225) << 0 << true;
    QTest::newRow("top of next block") << QPoint(283, 226) << 0 << false;
    QTest::newRow("inside next block") << QPoint(283, 227) << 0 << true;
    QTest::newRow("other sheet") << QPoint(200, 180) << 1 << false;
    QTest::newRow("input column") << QPoint(141, 180) << 0 << false;
}

void WireRulesTest::inputIntoPreLogic()
{
    QFETCH(QPoint, drop);
    QFETCH(int, sheet);
    QFETCH(bool, connected);
    BlockItem *input = place("Input", 0, "NIM-IN-S0");
    place("PreLogic", 1, "PreLgc0");
    place("PreLogic", 2, "PreLgc1");
    const WireRules::DropResult result = m_rules->dropWire(input->name(), sheet, drop);
    QCOMPARE(result.connected(), connected);
    QVERIFY(result.warning.isEmpty());
    if (connected) {
        QCOMPARE(result.port, 0);
        QCOMPARE(result.destination->source(0), input);
        QCOMPARE(m_rules->dropWire(input->name(), sheet, drop).connected(), false);
    }
}

void WireRulesTest::functionColumn_data()
{
    QTest::addColumn<QString>("sourceTerm");
    QTest::addColumn<QString>("sourceName");
    QTest::addColumn<QString>("destinationTerm");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<int>("preLogicInfo");
    QTest::addColumn<int>("feedBackInfo");

    QTest::newRow("logic into counter") << "PreLogic" << "PreLgc0" << "CntFnc" << true << 7 << 8;
    QTest::newRow("logic into delay") << "PreLogic" << "PreLgc0" << "DlyFnc" << true << 7 << 8;
    QTest::newRow("feedback into delay") << "FeedBack1" << "FeedBack1" << "DlyFnc" << true << 8 << 7;
    QTest::newRow("label into counter") << "PreLabel1" << "Label1" << "CntFnc" << true << 7 << 8;
    QTest::newRow("logic into pass") << "PreLogic" << "PreLgc0" << "NonFnc" << true << 8 << 8;
    QTest::newRow("logic into pre label") << "PreLogic" << "PreLgc0" << "PreLabel" << true << 8 << 8;
    QTest::newRow("label into pre label") << "PreLabel1" << "Label1" << "PreLabel" << false << 8 << 8;
    QTest::newRow("logic into function label") << "PreLogic" << "PreLgc0" << "Label1" << false << 8 << 8;
}

void WireRulesTest::functionColumn()
{
    QFETCH(QString, sourceTerm);
    QFETCH(QString, sourceName);
    QFETCH(QString, destinationTerm);
    QFETCH(bool, connected);
    QFETCH(int, preLogicInfo);
    QFETCH(int, feedBackInfo);

    BlockItem *source = place(sourceTerm, 0, sourceName);
    const QString destinationName = destinationTerm.contains("Label") ? "Label1"
                                    : destinationTerm == "NonFnc"      ? ""
                                                                       : destinationTerm + "0";
    BlockItem *destination = place(destinationTerm, 2, destinationName);
    const int y = destination->position().y();
    const WireRules::DropResult result = m_rules->dropWire(sourceName, 0, {300, y + 29});
    QCOMPARE(result.connected(), connected);
    QCOMPARE(destination->source(0), connected ? source : nullptr);
    QCOMPARE(m_counters->free("PreLogicInfo"), preLogicInfo);
    QCOMPARE(m_counters->free("FeedBackInfo"), feedBackInfo);
    QVERIFY(!m_rules->dropWire(sourceName, 0, {300, y + 30}).connected());
}

void WireRulesTest::feedbackIntoPassThroughIsRefusedWithWarning()
{
    place("FeedBack1", 0, "FeedBack1");
    BlockItem *pass = place("NonFnc", 0, QString());
    const WireRules::DropResult result = m_rules->dropWire("FeedBack1", 0, {300, 116});
    QVERIFY(!result.connected());
    QCOMPARE(result.warning,
             QString("Cannot connect FeedBack and NonFnc. Please use DlyFnc with delay value 0."));
    QVERIFY(pass->inputs().isEmpty());
    QCOMPARE(m_counters->free("FeedBackInfo"), 8);
}

void WireRulesTest::replacingFunctionSourceMovesUnits_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("preLogicInfo");
    QTest::addColumn<int>("feedBackInfo");

    QTest::newRow("logic then logic") << "PreLgc0" << "PreLgc1" << 7 << 8;
    QTest::newRow("logic then feedback") << "PreLgc0" << "FeedBack1" << 8 << 7;
    QTest::newRow("feedback then logic") << "FeedBack1" << "PreLgc0" << 7 << 8;
    QTest::newRow("feedback then feedback") << "FeedBack1" << "FeedBack2" << 8 << 7;
}

void WireRulesTest::replacingFunctionSourceMovesUnits()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, preLogicInfo);
    QFETCH(int, feedBackInfo);

    QHash<QString, BlockItem *> sources = {
        {"PreLgc0", place("PreLogic", 0, "PreLgc0")},
        {"PreLgc1", place("PreLogic", 1, "PreLgc1")},
        {"FeedBack1", place("FeedBack1", 2, "FeedBack1")},
        {"FeedBack2", place("FeedBack1", 3, "FeedBack2")},
    };
    BlockItem *counter = place("CntFnc", 0, "CntFnc0");
    QVERIFY(m_rules->dropWire(first, 0, {300, 110}).connected());
    QVERIFY(m_rules->dropWire(second, 0, {300, 110}).connected());
    QCOMPARE(counter->source(0), sources.value(second));
    QVERIFY(sources.value(first)->fanout().isEmpty());
    QCOMPARE(m_counters->free("PreLogicInfo"), preLogicInfo);
    QCOMPARE(m_counters->free("FeedBackInfo"), feedBackInfo);
}

void WireRulesTest::exhaustedConnectionUnitRefuses()
{
    place("PreLogic", 0, "PreLgc0");
    BlockItem *counter = place("CntFnc", 0, "CntFnc0");
    for (int i = 0; i < 8; ++i)
        m_counters->useResource(-1, "PreLogicInfo");
    QVERIFY(!m_rules->dropWire("PreLgc0", 0, {300, 104}).connected());
    QVERIFY(counter->inputs().isEmpty());
}

void WireRulesTest::intoPostLogicColumn()
{
    BlockItem *counter = place("CntFnc", 0, "CntFnc0");
    BlockItem *delay = place("DlyFnc", 1, "DlyFnc0");
    BlockItem *post = place("PostLogic", 0, "PstLgc0");
    BlockItem *label = place("Label", 1, "Label0");
    QCOMPARE(m_rules->dropWire("CntFnc0", 0, {430, 100}).port, 0);
    QCOMPARE(m_rules->dropWire("DlyFnc0", 0, {430, 148}).port, 1);
    QVERIFY(!m_rules->dropWire("DlyFnc0", 0, {430, 148}).connected());
    QCOMPARE(post->inputs().values(), (QList<BlockItem *>{counter, delay}));
    QCOMPARE(m_rules->dropWire("CntFnc0", 0, {480, 174}).destination, label);
    QCOMPARE(label->source(0), counter);
    // Between the blocks and beside the column nothing is hit.
    QVERIFY(!m_rules->dropWire("CntFnc0", 0, {430, 160}).connected());
    QVERIFY(!m_rules->dropWire("CntFnc0", 0, {422, 100}).connected());
}

void WireRulesTest::intoOutputColumn_data()
{
    QTest::addColumn<QString>("term");
    QTest::addColumn<int>("dropY");
    QTest::addColumn<int>("port");

    // Row 1: output at y 144, measure counter at y 146 (28 high).
    QTest::newRow("output") << "NIM-OUT" << 183 << 0;
    QTest::newRow("output top excluded") << "NIM-OUT" << 144 << -1;
    QTest::newRow("gate") << "MsrCnt" << 159 << 0;
    QTest::newRow("source") << "MsrCnt" << 160 << 1;
    QTest::newRow("feedback") << "FeedBack" << 150 << 0;
}

void WireRulesTest::intoOutputColumn()
{
    QFETCH(QString, term);
    QFETCH(int, dropY);
    QFETCH(int, port);
    BlockItem *post = place("PostLogic", 0, "PstLgc0");
    BlockItem *output = term == "FeedBack" ? place("FeedBack", 1, "FeedBack0") : place(term, 1, QString());
    if (term == "FeedBack")
        output->setPosition({567, 144});
    const WireRules::DropResult result = m_rules->dropWire("PstLgc0", 0, {600, dropY});
    QCOMPARE(result.port, port);
    QCOMPARE(output->source(port), port < 0 ? nullptr : post);
}

void WireRulesTest::deleteWireGivesBack()
{
    BlockItem *feedback = place("FeedBack1", 0, "FeedBack1");
    BlockItem *logic = place("PreLogic", 1, "PreLgc0");
    BlockItem *input = place("Input", 0, "NIM-IN-S0");
    BlockItem *delay = place("DlyFnc", 0, "DlyFnc0");
    BlockItem *counter = place("CntFnc", 1, "CntFnc0");
    QVERIFY(m_rules->dropWire("FeedBack1", 0, {300, 104}).connected());
    QVERIFY(m_rules->dropWire("PreLgc0", 0, {300, 144}).connected());
    QVERIFY(m_rules->dropWire("NIM-IN-S0", 0, {200, 200}).connected());

    QVERIFY(m_rules->deleteWire(delay, delay->wires().first()));
    QVERIFY(m_rules->deleteWire(counter, counter->wires().first()));
    QVERIFY(m_rules->deleteWire(logic, logic->wires().first()));
    QCOMPARE(m_counters->free("FeedBackInfo"), 8);
    QCOMPARE(m_counters->free("PreLogicInfo"), 8);
    for (BlockItem *block : {feedback, logic, input, delay, counter}) {
        QVERIFY(block->inputs().isEmpty());
        QVERIFY(block->fanout().isEmpty());
    }
}

void WireRulesTest::deleteWireIgnoresForeignLine()
{
    place("PreLogic", 0, "PreLgc0");
    BlockItem *counter = place("CntFnc", 0, "CntFnc0");
    QVERIFY(m_rules->dropWire("PreLgc0", 0, {300, 104}).connected());
    const QLine wire = counter->wires().first();
    QVERIFY(!m_rules->deleteWire(counter, QLine(wire.p1(), wire.p2() + QPoint(0, 1))));
    QCOMPARE(counter->inputs().size(), 1);
    QCOMPARE(m_counters->free("PreLogicInfo"), 7);
}

void WireRulesTest::deleteOneOfTwoWiresFromOneSource()
{
    BlockItem *post = place("PostLogic", 0, "PstLgc0");
    BlockItem *counter = place("MsrCnt", 0, QString());
    QCOMPARE(m_rules->dropWire("PstLgc0", 0, {600, 107}).port, 0);
    QCOMPARE(m_rules->dropWire("PstLgc0", 0, {600, 130}).port, 1);
    QCOMPARE(post->fanout().count(counter), 2);
    QVERIFY(m_rules->deleteWire(counter, counter->wires().last()));
    QCOMPARE(counter->inputs().keys(), QList<int>{0});
    QCOMPARE(post->fanout().count(counter), 1);
}

void WireRulesTest::deleteBlockGivesBack()
{
    place("PreLogic", 0, "PreLgc0");
    place("FeedBack1", 1, "FeedBack1");
    BlockItem *delay = place("DlyFnc", 0, "DlyFnc0");
    BlockItem *counter = place("CntFnc", 2, "CntFnc0");
    place("PostLogic", 0, "PstLgc0");
    BlockItem *output = place("NIM-OUT", 0, QString());
    QVERIFY(m_rules->dropWire("PreLgc0", 0, {300, 104}).connected());
    QVERIFY(m_rules->dropWire("FeedBack1", 0, {300, 184}).connected());
    QVERIFY(m_rules->dropWire("DlyFnc0", 0, {430, 100}).connected());
    QVERIFY(m_rules->dropWire("PstLgc0", 0, {600, 110}).connected());
    QCOMPARE(m_counters->free("PostLogicInfo"), 9);

    m_rules->deleteBlock(delay);
    QCOMPARE(m_counters->free("PreLogicInfo"), 8);
    QCOMPARE(m_counters->free("DlyFnc"), 8);
    QCOMPARE(m_counters->free("PostLogicInfo"), 10);
    m_rules->deleteBlock(m_model->findBlock("FeedBack1"));
    QCOMPARE(m_counters->free("FeedBackInfo"), 8);
    QCOMPARE(counter->source(0), nullptr);
    m_rules->deleteBlock(output);
    QCOMPARE(m_counters->free("NIM-OUT"), 8);
    QCOMPARE(m_model->allBlocks().size(), 3);
}

void WireRulesTest::connectionUnit_data()
{
    QTest::addColumn<QString>("sourceTerm");
    QTest::addColumn<QString>("sourceName");
    QTest::addColumn<QString>("destinationTerm");
    QTest::addColumn<QString>("unit");

    QTest::newRow("logic into counter") << "PreLogic" << "PreLgc0" << "CntFnc" << "PreLogicInfo";
    QTest::newRow("label into delay") << "PreLabel1" << "Label1" << "DlyFnc" << "PreLogicInfo";
    QTest::newRow("feedback into delay") << "FeedBack1" << "FeedBack1" << "DlyFnc" << "FeedBackInfo";
    QTest::newRow("feedback into pass") << "FeedBack1" << "FeedBack1" << "NonFnc" << "";
    QTest::newRow("logic into pass") << "PreLogic" << "PreLgc0" << "NonFnc" << "";
    QTest::newRow("logic into pre label") << "PreLogic" << "PreLgc0" << "PreLabel" << "";
    QTest::newRow("post logic into output") << "PostLogic" << "PstLgc0" << "NIM-OUT" << "";
    QTest::newRow("label into output") << "Label" << "Label0" << "NIM-OUT" << "";
}

void WireRulesTest::connectionUnit()
{
    QFETCH(QString, sourceTerm);
    QFETCH(QString, sourceName);
    QFETCH(QString, destinationTerm);
    QFETCH(QString, unit);
    const BlockItem *source = place(sourceTerm, 0, sourceName);
    const BlockItem *destination = place(destinationTerm, 0, destinationTerm == "PreLabel" ? "Label1" : "");
    QCOMPARE(WireRules::connectionUnit(source, destination), unit);
}

void WireRulesTest::deleteFeedbackWireIntoPassThroughKeepsLines()
{
    // A document may join a feedback to a pass-through; that wire holds no line.
    BlockItem *feedback = place("FeedBack1", 0, "FeedBack1");
    BlockItem *pass = place("NonFnc", 0, QString());
    BlockItem *delay = place("DlyFnc", 2, "DlyFnc0");
    pass->connectSource(0, feedback);
    QVERIFY(m_rules->dropWire("FeedBack1", 0, {300, 190}).connected());
    QCOMPARE(m_counters->free("FeedBackInfo"), 7);
    QVERIFY(m_rules->deleteWire(pass, pass->wires().first()));
    QCOMPARE(m_counters->free("FeedBackInfo"), 7);
    pass->connectSource(0, feedback);
    m_rules->deleteBlock(pass);
    QCOMPARE(m_counters->free("FeedBackInfo"), 7);
    QCOMPARE(delay->source(0), feedback);
}

KARIX_TEST(WireRulesTest)
#include "wirerulestest.moc"
