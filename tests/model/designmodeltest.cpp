// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"

#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/nimfunction.h"
#include "model/nim_in.h"
#include "model/postlogic.h"
#include "model/prelogic.h"
#include "model/resourcecounters.h"

#include <QSignalSpy>
#include <QTest>

class DesignModelTest : public QObject
{
    Q_OBJECT

private slots:
    void inputsRunOutPerSheet();
    void nextInputInheritsUserName();
    void addInputWithName();
    void generatedNamesFillGaps_data();
    void generatedNamesFillGaps();
    void noGeneratedNameForOtherPrefixes_data();
    void noGeneratedNameForOtherPrefixes();
    void nameFree_data();
    void nameFree();
    void outputsAndCountersTakeFreeUnits_data();
    void outputsAndCountersTakeFreeUnits();
    void freeResourceNames_data();
    void freeResourceNames();
    void createBlockByTerm_data();
    void createBlockByTerm();
    void createBlockTakesResource();
    void labelBlocksAreAnnounced();
    void removeBlockDisconnects();
    void removeBlockNotInModel();
    void removeBlockCleansHalfDeletedWire();
    void clearDesign();
};

void DesignModelTest::inputsRunOutPerSheet()
{
    DesignModel model;
    for (int i = 0; i < 10; ++i)
        QCOMPARE(model.addNextInput(i, 0)->name(), model.inputNames().at(i));
    QCOMPARE(model.inputNames().last(), QString("BNC-IN"));
    QCOMPARE(model.addNextInput(10, 0), nullptr);
    QCOMPARE(model.addInput(10, 0, QString()), nullptr);
    QCOMPARE(model.inputBlocks().size(), 10);
    QCOMPARE(model.addNextInput(0, 1)->name(), QString("NIM-IN-S0"));
    QCOMPARE(model.addNextInput(0, -1), nullptr);
}

void DesignModelTest::nextInputInheritsUserName()
{
    DesignModel model;
    for (int i = 0; i < 4; ++i)
        model.addNextInput(i, 0);
    model.inputBlocks().at(3)->setUserName("Trigger");
    for (int i = 0; i < 3; ++i)
        model.addNextInput(i, 1);
    BlockItem *picked = model.addNextInput(3, 1);
    QCOMPARE(picked->name(), QString("NIM-IN-S3"));
    QCOMPARE(picked->userName(), QString("Trigger"));
    QCOMPARE(model.addNextInput(4, 1)->userName(), QString("NIM-IN-S4"));
}

void DesignModelTest::addInputWithName()
{
    DesignModel model;
    model.addInput(0, 0, "NIM-IN-M");
    BlockItem *twice = model.addInput(1, 0, "NIM-IN-M");
    QVERIFY(twice);
    QCOMPARE(twice->userName(), QString());
    QCOMPARE(twice->term(), QString("Input"));
}

void DesignModelTest::generatedNamesFillGaps_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("term");

    QTest::newRow("gap") << "CntFnc" << QStringList{"CntFnc0", "CntFnc2"} << "CntFnc1" << "CntFnc";
    QTest::newRow("delay") << "DlyFnc" << QStringList{} << "DlyFnc0" << "DlyFnc";
    QTest::newRow("pre logic") << "PreLgc" << QStringList{"PreLgc0"} << "PreLgc1" << "PreLogic";
    QTest::newRow("post logic") << "PstLgc" << QStringList{} << "PstLgc0" << "PostLogic";
    QTest::newRow("label") << "Label" << QStringList{"Label0", "Label1"} << "Label2" << "Label";
    QTest::newRow("feedback") << "FeedBack" << QStringList{"FeedBack1"} << "FeedBack0" << "FeedBack";
    // A user name elsewhere also blocks the generated name.
    QTest::newRow("user name taken") << "CntFnc" << QStringList{"user:CntFnc0"} << "CntFnc1" << "CntFnc";
}

void DesignModelTest::generatedNamesFillGaps()
{
    QFETCH(QString, prefix);
    QFETCH(QStringList, present);
    QFETCH(QString, expected);
    QFETCH(QString, term);

    DesignModel model;
    for (const QString &name : present) {
        if (name.startsWith("user:"))
            model.addPreLogic(0, 0, "PreLgc9")->setUserName(name.mid(5));
        else
            model.createBlock(name.startsWith("PreLgc") ? "PreLogic" : name.left(name.size() - 1),
                              0, 0, name);
    }
    BlockItem *block = model.newNamed(prefix, 0, 0);
    QVERIFY(block);
    QCOMPARE(block->name(), expected);
    QCOMPARE(block->term(), term);
    QCOMPARE(model.newNamed("Bogus", 0, 0), nullptr);
}

void DesignModelTest::noGeneratedNameForOtherPrefixes_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("named");

    // Names of the fixed outputs are never free: no number may be searched for.
    QTest::newRow("output") << "NIM-OUT" << false;
    QTest::newRow("counter") << "MsrCnt" << false;
    QTest::newRow("counter with blanks") << " MsrCnt " << false;
    QTest::newRow("unknown") << "Bogus" << true;
}

void DesignModelTest::noGeneratedNameForOtherPrefixes()
{
    QFETCH(QString, prefix);
    QFETCH(bool, named);
    DesignModel model;
    QCOMPARE(model.newNamed(prefix, 0, 0), nullptr);
    QCOMPARE(model.nextFreeName(prefix).isEmpty(), !named);
    QVERIFY(model.allBlocks().isEmpty());
}

void DesignModelTest::nameFree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("alsoNames");
    QTest::addColumn<bool>("free");

    QTest::newRow("unknown output") << "NIM-OUT9" << false << false;
    QTest::newRow("bare MsrCnt") << "MsrCnt" << false << false;
    QTest::newRow("blank then output") << "  NIM-OUT1" << false << false;
    QTest::newRow("fresh") << "Gate" << false << true;
    QTest::newRow("display name") << "Coinc" << false << false;
    QTest::newRow("display name trimmed") << " Coinc " << false << false;
    QTest::newRow("hidden name") << "PstLgc0" << false << true;
    QTest::newRow("hidden name with names") << "PstLgc0" << true << false;
    QTest::newRow("case differs") << "coinc" << true << true;
}

void DesignModelTest::nameFree()
{
    QFETCH(QString, name);
    QFETCH(bool, alsoNames);
    QFETCH(bool, free);
    DesignModel model;
    model.addPostLogic(0, 0, "PstLgc0")->setUserName("Coinc");
    QCOMPARE(model.isNameFree(name, alsoNames), free);
}

void DesignModelTest::outputsAndCountersTakeFreeUnits_data()
{
    QTest::addColumn<bool>("counters");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("units");
    QTest::newRow("outputs") << false << "NIM-OUT" << 8;
    QTest::newRow("measure counters") << true << "MsrCnt" << 4;
}

void DesignModelTest::outputsAndCountersTakeFreeUnits()
{
    QFETCH(bool, counters);
    QFETCH(QString, prefix);
    QFETCH(int, units);
    DesignModel model;
    auto add = [&](const QString &name) {
        return counters ? model.addMeasureCounter(0, 0, name) : model.addOutput(0, 0, name);
    };
    add(prefix + "0");
    add(prefix + "1");
    BlockItem *third = add(prefix);
    QCOMPARE(third->name(), prefix + "2");
    QCOMPARE(third->term(), prefix + "2");
    for (int unit = 3; unit < units; ++unit)
        QCOMPARE(add(QString())->name(), prefix + QString::number(unit));
    const qsizetype before = model.outputBlocks().size();
    QCOMPARE(add(prefix), nullptr);
    QCOMPARE(add(QString()), nullptr);
    QCOMPARE(model.outputBlocks().size(), before);
    // An explicit name is used as it is.
    QCOMPARE(add(prefix + "1")->name(), prefix + "1");
}

void DesignModelTest::freeResourceNames_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QStringList>("names");

    const QStringList inputs = {"NIM-IN-S2", "NIM-IN-S3", "NIM-IN-S4", "NIM-IN-S5",
                                "NIM-IN-S6", "NIM-IN-S7", "NIM-IN-M",  "BNC-IN"};
    QTest::newRow("inputs sheet 0") << "Input" << 0 << inputs;
    QTest::newRow("inputs sheet 1") << "Input" << 1 << (QStringList{"NIM-IN-S0"} + inputs);
    QTest::newRow("inputs any sheet") << "Input" << -1 << inputs;
    QTest::newRow("outputs") << "NIM-OUT3" << 0
                             << QStringList{"NIM-OUT0", "NIM-OUT2", "NIM-OUT4", "NIM-OUT5",
                                            "NIM-OUT6", "NIM-OUT7"};
    QTest::newRow("counters") << "MsrCnt" << 0 << QStringList{"MsrCnt1", "MsrCnt2", "MsrCnt3"};
    QTest::newRow("other kind") << "CntFnc" << 0 << QStringList{};
}

void DesignModelTest::freeResourceNames()
{
    QFETCH(QString, kind);
    QFETCH(int, sheet);
    QFETCH(QStringList, names);
    DesignModel model;
    model.addInput(0, 0, "NIM-IN-S0");
    model.addInput(1, 0, "NIM-IN-S1");
    model.addInput(0, 1, "NIM-IN-S1");
    model.addOutput(0, 0, "NIM-OUT1");
    model.addOutput(1, 1, "NIM-OUT3");
    model.addMeasureCounter(0, 0, "MsrCnt0");
    QStringList result = {"kept"};
    model.freeResourceNames(kind, result, sheet);
    QCOMPARE(result, QStringList{"kept"} + names);
}

void DesignModelTest::createBlockByTerm_data()
{
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("finalTerm");
    QTest::addColumn<QString>("finalName");
    QTest::addColumn<QString>("list");

    QTest::newRow("input") << "Input" << "" << "Input" << "NIM-IN-S0" << "inputs";
    QTest::newRow("pre logic") << "PreLogic" << "PreLgc4" << "PreLogic" << "PreLgc4" << "pre";
    QTest::newRow("post logic") << "PostLogic" << "PstLgc4" << "PostLogic" << "PstLgc4" << "post";
    QTest::newRow("counter") << "CntFnc" << "CntFnc2" << "CntFnc" << "CntFnc2" << "functions";
    QTest::newRow("delay") << "DlyFnc" << "DlyFnc2" << "DlyFnc" << "DlyFnc2" << "functions";
    QTest::newRow("pass through") << "NonFnc" << "" << "NonFnc" << "NonFnc0" << "functions";
    QTest::newRow("feedback") << "FeedBack" << "FeedBack2" << "FeedBack" << "FeedBack2" << "outputs";
    QTest::newRow("label") << "Label" << "Label1" << "Label" << "Label1" << "outputs";
    QTest::newRow("pre label") << "PreLabel" << "Label1" << "PreLabel" << "Label1" << "outputs";
    QTest::newRow("output") << "NIM-OUT" << "" << "NIM-OUT0" << "NIM-OUT0" << "outputs";
    QTest::newRow("output by term") << "NIM-OUT4" << "NIM-OUT4" << "NIM-OUT4" << "NIM-OUT4" << "outputs";
    QTest::newRow("counter blanks") << "MsrCnt2" << " MsrCnt2 " << "MsrCnt2" << "MsrCnt2" << "outputs";
    QTest::newRow("feedback ref") << "FeedBack2" << "FeedBack2" << "FeedBack2" << "FeedBack2" << "labels";
    QTest::newRow("pre label ref") << "PreLabel1" << "Label1" << "PreLabel1" << "Label1" << "labels";
    QTest::newRow("function label") << "Label1" << "Label1" << "Label1" << "Label1" << "labels";
}

void DesignModelTest::createBlockByTerm()
{
    QFETCH(QString, term);
    QFETCH(QString, name);
    QFETCH(QString, finalTerm);
    QFETCH(QString, finalName);
    QFETCH(QString, list);

    DesignModel model;
    BlockItem *block = model.createBlock(term, 3, 1, name);
    QVERIFY(block);
    QCOMPARE(block->term(), finalTerm);
    QCOMPARE(block->name(), finalName);
    QCOMPARE(block->id(), 3);
    QCOMPARE(block->sheet(), 1);
    const QHash<QString, QList<BlockItem *>> lists = {
        {"inputs", model.inputBlocks()},
        {"pre", QList<BlockItem *>(model.preLogics().cbegin(), model.preLogics().cend())},
        {"post", QList<BlockItem *>(model.postLogics().cbegin(), model.postLogics().cend())},
        {"functions", model.functionBlocks()},
        {"outputs", model.outputBlocks()},
        {"labels", model.labelBlocks()},
    };
    for (auto it = lists.cbegin(); it != lists.cend(); ++it)
        QCOMPARE(it.value().contains(block), it.key() == list);
    QCOMPARE(model.createBlock("Unknown", 0, 0, "X"), nullptr);
}

void DesignModelTest::createBlockTakesResource()
{
    DesignModel model;
    ResourceCounters counters;
    for (int i = 0; i < 8; ++i)
        QVERIFY(model.createBlock("NIM-OUT", i, 0, QString(), &counters));
    QCOMPARE(counters.free("NIM-OUT"), 0);
    QCOMPARE(model.createBlock("NIM-OUT", 8, 0, QString(), &counters), nullptr);

    // A refused name gives the unit back.
    counters.reset();
    QCOMPARE(model.createBlock("NIM-OUT", 8, 0, QString(), &counters), nullptr);
    QCOMPARE(counters.free("NIM-OUT"), 8);

    QVERIFY(model.createBlock("DlyFnc", 0, 0, "DlyFnc0", &counters));
    QCOMPARE(counters.free("DlyFnc"), 7);
    QCOMPARE(counters.free("PostLogicInfo"), 10);
    QVERIFY(model.createBlock("PreLogic", 0, 0, "PreLgc0", &counters));
    QVERIFY(model.createBlock("FeedBack2", 0, 0, "FeedBack2", &counters));
    QCOMPARE(counters.free("FeedBack"), 8);
}

void DesignModelTest::labelBlocksAreAnnounced()
{
    DesignModel model;
    QSignalSpy spy(&model, &DesignModel::labelBlockAdded);
    BlockItem *feedback = model.addFeedBack(0, 0, "FeedBack0");
    BlockItem *label = model.createBlock("PreLabel", 0, 0, "Label0");
    model.addLabel(0, 0, "FeedBack0");
    model.addFunctionLabel(0, 0, "Label0");
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).value<BlockItem *>(), feedback);
    QCOMPARE(spy.at(1).at(0).value<BlockItem *>(), label);
}

void DesignModelTest::removeBlockDisconnects()
{
    DesignModel model;
    BlockItem *input = model.addNextInput(0, 0);
    PreLogic *pre = model.addPreLogic(0, 0, "PreLgc0");
    BlockItem *counter = model.addFunction(0, 0, "CntFnc0");
    PostLogic *post = model.addPostLogic(0, 0, "PstLgc0");
    pre->connectSource(-1, input);
    counter->connectSource(0, pre);
    post->connectSource(-1, counter);
    post->connectSource(-1, pre);

    QSignalSpy spy(&model, &DesignModel::blockAboutToBeRemoved);
    model.removeBlock(pre);
    QCOMPARE(spy.size(), 1);
    QVERIFY(model.preLogics().isEmpty());
    QVERIFY(input->fanout().isEmpty());
    QCOMPARE(counter->source(0), nullptr);
    QCOMPARE(post->inputs().values(), QList<BlockItem *>{counter});
    QCOMPARE(counter->fanout(), QList<BlockItem *>{post});
}

void DesignModelTest::removeBlockNotInModel()
{
    DesignModel model;
    model.addNextInput(0, 0);
    NIMFunction stranger(0, 0, "CntFnc0");
    QSignalSpy spy(&model, &DesignModel::blockAboutToBeRemoved);
    model.removeBlock(&stranger);
    model.removeBlock(nullptr);
    QCOMPARE(spy.size(), 0);
    QCOMPARE(model.inputBlocks().size(), 1);
}

void DesignModelTest::removeBlockCleansHalfDeletedWire()
{
    DesignModel model;
    PreLogic *pre = model.addPreLogic(0, 0, "PreLgc0");
    BlockItem *counter = model.addFunction(0, 0, "CntFnc0");
    counter->connectSource(0, pre);
    // Only one half of a wire deletion: the source still lists the counter.
    counter->eraseInput(0);
    model.removeBlock(counter);
    QVERIFY(pre->fanout().isEmpty());
    model.removeBlock(pre);
    QVERIFY(model.allBlocks().isEmpty());
}

void DesignModelTest::clearDesign()
{
    DesignModel model;
    BlockItem *input = model.addNextInput(0, 0);
    PreLogic *pre = model.addPreLogic(0, 0, "PreLgc0");
    pre->connectSource(-1, input);
    model.addOutput(0, 0, QString())->connectSource(0, model.addPostLogic(0, 0, "PstLgc0"));
    model.addLabel(0, 1, "FeedBack0");
    QSignalSpy spy(&model, &DesignModel::blockAboutToBeRemoved);
    model.clearDesign();
    QCOMPARE(spy.size(), 5);
    QVERIFY(model.allBlocks().isEmpty());
    QCOMPARE(model.addNextInput(0, 0)->name(), QString("NIM-IN-S0"));
}

KARIX_TEST(DesignModelTest)
#include "designmodeltest.moc"
