// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"

#include "model/blockimages.h"
#include "model/delayedoutput.h"
#include "model/nim_in.h"
#include "model/nimfnclabel.h"
#include "model/nimfunction.h"
#include "model/nimlabel.h"
#include "model/nimlabelin.h"
#include "model/nimmsrcnt.h"
#include "model/nimnonfnc.h"
#include "model/postlogic.h"
#include "model/prelogic.h"

#include <QTest>
#include <QTextStream>
#include <functional>
#include <memory>

namespace {

using BlockFactory = std::function<BlockItem *(const QString &name)>;

BlockFactory factoryFor(const QString &className)
{
    static const QHash<QString, BlockFactory> factories = {
        {"NIM_IN", [](const QString &n) { return new NIM_IN(0, 0, n); }},
        {"NIMLabelIN", [](const QString &n) { return new NIMLabelIN(0, 0, n); }},
        {"NIMLabel", [](const QString &n) { return new NIMLabel(0, 0, n); }},
        {"NIMFncLabel", [](const QString &n) { return new NIMFncLabel(0, 0, n); }},
        {"FeedBack output", [](const QString &n) { return new DelayedOutput(0, 0, n, BlockKind::FeedBack); }},
        {"PreLogic", [](const QString &n) { return new PreLogic(0, 0, n); }},
        {"PostLogic", [](const QString &n) { return new PostLogic(0, 0, n); }},
        {"NIMFunction", [](const QString &n) { return new NIMFunction(0, 0, n); }},
        {"NIMNonFnc", [](const QString &n) { return new NIMNonFnc(0, 0, n); }},
        {"NIMMsrCnt", [](const QString &n) { return new NIMMsrCnt(0, 0, n); }},
        {"NIM output", [](const QString &n) { return new DelayedOutput(0, 0, n, BlockKind::Output); }},
    };
    return factories.value(className);
}

QString entryText(const BlockItem &block, int level)
{
    QString text;
    QTextStream stream(&text);
    block.writeEntry(stream, block.term(), level);
    stream.flush();
    return text;
}

} // namespace

class BlockItemTest : public QObject
{
    Q_OBJECT

private slots:
    void construction_data();
    void construction();
    void userNameCaption_data();
    void userNameCaption();
    void delayedNameIsCutBack();
    void captionIsDrawnOnCleanImage();
    void displayName_data();
    void displayName();
    void propertyValue_data();
    void propertyValue();
    void geometry();
    void containsPoint_data();
    void containsPoint();
    void writeEntry();
    void writeEntryWithAllParts();
    void replacingSourceUpdatesFanout();
    void portRange_data();
    void portRange();
    void logicConnections();
    void logicRefusesDuplicateAndTwelfthSource();
    void wiresEndAtPortInputs();
    void disconnectAtRemovesOnlyThatPort();
    void destructionInAnyOrderLeavesNoReference_data();
    void destructionInAnyOrderLeavesNoReference();
    void setExpressionChecksSyntax();
    void placedImageVariant_data();
    void placedImageVariant();
};

void BlockItemTest::construction_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("finalName");
    QTest::addColumn<QSize>("size");

    QTest::newRow("input") << "NIM_IN" << "NIM-IN-S0" << "Input" << "NIM-IN-S0" << "NIM-IN-S0" << QSize(110, 32);
    QTest::newRow("label in") << "NIMLabelIN" << "Label0" << "Label" << "Label0" << "Label0" << QSize(110, 28);
    QTest::newRow("pre label ref") << "NIMLabel" << "Label0" << "PreLabel0" << "Label0" << "Label0" << QSize(110, 28);
    QTest::newRow("feedback ref") << "NIMLabel" << "FeedBack1" << "FeedBack1" << "FeedBack1" << "FeedBack1" << QSize(110, 28);
    QTest::newRow("function label") << "NIMFncLabel" << "Label2" << "Label2" << "Label2" << "Label2" << QSize(110, 28);
    QTest::newRow("feedback") << "FeedBack output" << "FeedBack0" << "FeedBack"
                              << "Delay 45ns     FeedBack0" << "FeedBack0" << QSize(176, 32);
    QTest::newRow("pre logic") << "PreLogic" << "PreLgc0" << "PreLogic" << "PreLgc0" << "PreLgc0" << QSize(110, 60);
    QTest::newRow("post logic") << "PostLogic" << "PstLgc3" << "PostLogic" << "PstLgc3" << "PstLgc3" << QSize(110, 60);
    QTest::newRow("counter") << "NIMFunction" << "CntFnc1" << "CntFnc" << "CntFnc1" << "CntFnc1" << QSize(110, 32);
    QTest::newRow("delay") << "NIMFunction" << "DlyFnc1" << "DlyFnc" << "DlyFnc1" << "DlyFnc1" << QSize(110, 32);
    QTest::newRow("pass through") << "NIMNonFnc" << "NonFnc0" << "NonFnc" << "" << "NonFnc0" << QSize(110, 8);
    QTest::newRow("measure counter") << "NIMMsrCnt" << "MsrCnt2" << "MsrCnt2" << "MsrCnt2" << "MsrCnt2" << QSize(176, 28);
    QTest::newRow("output") << "NIM output" << "NIM-OUT5" << "NIM-OUT5"
                            << "Delay 85ns     NIM-OUT5" << "NIM-OUT5" << QSize(176, 32);
    QTest::newRow("short output name padded") << "NIM output" << "OUT" << "OUT        "
                                              << "Delay 85ns     OUT        " << "OUT        " << QSize(176, 32);
}

void BlockItemTest::construction()
{
    QFETCH(QString, className);
    QFETCH(QString, name);
    QFETCH(QString, term);
    QFETCH(QString, caption);
    QFETCH(QString, finalName);
    QFETCH(QSize, size);

    std::unique_ptr<BlockItem> block(factoryFor(className)(name));
    QCOMPARE(block->name(), finalName);
    QCOMPARE(block->term(), term);
    QCOMPARE(block->caption(), caption);
    QCOMPARE(block->size(), size);
}

void BlockItemTest::userNameCaption_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("userName");
    QTest::addColumn<QString>("caption");

    QTest::newRow("plain block") << "NIMFunction" << "Trigger" << "Trigger";
    QTest::newRow("pass through") << "NIMNonFnc" << "Veto" << "Veto";
    QTest::newRow("output, one letter") << "NIM output" << "A" << "Delay 85ns     A          ";
    QTest::newRow("output, 7 letters") << "NIM output" << "ABCDEFG" << "Delay 85ns     ABCDEFG    ";
    QTest::newRow("output, 8 letters") << "NIM output" << "ABCDEFGH" << "Delay 85ns     ABCDEFGH";
    QTest::newRow("feedback, 8 letters") << "FeedBack output" << "ABCDEFGH" << "Delay 45ns     ABCDEFGH   ";
    QTest::newRow("feedback, 9 letters") << "FeedBack output" << "ABCDEFGHI" << "Delay 45ns     ABCDEFGHI";
}

void BlockItemTest::userNameCaption()
{
    QFETCH(QString, className);
    QFETCH(QString, userName);
    QFETCH(QString, caption);

    std::unique_ptr<BlockItem> block(factoryFor(className)(className == "NIM output" ? "NIM-OUT1" : "X0"));
    const QString name = block->name();
    block->setUserName(userName);
    QCOMPARE(block->caption(), caption);
    QCOMPARE(block->name(), name);
    QCOMPARE(block->userName(), userName);

    // Clearing the user name brings back the block's own caption.
    std::unique_ptr<BlockItem> fresh(factoryFor(className)(name));
    block->setUserName(QString());
    QCOMPARE(block->caption(), fresh->caption());
}

void BlockItemTest::delayedNameIsCutBack()
{
    DelayedOutput output(3, 0, "Delay 85ns     NIM-OUT2", BlockKind::Output);
    QCOMPARE(output.name(), QString("NIM-OUT2"));
    QCOMPARE(output.term(), QString("NIM-OUT2"));
    QCOMPARE(output.caption(), QString("Delay 85ns     NIM-OUT2"));

    DelayedOutput feedback(1, 0, "Delay 45ns     FeedBack4", BlockKind::FeedBack);
    QCOMPARE(feedback.name(), QString("FeedBack4"));
    QCOMPARE(feedback.caption(), QString("Delay 45ns     FeedBack4"));
}

void BlockItemTest::captionIsDrawnOnCleanImage()
{
    NIMFunction block(0, 0, "CntFnc0");
    block.setUserName("First");
    block.setUserName(QString());
    NIMFunction fresh(0, 0, "CntFnc0");
    QCOMPARE(block.caption(), fresh.caption());
}

void BlockItemTest::displayName_data()
{
    QTest::addColumn<QString>("userName");
    QTest::addColumn<QString>("displayName");

    QTest::newRow("no user name") << "" << "CntFnc0";
    QTest::newRow("user name") << "Gate" << "Gate";
    QTest::newRow("blanks around") << "  Gate A \t" << "Gate A";
}

void BlockItemTest::displayName()
{
    QFETCH(QString, userName);
    QFETCH(QString, displayName);
    NIMFunction block(0, 0, "CntFnc0");
    block.setUserName(userName);
    QCOMPARE(block.displayName(), displayName);
}

void BlockItemTest::propertyValue_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    const QString counter = "Mode=3 Unit=msec FileSave=true PATH=/tmp/my logs";
    QTest::newRow("mode") << counter << "Mode" << "3";
    QTest::newRow("unit") << counter << "Unit" << "msec";
    QTest::newRow("blank in last value") << counter << "PATH" << "/tmp/my";
    QTest::newRow("last key to end") << "Mode=9 MainCnt=100nsec" << "MainCnt" << "100nsec";
    QTest::newRow("absent key") << counter << "Delay" << "";
    QTest::newRow("empty property") << "" << "Mode" << "";
    QTest::newRow("key without =") << "Mode 3" << "Mode" << "";
    QTest::newRow("empty value") << "Mode= Unit=sec" << "Mode" << "";
    QTest::newRow("key inside a path") << "Mode=1 FileSave=1 PATH=/data/Unit=5" << "Unit" << "";
    QTest::newRow("key ending another key") << "SubMode=4 Mode=2" << "Mode" << "2";
}

void BlockItemTest::propertyValue()
{
    QFETCH(QString, property);
    QFETCH(QString, key);
    QFETCH(QString, value);
    NIMMsrCnt block(0, 0, "MsrCnt0");
    QVERIFY(block.setProperty(property));
    QCOMPARE(block.propertyValue(key), value);
}

void BlockItemTest::geometry()
{
    NIMFunction function(0, 0, "CntFnc0");
    function.setPosition({284, 104});
    QCOMPARE(function.outputPoint(), QPoint(394, 120));
    QCOMPARE(function.inputPoint(0), QPoint(284, 120));

    NIMNonFnc pass(0, 0, "NonFnc0");
    pass.setPosition({284, 116});
    QCOMPARE(pass.outputPoint(), QPoint(394, 120));

    PreLogic logic(0, 0, "PreLgc0");
    logic.setPosition({142, 90});
    QCOMPARE(logic.outputPoint(), QPoint(252, 120));
    QCOMPARE(logic.inputPoint(4), QPoint(142, 120));
    QCOMPARE(logic.logicInputPoint(0), QPoint(142, 93));
    QCOMPARE(logic.logicInputPoint(10), QPoint(142, 143));

    NIMMsrCnt counter(0, 0, "MsrCnt0");
    counter.setPosition({567, 106});
    QCOMPARE(counter.inputPoint(0), QPoint(567, 112));
    QCOMPARE(counter.inputPoint(1), QPoint(567, 128));
    QCOMPARE(counter.outputPoint(), QPoint(743, 120));

    function.setRow(7);
    const BlockItem::Identity identity = function.identity();
    QCOMPARE(identity.id, 7);
    QCOMPARE(identity.sheet, 0);
    QCOMPARE(identity.name, QString("CntFnc0"));
}

void BlockItemTest::containsPoint_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");

    QTest::newRow("top left") << 1 << QPoint(284, 104) << true;
    QTest::newRow("bottom right edge") << 1 << QPoint(394, 136) << true;
    QTest::newRow("right of image") << 1 << QPoint(395, 120) << false;
    QTest::newRow("below image") << 1 << QPoint(300, 137) << false;
    QTest::newRow("other sheet") << 0 << QPoint(300, 120) << false;
    QTest::newRow("any sheet") << -1 << QPoint(300, 120) << true;
}

void BlockItemTest::containsPoint()
{
    QFETCH(int, sheet);
    QFETCH(QPoint, point);
    QFETCH(bool, inside);
    NIMFunction block(0, 1, "CntFnc0");
    block.setPosition({284, 104});
    QCOMPARE(block.containsPoint(sheet, point.x(), point.y()), inside);
}

void BlockItemTest::writeEntry()
{
    NIM_IN input(2, 0, "NIM-IN-S1");
    PreLogic logic(4, 0, "PreLgc1");
    logic.connectSource(3, &input);
    QCOMPARE(entryText(logic, 2),
             QString("        <entry term=\"PreLogic\">\n"
                     "            <id>4</id>\n"
                     "            <name>PreLgc1</name>\n"
                     "            <net port=\"3\">NIM-IN-S1</net>\n"
                     "        </entry>\n"));
}

void BlockItemTest::writeEntryWithAllParts()
{
    NIM_IN first(0, 0, "NIM-IN-S0");
    NIM_IN second(1, 0, "NIM-IN-S1");
    PostLogic logic(1, 0, "PstLgc0");
    logic.connectSource(10, &first);
    logic.connectSource(2, &second);
    logic.setUserName("Coinc <x>");
    logic.setProperty("_C and _K & \"q\"");
    QCOMPARE(entryText(logic, 1),
             QString("    <entry term=\"PostLogic\">\n"
                     "        <id>1</id>\n"
                     "        <name>PstLgc0</name>\n"
                     "        <userName>Coinc &lt;x&gt;</userName>\n"
                     "        <net port=\"2\">NIM-IN-S1</net>\n"
                     "        <net port=\"10\">NIM-IN-S0</net>\n"
                     "        <property>_C and _K &amp; &quot;q&quot;</property>\n"
                     "    </entry>\n"));
}

void BlockItemTest::replacingSourceUpdatesFanout()
{
    PreLogic first(0, 0, "PreLgc0");
    PreLogic second(1, 0, "PreLgc1");
    NIMFunction function(0, 0, "CntFnc0");
    QCOMPARE(function.connectSource(0, &first), 0);
    QCOMPARE(function.connectSource(0, &second), 0);
    QCOMPARE(function.source(0), &second);
    QVERIFY(first.fanout().isEmpty());
    QCOMPARE(second.fanout(), QList<BlockItem *>{&function});
    QCOMPARE(function.connectSource(-1, &first), -1);
    QCOMPARE(function.connectSource(0, nullptr), -1);
    QCOMPARE(function.inputs().size(), 1);
}

void BlockItemTest::portRange_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("result");

    QTest::newRow("function port 0") << "NIMFunction" << 0 << 0;
    QTest::newRow("function port 1") << "NIMFunction" << 1 << -1;
    QTest::newRow("output port 1") << "NIM output" << 1 << -1;
    QTest::newRow("label port 1") << "NIMLabelIN" << 1 << -1;
    QTest::newRow("counter SRC") << "NIMMsrCnt" << 1 << 1;
    QTest::newRow("counter port 2") << "NIMMsrCnt" << 2 << -1;
    QTest::newRow("logic _K") << "PreLogic" << 10 << 10;
    QTest::newRow("logic port 11") << "PostLogic" << 11 << -1;
    QTest::newRow("input has no port") << "NIM_IN" << 0 << -1;
}

void BlockItemTest::portRange()
{
    QFETCH(QString, className);
    QFETCH(int, port);
    QFETCH(int, result);
    PreLogic source(0, 0, "PreLgc0");
    std::unique_ptr<BlockItem> block(factoryFor(className)("X0"));
    QCOMPARE(block->connectSource(port, &source), result);
    QCOMPARE(block->inputs().size(), result < 0 ? 0 : 1);
    QCOMPARE(source.fanout().size(), result < 0 ? 0 : 1);
}

void BlockItemTest::logicConnections()
{
    NIM_IN a(0, 0, "NIM-IN-S0");
    NIM_IN b(1, 0, "NIM-IN-S1");
    NIM_IN c(2, 0, "NIM-IN-S2");
    PreLogic logic(0, 0, "PreLgc0");
    QCOMPARE(logic.connectSource(-1, &a), 0);
    QCOMPARE(logic.connectSource(2, &b), 2);
    QCOMPARE(logic.connectSource(-1, &c), 1);
    QCOMPARE(logic.connectSource(11, &c), -1);
    a.removeFanout(&logic);
    logic.eraseInput(0);
    QCOMPARE(logic.source(0), nullptr);
    QVERIFY(a.fanout().isEmpty());
    QCOMPARE(logic.connectSource(-1, &a), 0);
    QCOMPARE(a.fanout(), QList<BlockItem *>{&logic});
}

void BlockItemTest::logicRefusesDuplicateAndTwelfthSource()
{
    std::vector<std::unique_ptr<NIM_IN>> sources;
    PreLogic logic(0, 0, "PreLgc0");
    for (int i = 0; i < 12; ++i)
        sources.push_back(std::make_unique<NIM_IN>(i, 0, QString("In%1").arg(i)));
    QCOMPARE(logic.connectSource(-1, sources[0].get()), 0);
    QCOMPARE(logic.connectSource(-1, sources[0].get()), -1);
    QCOMPARE(logic.connectSource(5, sources[0].get()), -1);
    QCOMPARE(logic.inputs().size(), 1);
    QCOMPARE(sources[0]->fanout().size(), 1);
    for (int i = 1; i < 11; ++i)
        QCOMPARE(logic.connectSource(-1, sources[i].get()), i);
    QCOMPARE(logic.connectSource(-1, sources[11].get()), -1);
    QVERIFY(sources[11]->fanout().isEmpty());
}

void BlockItemTest::wiresEndAtPortInputs()
{
    NIM_IN input(0, 0, "NIM-IN-S0");
    input.setPosition({0, 104});
    PreLogic logic(0, 0, "PreLgc0");
    logic.setPosition({142, 90});
    logic.connectSource(2, &input);
    QCOMPARE(logic.wires(), QList<QLine>{QLine(110, 120, 142, 103)});

    PostLogic post(0, 0, "PstLgc0");
    post.setPosition({425, 90});
    NIMMsrCnt counter(0, 0, "MsrCnt0");
    counter.setPosition({567, 106});
    counter.connectSource(1, &post);
    counter.connectSource(0, &post);
    QCOMPARE(counter.wires(), (QList<QLine>{QLine(535, 120, 567, 112), QLine(535, 120, 567, 128)}));
    QCOMPARE(counter.sourceAt(535, 120), &post);
    QCOMPARE(counter.sourceAt(535, 119), nullptr);
}

void BlockItemTest::disconnectAtRemovesOnlyThatPort()
{
    NIM_IN a(0, 0, "NIM-IN-S0");
    NIM_IN b(1, 0, "NIM-IN-S1");
    PreLogic logic(0, 0, "PreLgc0");
    logic.setPosition({142, 90});
    logic.connectSource(0, &a);
    logic.connectSource(1, &b);
    logic.disconnectAt(logic.logicInputPoint(1));
    QCOMPARE(logic.inputs().keys(), QList<int>{0});
    // Without the source's own removeFanout it must not keep the reference.
    QVERIFY(b.fanout().isEmpty());
    QCOMPARE(a.fanout(), QList<BlockItem *>{&logic});
    logic.disconnectAt({0, 0});
    QCOMPARE(logic.inputs().size(), 1);
}

void BlockItemTest::destructionInAnyOrderLeavesNoReference_data()
{
    QTest::addColumn<QList<int>>("order");
    // Blocks: 0 input, 1 pre-logic, 2 counter, 3 post-logic, 4 measure counter.
    QTest::newRow("left to right") << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("right to left") << QList<int>{4, 3, 2, 1, 0};
    QTest::newRow("middle first") << QList<int>{2, 0, 4, 1, 3};
    QTest::newRow("post logic first") << QList<int>{3, 1, 4, 0, 2};
}

void BlockItemTest::destructionInAnyOrderLeavesNoReference()
{
    QFETCH(QList<int>, order);
    QList<BlockItem *> blocks = {new NIM_IN(0, 0, "NIM-IN-S0"), new PreLogic(0, 0, "PreLgc0"),
                                 new NIMFunction(0, 0, "CntFnc0"), new PostLogic(0, 0, "PstLgc0"),
                                 new NIMMsrCnt(0, 0, "MsrCnt0")};
    blocks[1]->connectSource(-1, blocks[0]);
    blocks[2]->connectSource(0, blocks[1]);
    blocks[3]->connectSource(-1, blocks[2]);
    blocks[3]->connectSource(-1, blocks[1]);
    blocks[4]->connectSource(0, blocks[3]);
    blocks[4]->connectSource(1, blocks[3]);
    QCOMPARE(blocks[3]->fanout().size(), 2);

    for (int index : order) {
        BlockItem *doomed = blocks[index];
        blocks[index] = nullptr;
        delete doomed;
        for (BlockItem *survivor : std::as_const(blocks)) {
            if (!survivor)
                continue;
            QVERIFY(!survivor->fanout().contains(doomed));
            QVERIFY(!survivor->inputs().values().contains(doomed));
            // Every remaining connection is listed once per port at its source.
            for (BlockItem *source : survivor->inputs())
                QCOMPARE(source->fanout().count(survivor), survivor->inputs().values().count(source));
        }
    }
}

void BlockItemTest::setExpressionChecksSyntax()
{
    PreLogic logic(0, 0, "PreLgc0");
    QString good = "_A and _B";
    QVERIFY(logic.setExpression(good, true));
    QCOMPARE(logic.property(), good);

    QString bad = "_A and";
    QVERIFY(!logic.setExpression(bad, true));
    QCOMPARE(bad, QString("invalid at EOF"));
    QCOMPARE(logic.property(), good);

    QString unchecked = "_A and";
    QVERIFY(logic.setExpression(unchecked, false));
    QCOMPARE(logic.property(), unchecked);
}

void BlockItemTest::placedImageVariant_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("file");

    QTest::newRow("oscillator") << "NIMFunction" << "CntFnc0" << "Mode=9 MainCnt=1usec" << "Function0.png";
    QTest::newRow("counter") << "NIMFunction" << "CntFnc0" << "Mode=1" << "";
    QTest::newRow("delay mode 9") << "NIMFunction" << "DlyFnc0" << "Mode=9" << "";
    QTest::newRow("msr mode 0") << "NIMMsrCnt" << "MsrCnt0" << "Mode=0" << "MsrCnt3.png";
    QTest::newRow("msr no mode") << "NIMMsrCnt" << "MsrCnt0" << "" << "MsrCnt3.png";
    QTest::newRow("msr mode 4") << "NIMMsrCnt" << "MsrCnt0" << "Mode=4" << "MsrCnt2.png";
    QTest::newRow("msr mode 5") << "NIMMsrCnt" << "MsrCnt0" << "Mode=5" << "MsrCnt.png";
    QTest::newRow("msr mode 1") << "NIMMsrCnt" << "MsrCnt0" << "Mode=1" << "MsrCnt1.png";
}

void BlockItemTest::placedImageVariant()
{
    QFETCH(QString, className);
    QFETCH(QString, name);
    QFETCH(QString, property);
    QFETCH(QString, file);
    std::unique_ptr<BlockItem> block(factoryFor(className)(name));
    block->setProperty(property);
    QCOMPARE(BlockImages::placedImageFile(*block), file);
    if (!file.isEmpty())
        QCOMPARE(BlockImages::size(file), block->size());
}

KARIX_TEST(BlockItemTest)
#include "blockitemtest.moc"
