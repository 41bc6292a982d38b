#include "common/testrunner.h"
#include "wirerulesfixture.h"

#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/placement.h"
#include "model/postlogic.h"
#include "model/prelogic.h"
#include "model/resourcecounters.h"
#include "model/wirerules.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

namespace {

bool isCountedFunction(const BlockItem *block)
{
    return block->term() == "CntFnc" || block->term() == "DlyFnc";
}

} // namespace

// Random sequences of the edits the canvas makes (placing, wiring, deleting
// wires and blocks), checking after every step that the model's lists,
// connections and resource counts still agree.
class RandomEditTest : public WireRulesFixture
{
    Q_OBJECT

private slots:
    void editsKeepModelConsistent_data();
    void editsKeepModelConsistent();

private:
    void step();
    void createBlock();
    void dropWire();
    void connectDirectly();
    void deleteWire();
    void halfDeleteWire();
    void deleteBlock();
    BlockItem *anyBlock();
    BlockItem *blockLeftOf(const BlockItem *destination);

    void verifyLists() const;
    void verifyConnections() const;
    void verifyCounters() const;

    QRandomGenerator m_random;
};

void RandomEditTest::editsKeepModelConsistent_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 7u, 42u, 2024u, 65537u, 99991u})
        QTest::addRow("seed %u", seed) << seed;
}

void RandomEditTest::editsKeepModelConsistent()
{
    QFETCH(quint32, seed);
    m_random.seed(seed);
    constexpr int steps = 400;
    for (int i = 0; i < steps; ++i) {
        step();
        verifyLists();
        verifyConnections();
        verifyCounters();
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QString("after step %1").arg(i)));
    }
}

void RandomEditTest::step()
{
    const int choice = m_random.bounded(100);
    if (choice < 30)
        createBlock();
    else if (choice < 55)
        dropWire();
    else if (choice < 65)
        connectDirectly();
    else if (choice < 75)
        deleteWire();
    else if (choice < 82)
        halfDeleteWire();
    else if (choice < 99)
        deleteBlock();
    else {
        m_model->clearDesign();
        m_counters->reset();
    }
}

void RandomEditTest::createBlock()
{
    static const QStringList terms = {"Input", "PreLogic", "PostLogic", "CntFnc", "DlyFnc",
                                      "NonFnc", "FeedBack", "Label", "PreLabel", "NIM-OUT",
                                      "MsrCnt", "FeedBack%1", "PreLabel%1", "Label%1"};
    static const QHash<QString, QString> prefixes = {
        {"PreLogic", "PreLgc"}, {"PostLogic", "PstLgc"}, {"CntFnc", "CntFnc"},
        {"DlyFnc", "DlyFnc"},   {"FeedBack", "FeedBack"}, {"Label", "Label"},
        {"PreLabel", "Label"},
    };
    QString term = terms.at(m_random.bounded(terms.size()));
    QString name;
    if (term.contains("%1")) {
        term = term.arg(m_random.bounded(4));
        name = term.startsWith("Pre") ? term.mid(3) : term;
    } else if (prefixes.contains(term)) {
        name = m_model->nextFreeName(prefixes.value(term));
    }
    const int row = m_random.bounded(6);
    BlockItem *block = m_model->createBlock(term, row, m_random.bounded(2), name, m_counters);
    if (block)
        block->setPosition(Placement::forTerm(block->term()).position(row));
}

void RandomEditTest::dropWire()
{
    BlockItem *destination = anyBlock();
    BlockItem *source = destination ? blockLeftOf(destination) : nullptr;
    if (!source)
        return;
    const QPoint drop = destination->position()
                        + QPoint(5, m_random.bounded(destination->size().height() + 1));
    m_rules->dropWire(source->name(), destination->sheet(), drop);
}

void RandomEditTest::connectDirectly()
{
    // As a document or paste would; counter and delay inputs are left to the
    // drop rules, which hold their lines.
    BlockItem *destination = anyBlock();
    if (!destination || isCountedFunction(destination))
        return;
    BlockItem *source = m_random.bounded(2) ? anyBlock() : blockLeftOf(destination);
    if (source)
        destination->connectSource(m_random.bounded(-1, 12), source);
}

void RandomEditTest::deleteWire()
{
    BlockItem *destination = anyBlock();
    if (!destination || destination->wires().isEmpty())
        return;
    const QList<QLine> wires = destination->wires();
    QVERIFY(m_rules->deleteWire(destination, wires.at(m_random.bounded(wires.size()))));
}

void RandomEditTest::halfDeleteWire()
{
    BlockItem *destination = anyBlock();
    if (!destination || destination->inputs().isEmpty() || isCountedFunction(destination))
        return;
    const QList<int> ports = destination->inputs().keys();
    const int port = ports.at(m_random.bounded(ports.size()));
    if (m_random.bounded(2))
        destination->eraseInput(port);
    else
        destination->disconnectAt(destination->wires().at(ports.indexOf(port)).p2());
}

void RandomEditTest::deleteBlock()
{
    if (BlockItem *block = anyBlock())
        m_rules->deleteBlock(block);
}

BlockItem *RandomEditTest::blockLeftOf(const BlockItem *destination)
{
    // Wires run from one column into the next one on the same sheet.
    const int column = WireRules::dropColumn(destination->position().x()) - 1;
    QList<BlockItem *> candidates = m_model->allBlocks();
    candidates.removeIf([&](const BlockItem *block) {
        return block->sheet() != destination->sheet()
               || WireRules::dropColumn(block->position().x()) != column;
    });
    return candidates.isEmpty() ? nullptr : candidates.at(m_random.bounded(candidates.size()));
}

BlockItem *RandomEditTest::anyBlock()
{
    const QList<BlockItem *> blocks = m_model->allBlocks();
    return blocks.isEmpty() ? nullptr : blocks.at(m_random.bounded(blocks.size()));
}

void RandomEditTest::verifyLists() const
{
    const QList<BlockItem *> all = m_model->allBlocks();
    for (BlockItem *block : all)
        QCOMPARE(all.count(block), 1);
    for (BlockItem *block : m_model->preLogics())
        QCOMPARE(block->term(), QString("PreLogic"));
    for (BlockItem *block : m_model->postLogics())
        QCOMPARE(block->term(), QString("PostLogic"));
    for (BlockItem *block : m_model->inputBlocks())
        QCOMPARE(block->term(), QString("Input"));
    for (BlockItem *block : m_model->functionBlocks())
        QVERIFY(isCountedFunction(block) || block->term() == "NonFnc");
}

void RandomEditTest::verifyConnections() const
{
    const QList<BlockItem *> all = m_model->allBlocks();
    for (BlockItem *block : all) {
        const QList<BlockItem *> sources = block->inputs().values();
        for (BlockItem *source : sources) {
            QVERIFY(all.contains(source));
            QCOMPARE(source->fanout().count(block), sources.count(source));
        }
        for (BlockItem *destination : block->fanout()) {
            QVERIFY(all.contains(destination));
            QVERIFY(destination->inputs().values().contains(block));
        }
    }
}

void RandomEditTest::verifyCounters() const
{
    const QList<BlockItem *> all = m_model->allBlocks();
    const auto countOf = [&all](auto predicate) {
        return int(std::count_if(all.cbegin(), all.cend(), predicate));
    };
    for (const QString kind : {"CntFnc", "DlyFnc", "NonFnc", "FeedBack", "NIM-OUT", "MsrCnt"}) {
        const int held = countOf(
            [&kind](const BlockItem *b) { return ResourceCounters::kindOfTerm(b->term()) == kind; });
        QCOMPARE(m_counters->free(kind), m_counters->total(kind) - held);
    }
    const int functions = m_model->functionBlocks().size();
    QCOMPARE(m_counters->free("PostLogicInfo"), 11 - functions);
    const auto fedBy = [](const BlockItem *b, bool feedback) {
        const BlockItem *source = b->source(0);
        return isCountedFunction(b) && source
               && source->term().startsWith("FeedBack") == feedback;
    };
    QCOMPARE(m_counters->free("FeedBackInfo"), 8 - countOf([&](const BlockItem *b) { return fedBy(b, true); }));
    QCOMPARE(m_counters->free("PreLogicInfo"), 8 - countOf([&](const BlockItem *b) { return fedBy(b, false); }));
}

KARIX_TEST(RandomEditTest)
#include "randomedittest.moc"
