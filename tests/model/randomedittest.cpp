// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "wirerulesfixture.h"

#include "io/designdocument.h"
#include "io/documentreader.h"
#include "io/documentwriter.h"
#include "io/entrybuilder.h"
#include "model/blockitem.h"
#include "model/designedits.h"
#include "model/designmodel.h"
#include "model/placement.h"
#include "model/postlogic.h"
#include "model/prelogic.h"
#include "model/resourcecounters.h"
#include "model/sheet.h"
#include "model/sheetset.h"
#include "model/wirerules.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

namespace {

bool isCountedFunction(const BlockItem *block)
{
    return BlockKinds::isCountedFunction(block->kind());
}

QMap<QString, int> freeCounts(const ResourceCounters &counters)
{
    QMap<QString, int> counts;
    for (const QString &kind : counters.kinds())
        counts.insert(kind, counters.free(kind));
    return counts;
}

} // namespace

// Random sequences of the edits the canvas makes (placing, wiring, deleting
// wires and blocks), checking after every step that the model's lists,
// connections and resource counts still agree; the same through DesignEdits
// on a document of several sheets, which must also keep every block alone in
// its row and load back from its own document unchanged.
class RandomEditTest : public WireRulesFixture
{
    Q_OBJECT

private slots:
    void editsKeepModelConsistent_data();
    void editsKeepModelConsistent();
    void designEditsKeepDocumentConsistent_data();
    void designEditsKeepDocumentConsistent();

private:
    void step();
    void createBlock();
    void dropWire();
    void connectDirectly();
    void deleteWire();
    void halfDeleteWire();
    void deleteBlock();
    BlockItem *anyBlock();
    BlockItem *blockLeftOf(const DesignModel &model, const BlockItem *destination);

    // Edits through DesignEdits on a document of several sheets.
    void designEdit(DesignDocument &document);
    void placeBlock(DesignDocument &document);
    void connectThroughEdits(DesignDocument &document);
    void renameOrReparameter(DesignDocument &document);
    void deleteThroughEdits(DesignDocument &document);
    BlockItem *anyBlockOf(DesignDocument &document);

    static void verifyLists(const DesignModel &model);
    static void verifyConnections(const DesignModel &model);
    static void verifyCounters(const DesignModel &model, const ResourceCounters &counters);
    static void verifyPlacement(DesignDocument &document);
    static void verifyReloadAgrees(DesignDocument &document);

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
        verifyLists(*m_model);
        verifyConnections(*m_model);
        verifyCounters(*m_model, *m_counters);
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
    BlockItem *source = destination ? blockLeftOf(*m_model, destination) : nullptr;
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
    BlockItem *source = m_random.bounded(2) ? anyBlock() : blockLeftOf(*m_model, destination);
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

BlockItem *RandomEditTest::blockLeftOf(const DesignModel &model, const BlockItem *destination)
{
    // Wires run from one column into the next one on the same sheet.
    const int column = WireRules::dropColumn(destination->position().x()) - 1;
    QList<BlockItem *> candidates = model.allBlocks();
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

void RandomEditTest::verifyLists(const DesignModel &model)
{
    const QList<BlockItem *> all = model.allBlocks();
    for (BlockItem *block : all)
        QCOMPARE(all.count(block), 1);
    for (BlockItem *block : model.preLogics())
        QCOMPARE(block->term(), QString("PreLogic"));
    for (BlockItem *block : model.postLogics())
        QCOMPARE(block->term(), QString("PostLogic"));
    for (BlockItem *block : model.inputBlocks())
        QCOMPARE(block->term(), QString("Input"));
    for (BlockItem *block : model.functionBlocks())
        QVERIFY(isCountedFunction(block) || block->term() == "NonFnc");
}

void RandomEditTest::verifyConnections(const DesignModel &model)
{
    const QList<BlockItem *> all = model.allBlocks();
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

void RandomEditTest::verifyCounters(const DesignModel &model, const ResourceCounters &counters)
{
    const QList<BlockItem *> all = model.allBlocks();
    const auto countOf = [&all](auto predicate) {
        return int(std::count_if(all.cbegin(), all.cend(), predicate));
    };
    for (const QString kind : {"CntFnc", "DlyFnc", "NonFnc", "FeedBack", "NIM-OUT", "MsrCnt"}) {
        const int held = countOf(
            [&kind](const BlockItem *b) { return ResourceCounters::kindOfTerm(b->term()) == kind; });
        QCOMPARE(counters.free(kind), counters.total(kind) - held);
    }
    const int functions = model.functionBlocks().size();
    QCOMPARE(counters.free("PostLogicInfo"), 11 - functions);
    const auto fedBy = [](const BlockItem *b, bool feedback) {
        const BlockItem *source = b->source(0);
        return isCountedFunction(b) && source
               && source->term().startsWith("FeedBack") == feedback;
    };
    QCOMPARE(counters.free("FeedBackInfo"), 8 - countOf([&](const BlockItem *b) { return fedBy(b, true); }));
    QCOMPARE(counters.free("PreLogicInfo"), 8 - countOf([&](const BlockItem *b) { return fedBy(b, false); }));
}

void RandomEditTest::designEditsKeepDocumentConsistent_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {3u, 11u, 314u, 4096u, 77777u})
        QTest::addRow("seed %u", seed) << seed;
}

void RandomEditTest::designEditsKeepDocumentConsistent()
{
    QFETCH(quint32, seed);
    m_random.seed(seed);
    DesignDocument document;
    document.edits().addSheet();
    constexpr int steps = 600;
    for (int i = 0; i < steps; ++i) {
        designEdit(document);
        verifyLists(document.model());
        verifyConnections(document.model());
        verifyCounters(document.model(), document.resources());
        verifyPlacement(document);
        if (i % 50 == 49)
            verifyReloadAgrees(document);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QString("after step %1").arg(i)));
    }
}

void RandomEditTest::designEdit(DesignDocument &document)
{
    const int choice = m_random.bounded(100);
    if (choice < 45)
        placeBlock(document);
    else if (choice < 80)
        connectThroughEdits(document);
    else if (choice < 88)
        renameOrReparameter(document);
    else if (choice < 98)
        deleteThroughEdits(document);
    else if (choice < 99 && document.sheets().count() < 4)
        document.edits().addSheet();
    else
        document.edits().deleteSheet(m_random.bounded(document.sheets().count()));
}

void RandomEditTest::placeBlock(DesignDocument &document)
{
    static const QStringList terms = {"Input",  "PreLogic", "PostLogic", "CntFnc",    "DlyFnc",
                                      "NonFnc", "FeedBack", "Label",     "PreLabel",  "NIM-OUT",
                                      "MsrCnt", "FeedBack%1", "PreLabel%1", "Label%1"};
    QString term = terms.at(m_random.bounded(terms.size()));
    QString name;
    if (term.contains("%1")) {
        term = term.arg(m_random.bounded(3));
        name = term.startsWith("Pre") ? term.mid(3) : term;
    } else {
        name = EntryBuilder::generatedName(document.model(), term);
    }
    const int sheet = m_random.bounded(document.sheets().count());
    const int row = m_random.bounded(-1, 8);
    const QMap<QString, int> before = freeCounts(document.resources());
    if (!document.edits().placeBlock(term, sheet, row, name))
        QCOMPARE(freeCounts(document.resources()), before);
}

void RandomEditTest::connectThroughEdits(DesignDocument &document)
{
    BlockItem *destination = anyBlockOf(document);
    for (int pick = 0; pick < 4 && destination && destination->inputCount() == 0; ++pick)
        destination = anyBlockOf(document);
    // Mostly a wire the rules may accept; sometimes any pair, which they refuse.
    BlockItem *source = m_random.bounded(4) == 0 || !destination
                            ? anyBlockOf(document)
                            : blockLeftOf(document.model(), destination);
    if (destination && source)
        document.edits().connect(source, destination, m_random.bounded(-1, 12));
    if (destination && m_random.bounded(4) == 0 && !destination->inputs().isEmpty()) {
        const QList<int> ports = destination->inputs().keys();
        QVERIFY(document.edits().disconnect(destination, ports.at(m_random.bounded(ports.size()))));
    }
}

void RandomEditTest::renameOrReparameter(DesignDocument &document)
{
    BlockItem *block = anyBlockOf(document);
    if (!block)
        return;
    switch (m_random.bounded(4)) {
    case 0:
        document.edits().renameBlock(block, QString("User%1").arg(m_random.bounded(5)));
        break;
    case 1:
        document.edits().setProperty(block, QString("Mode=%1").arg(m_random.bounded(10)));
        break;
    case 2:
        document.edits().moveToResource(block, QString("NIM-OUT%1").arg(m_random.bounded(8)));
        break;
    default:
        document.edits().moveBlock(block, m_random.bounded(14));
    }
}

void RandomEditTest::deleteThroughEdits(DesignDocument &document)
{
    BlockItem *block = anyBlockOf(document);
    if (!block)
        return;
    if (m_random.bounded(10))
        document.edits().deleteBlock(block);
    else
        document.edits().deleteBlocks(document.sheets().sheet(block->sheet())->blocks());
}

BlockItem *RandomEditTest::anyBlockOf(DesignDocument &document)
{
    const QList<BlockItem *> blocks = document.model().allBlocks();
    return blocks.isEmpty() ? nullptr : blocks.at(m_random.bounded(blocks.size()));
}

void RandomEditTest::verifyPlacement(DesignDocument &document)
{
    // Every block sits on its own sheet at its row, alone there, where its
    // kind's column puts it.
    qsizetype placed = 0;
    for (const Sheet *sheet : document.sheets().sheets()) {
        for (BlockItem *block : sheet->blocks()) {
            QCOMPARE(block->sheet(), sheet->index());
            QCOMPARE(sheet->blockAt(block->traits().column, block->id()), block);
            QCOMPARE(block->position(), Placement::forTerm(block->term()).position(block->id()));
            ++placed;
        }
    }
    QCOMPARE(placed, document.model().allBlocks().size());
}

void RandomEditTest::verifyReloadAgrees(DesignDocument &document)
{
    // A document holding the design loads into the same design with the same
    // counts: what the edits left is what undo would rebuild.
    const QByteArray written = DocumentWriter(document.context()).toBytes();
    DesignDocument reloaded;
    QVERIFY(DocumentReader(reloaded.context()).read(written).ok);
    QCOMPARE(DocumentWriter(reloaded.context()).toBytes(), written);
    QCOMPARE(freeCounts(reloaded.resources()), freeCounts(document.resources()));
}

KARIX_TEST(RandomEditTest)
#include "randomedittest.moc"
