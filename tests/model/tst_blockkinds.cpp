// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"

#include "model/blockkinds.h"
#include "model/designmodel.h"
#include "model/resourcecounters.h"
#include "model/blockitem.h"

#include <QTest>

Q_DECLARE_METATYPE(BlockKind)

// The terms a document may carry, as the context menus and the counters
// treat them: exact words and the prefixes of numbered resources and
// references must not be mistaken for each other.
class TestBlockKinds : public QObject
{
    Q_OBJECT

private slots:
    void termsNameTheirKind_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<BlockKind>("kind");
        QTest::addColumn<bool>("edit");
        QTest::addColumn<bool>("rename");
        QTest::newRow("Input") << "Input" << BlockKind::Input << true << true;
        QTest::newRow("PreLogic") << "PreLogic" << BlockKind::PreLogic << true << true;
        QTest::newRow("PostLogic") << "PostLogic" << BlockKind::PostLogic << true << true;
        QTest::newRow("CntFnc") << "CntFnc" << BlockKind::CounterFunction << true << true;
        QTest::newRow("DlyFnc") << "DlyFnc" << BlockKind::DelayFunction << true << true;
        QTest::newRow("NIM-OUT bare") << "NIM-OUT" << BlockKind::Output << true << true;
        QTest::newRow("NIM-OUT7") << "NIM-OUT7" << BlockKind::Output << true << true;
        QTest::newRow("MsrCnt3") << "MsrCnt3" << BlockKind::MeasureCounter << true << true;
        QTest::newRow("FeedBack") << "FeedBack" << BlockKind::FeedBack << false << true;
        QTest::newRow("Label") << "Label" << BlockKind::Label << false << true;
        QTest::newRow("PreLabel") << "PreLabel" << BlockKind::PreLabel << false << true;
        QTest::newRow("NonFnc") << "NonFnc" << BlockKind::PassThrough << false << false;
        QTest::newRow("FeedBack3") << "FeedBack3" << BlockKind::FeedBackReference << false << false;
        QTest::newRow("PreLabel2") << "PreLabel2" << BlockKind::PreLabelReference << false << false;
        QTest::newRow("Label10") << "Label10" << BlockKind::LabelReference << false << false;
        QTest::newRow("unknown") << "FncLabel" << BlockKind::None << false << false;
        QTest::newRow("empty") << "" << BlockKind::None << false << false;
    }

    void termsNameTheirKind()
    {
        QFETCH(QString, term);
        QFETCH(BlockKind, kind);
        QFETCH(bool, edit);
        QFETCH(bool, rename);
        QCOMPARE(BlockKinds::ofTerm(term), kind);
        QCOMPARE(BlockKinds::traits(kind).kind, kind);
        QCOMPARE(BlockKinds::traits(kind).hasEditor(), edit);
        QCOMPARE(BlockKinds::traits(kind).renamable, rename);
    }

    // What the model creates for a term is of the kind the term names, sits
    // in the list of that kind and takes the kind's counter.
    void createdBlocksAreOfTheirKind()
    {
        for (size_t k = 1; k < BlockKinds::kindCount; ++k) {
            const BlockKind kind = static_cast<BlockKind>(k);
            const BlockKindTraits &traits = BlockKinds::traits(kind);
            const QString term = traits.numbered ? traits.term + QStringLiteral("1") : QString(traits.term);
            const QString name = kind == BlockKind::PreLabelReference ? QStringLiteral("Label1") : QString();
            DesignModel model;
            ResourceCounters counters;
            const BlockItem *block = model.createBlock(term, 0, 0, name.isEmpty() ? term : name, &counters);
            QVERIFY2(block, qPrintable(term));
            QCOMPARE(block->kind(), kind);
            if (!traits.resource.isEmpty())
                QCOMPARE(counters.free(traits.resource), counters.total(traits.resource) - 1);
            const bool inReferences = model.labelBlocks().contains(block);
            QCOMPARE(inReferences, traits.list == BlockList::References);
        }
    }
};

KARIX_TEST(TestBlockKinds)
#include "tst_blockkinds.moc"
