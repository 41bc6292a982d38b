// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "consistencycheck.h"
#include "documenttext.h"

#include "io/designdocument.h"
#include "io/documentreader.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/nimfnclabel.h"
#include "model/nimlabel.h"
#include "model/nimlabelin.h"
#include "model/resourcecounters.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QTest>


namespace {

const auto entry = &DocumentText::entry;
const auto wrap = &DocumentText::wrap;

QString idName(int id, const QString &name)
{
    return QStringLiteral("<id>%1</id><name>%2</name>").arg(id).arg(name);
}

QString net(int port, const QString &driver)
{
    return QStringLiteral("<net port=\"%1\">%2</net>").arg(port).arg(driver);
}

QString tab(int id, const QString &entries)
{
    return QStringLiteral("<tab id=\"%1\" name=\"S%1\">\n%2</tab>\n").arg(id).arg(entries);
}

// Which model list holds the block, and for reference labels which class.
QString placeOf(DesignDocument &document, const BlockItem *block)
{
    const DesignModel &model = document.model();
    if (model.inputBlocks().contains(block))
        return QStringLiteral("inputs");
    if (block->term() == QLatin1String("PreLogic"))
        return QStringLiteral("preLogics");
    if (block->term() == QLatin1String("PostLogic"))
        return QStringLiteral("postLogics");
    if (model.functionBlocks().contains(block))
        return QStringLiteral("functions");
    if (model.outputBlocks().contains(block))
        return dynamic_cast<const NIMLabelIN *>(block) ? QStringLiteral("outputs:labelIn")
                                                       : QStringLiteral("outputs");
    if (dynamic_cast<const NIMFncLabel *>(block))
        return QStringLiteral("labels:fncLabel");
    if (dynamic_cast<const NIMLabel *>(block))
        return QStringLiteral("labels:label");
    return QStringLiteral("?");
}

} // namespace

class DocumentReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void termTable_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("finalTerm");
        QTest::addColumn<QString>("counter"); // counter taken from, empty: none
        QTest::newRow("PreLogic") << "PreLogic" << "PreLgc0" << "preLogics" << "PreLogic" << "";
        QTest::newRow("PostLogic") << "PostLogic" << "PstLgc0" << "postLogics" << "PostLogic" << "";
        QTest::newRow("CntFnc") << "CntFnc" << "CntFnc0" << "functions" << "CntFnc" << "CntFnc";
        QTest::newRow("DlyFnc") << "DlyFnc" << "DlyFnc0" << "functions" << "DlyFnc" << "DlyFnc";
        QTest::newRow("NonFnc") << "NonFnc" << "NonFnc0" << "functions" << "NonFnc" << "NonFnc";
        QTest::newRow("PreLabel") << "PreLabel" << "Label0" << "outputs:labelIn" << "PreLabel" << "";
        QTest::newRow("Label") << "Label" << "Label0" << "outputs:labelIn" << "Label" << "";
        QTest::newRow("NIM-OUT named") << "NIM-OUT5" << "NIM-OUT3" << "outputs" << "NIM-OUT3" << "NIM-OUT";
        QTest::newRow("NIM-OUT foreign name") << "NIM-OUT" << "Foo" << "outputs" << "NIM-OUT0" << "NIM-OUT";
        QTest::newRow("MsrCnt trimmed") << "MsrCnt" << " MsrCnt2 " << "outputs" << "MsrCnt2" << "MsrCnt";
        QTest::newRow("FeedBack") << "FeedBack" << "FeedBack0" << "outputs" << "FeedBack" << "FeedBack";
        QTest::newRow("feedback label") << "FeedBack3" << "FeedBack3" << "labels:label" << "FeedBack3" << "";
        QTest::newRow("pre-logic label") << "PreLabel2" << "Label2" << "labels:label" << "PreLabel2" << "";
        QTest::newRow("function label") << "Label4" << "Label4" << "labels:fncLabel" << "Label4" << "";
        QTest::newRow("Input") << "Input" << "NIM-IN-S3" << "inputs" << "Input" << "";
    }

    void termTable()
    {
        QFETCH(QString, term);
        QFETCH(QString, name);
        QFETCH(QString, list);
        QFETCH(QString, finalTerm);
        QFETCH(QString, counter);
        DesignDocument document;
        const ReadResult result = DocumentText::load(
            document, wrap(tab(0, entry(term, QStringLiteral("<id>0</id><name>%1</name>").arg(name)))));
        QVERIFY(result.ok);
        QCOMPARE(document.model().allBlocks().size(), 1);
        BlockItem *block = document.model().allBlocks().first();
        QCOMPARE(placeOf(document, block), list);
        QCOMPARE(block->term(), finalTerm);
        QVERIFY(document.sheets().sheet(0)->contains(block));
        if (!counter.isEmpty())
            QCOMPARE(document.resources().free(counter), document.resources().total(counter) - 1);
    }

    void unknownOrUnplaceableTermsAreSkipped_data()
    {
        QTest::addColumn<QString>("term");
        QTest::newRow("unknown") << "Bogus";
        QTest::newRow("label word inside") << "XLabel";
        QTest::newRow("lower case") << "prelogic";
    }

    void unknownOrUnplaceableTermsAreSkipped()
    {
        QFETCH(QString, term);
        DesignDocument document;
        const ReadResult result = DocumentText::load(
            document, wrap(tab(0, entry(term, idName(0, QStringLiteral("X"))))));
        QVERIFY(result.ok);
        QVERIFY(result.settingsApplied);
        QVERIFY(result.messages.isEmpty());
        QVERIFY(document.model().allBlocks().isEmpty());
    }

    void driverLookup_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("block");
        QTest::addColumn<QString>("connections");

        const QString input0 = entry("Input", idName(0, "NIM-IN-S0"));
        const QString preLogic = entry("PreLogic", idName(0, "PreLgc0"));
        const QString cntFnc = entry("CntFnc", idName(0, "CntFnc0"));
        const QString postLogic = entry("PostLogic", idName(0, "PstLgc0"));
        QTest::newRow("pre-logic from an input")
            << tab(0, input0 + entry("PreLogic", idName(0, "P") + net(2, "NIM-IN-S0")))
            << "P" << "2<-NIM-IN-S0";
        QTest::newRow("pre-logic ignores inputs of other sheets")
            << tab(0, input0) + tab(1, entry("PreLogic", idName(0, "P") + net(0, "NIM-IN-S0")))
            << "P" << "";
        QTest::newRow("pre-logic falls back to any block of its sheet")
            << tab(0, entry("FeedBack0", idName(0, "FeedBack0"))
                          + entry("PreLogic", idName(1, "P") + net(0, "FeedBack0")))
            << "P" << "0<-FeedBack0";
        QTest::newRow("pre-logic port beyond _K is ignored")
            << tab(0, input0 + entry("PreLogic", idName(0, "P") + net(11, "NIM-IN-S0")))
            << "P" << "";
        QTest::newRow("post-logic from a function")
            << tab(0, cntFnc + entry("PostLogic", idName(0, "Q") + net(4, "CntFnc0")))
            << "Q" << "4<-CntFnc0";
        QTest::newRow("post-logic from a function label")
            << tab(0, entry("Label7", idName(0, "Label7"))
                          + entry("PostLogic", idName(0, "Q") + net(0, "Label7")))
            << "Q" << "0<-Label7";
        QTest::newRow("post-logic ignores functions of other sheets")
            << tab(0, cntFnc) + tab(1, entry("PostLogic", idName(0, "Q") + net(0, "CntFnc0")))
            << "Q" << "";
        QTest::newRow("label from a function")
            << tab(0, cntFnc + entry("Label", idName(0, "Label1") + net(0, "CntFnc0")))
            << "Label1" << "0<-CntFnc0";
        QTest::newRow("function always on port 0")
            << tab(0, preLogic + entry("CntFnc", idName(0, "F") + net(5, "PreLgc0")))
            << "F" << "0<-PreLgc0";
        QTest::newRow("function from a feedback label")
            << tab(0, entry("FeedBack2", idName(0, "FeedBack2"))
                          + entry("DlyFnc", idName(0, "F") + net(0, "FeedBack2")))
            << "F" << "0<-FeedBack2";
        QTest::newRow("function from a label on another sheet")
            << tab(0, entry("PreLabel3", idName(0, "Label3")))
                   + tab(1, entry("CntFnc", idName(0, "F") + net(0, "Label3")))
            << "F" << "0<-Label3";
        QTest::newRow("pre-logic label from pre-logic")
            << tab(0, preLogic + entry("PreLabel", idName(0, "Label0") + net(0, "PreLgc0")))
            << "Label0" << "0<-PreLgc0";
        QTest::newRow("measure counter keeps GATE and SRC")
            << tab(0, postLogic + entry("PostLogic", idName(1, "PstLgc1"))
                          + entry("MsrCnt1", idName(0, "MsrCnt1") + net(0, "PstLgc1")
                                                 + net(1, "PstLgc0") + net(3, "PstLgc0")))
            << "MsrCnt1" << "0<-PstLgc1 1<-PstLgc0";
        QTest::newRow("output from post-logic")
            << tab(0, postLogic + entry("NIM-OUT2", idName(0, "NIM-OUT2") + net(0, "PstLgc0")))
            << "NIM-OUT2" << "0<-PstLgc0";
        QTest::newRow("feedback from post-logic")
            << tab(0, postLogic + entry("FeedBack", idName(0, "FeedBack0") + net(0, "PstLgc0")))
            << "FeedBack0" << "0<-PstLgc0";
        QTest::newRow("missing driver")
            << tab(0, entry("NIM-OUT2", idName(0, "NIM-OUT2") + net(0, "PstLgc9")))
            << "NIM-OUT2" << "";
        QTest::newRow("later net text wins")
            << tab(0, input0 + entry("Input", idName(1, "NIM-IN-S1"))
                          + entry("PreLogic", idName(0, "P") + net(0, "NIM-IN-S0") + net(0, "NIM-IN-S1")))
            << "P" << "0<-NIM-IN-S1";
    }

    void driverLookup()
    {
        QFETCH(QString, body);
        QFETCH(QString, block);
        QFETCH(QString, connections);
        DesignDocument document;
        const ReadResult result = DocumentText::load(document, wrap(body));
        QVERIFY2(result.ok, qPrintable(result.parseError));
        QCOMPARE(DocumentText::connectionsOf(document, block), connections);
        QCOMPARE(ConsistencyCheck::problem(document.context()), QString());
    }

    void functionInputsTakeConnectionCounters()
    {
        DesignDocument document;
        const QString body = entry("PreLogic", idName(0, "PreLgc0"))
                             + entry("FeedBack1", idName(1, "FeedBack1"))
                             + entry("CntFnc", idName(0, "CntFnc0") + net(0, "PreLgc0"))
                             + entry("DlyFnc", idName(1, "DlyFnc0") + net(0, "FeedBack1"))
                             + entry("NonFnc", idName(2, "NonFnc0") + net(0, "PreLgc0"));
        QVERIFY(DocumentText::load(document, wrap(tab(0, body))).ok);
        QCOMPARE(document.resources().free(QStringLiteral("PreLogicInfo")), 7);
        QCOMPARE(document.resources().free(QStringLiteral("FeedBackInfo")), 7);
        QCOMPARE(document.resources().free(QStringLiteral("PostLogicInfo")), 8);
    }

    void exhaustedResourcesDropEntriesAndLoadGoesOn()
    {
        QString body;
        for (int i = 0; i < 9; ++i)
            body += entry("CntFnc", idName(i, QStringLiteral("CntFnc%1").arg(i)));
        body += entry("PreLogic", idName(0, "PreLgc0"));
        DesignDocument document;
        const ReadResult result = DocumentText::load(document, wrap(tab(0, body)));
        QVERIFY(result.ok);
        QVERIFY(!result.settingsApplied);
        QCOMPARE(document.model().functionBlocks().size(), 8);
        QVERIFY(!document.model().findBlock(QStringLiteral("CntFnc8")));
        QVERIFY(document.model().findBlock(QStringLiteral("PreLgc0")));
    }

    void exhaustedConnectionCounterClearsSettingsApplied()
    {
        QString body = entry("PreLogic", idName(0, "PreLgc0"));
        for (int i = 0; i < 9; ++i) {
            const QString term = i % 2 ? QStringLiteral("DlyFnc") : QStringLiteral("CntFnc");
            body += entry(term, idName(i, term + QString::number(i)) + net(0, "PreLgc0"));
        }
        DesignDocument document;
        const ReadResult result = DocumentText::load(document, wrap(tab(0, body)));
        QVERIFY(!result.settingsApplied);
        QCOMPARE(document.resources().free(QStringLiteral("PreLogicInfo")), 0);
    }

    void noFreeInputIsReportedPerEntry()
    {
        QString body;
        for (int i = 0; i < 12; ++i)
            body += entry("Input", QStringLiteral("<id>%1</id>").arg(i));
        DesignDocument document;
        const ReadResult result = DocumentText::load(document, wrap(tab(0, body)));
        QVERIFY(result.ok);
        QCOMPARE(document.model().inputBlocks().size(), 10);
        QCOMPARE(result.messages, QStringList(2, QStringLiteral("There is no more Input resource.")));
    }

    void rootAttributes_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("timeout");
        QTest::addColumn<QString>("autoConnect");
        QTest::addColumn<quint32>("expectedTimeout");
        QTest::addColumn<bool>("expectedAutoConnect");
        QTest::addColumn<bool>("warned"); // clamped, with a message
        QTest::newRow("KaRiX") << "KaRiX" << "5" << "true" << 5u << true << false;
        QTest::newRow("Karix") << "Karix" << "2" << "false" << 2u << false << false;
        QTest::newRow("Tarvelon") << "Tarvelon" << "1" << "true" << 1u << true << false;
        QTest::newRow("timeout 0 is 1") << "KaRiX" << "0" << "true" << 1u << true << false;
        QTest::newRow("unparsable timeout is 1") << "KaRiX" << "soon" << "true" << 1u << true << false;
        QTest::newRow("largest timeout") << "KaRiX" << "3600" << "true" << 3600u << true << false;
        QTest::newRow("huge timeout clamped") << "KaRiX" << "300000000" << "true" << 3600u << true
                                              << true;
        QTest::newRow("beyond 64 bits clamped") << "KaRiX" << "99999999999999999999" << "true"
                                                << 3600u << true << true;
        QTest::newRow("negative timeout is the default") << "KaRiX" << "-1" << "true" << 1u << true
                                                         << true;
        QTest::newRow("TRUE is false") << "KaRiX" << "1" << "TRUE" << 1u << false << false;
    }

    void rootAttributes()
    {
        QFETCH(QString, root);
        QFETCH(QString, timeout);
        QFETCH(QString, autoConnect);
        QFETCH(quint32, expectedTimeout);
        QFETCH(bool, expectedAutoConnect);
        QFETCH(bool, warned);
        const QByteArray bytes =
            QStringLiteral("<%1 addr=\"127.0.0.1\" tcpPort=\"2424\" udpPort=\"x\" Timeout=\"%2\" "
                           "autoConnect=\"%3\"><tab id=\"0\" name=\"A\"/></%1>")
                .arg(root, timeout, autoConnect)
                .toUtf8();
        DesignDocument document;
        const ReadResult result = DocumentText::load(document, bytes);
        QVERIFY(result.ok);
        const ConnectionSettings &settings = document.settings();
        QCOMPARE(settings.address, QStringLiteral("127.0.0.1"));
        QCOMPARE(settings.tcpPort, quint16(2424));
        QCOMPARE(settings.udpPort, quint16(0));
        QCOMPARE(settings.timeout, expectedTimeout);
        QCOMPARE(settings.autoConnect, expectedAutoConnect);
        const QStringList expectedMessages{
            QStringLiteral("Time-out %1 is out of range (1 to 3600 seconds); %2 is used.")
                .arg(timeout)
                .arg(expectedTimeout)};
        QCOMPARE(result.messages, warned ? expectedMessages : QStringList());
        QVERIFY(result.repairs.isEmpty());
    }

    // The design loads, but differs from the file: each change is a repair.
    void repairsAreReported_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("repair");
        const QString input0 = entry("Input", idName(0, "NIM-IN-S0"));
        QTest::newRow("counter named by a number")
            << entry("MsrCnt", idName(0, "2147483648")) << "MsrCnt entry '2147483648' renamed to MsrCnt0";
        QTest::newRow("output with a foreign name")
            << entry("NIM-OUT3", idName(0, "Foo")) << "NIM-OUT entry 'Foo' renamed to NIM-OUT0";
        QTest::newRow("duplicate id")
            << entry("PreLogic", idName(0, "PreLgc0")) + entry("PreLogic", idName(0, "PreLgc1"))
            << "PreLogic entry 'PreLgc1' moved from row 0 to row 1";
        QTest::newRow("port -1")
            << input0 + entry("PreLogic", idName(0, "PreLgc0") + net(-1, "NIM-IN-S0"))
            << "PreLgc0: the input from 'NIM-IN-S0' names port -1, which it does not have; left out";
        QString nineFunctions;
        for (int i = 0; i < 9; ++i)
            nineFunctions += entry("CntFnc", idName(i, QStringLiteral("CntFnc%1").arg(i)));
        QTest::newRow("no free resource")
            << nineFunctions << "CntFnc entry 'CntFnc8' left out: no free resource";
    }

    void repairsAreReported()
    {
        QFETCH(QString, body);
        QFETCH(QString, repair);
        DesignDocument document;
        const ReadResult result = DocumentText::load(document, wrap(tab(0, body)));
        QVERIFY(result.ok);
        QCOMPARE(result.repairs, QStringList{repair});
        QVERIFY(result.messages.contains(repair));
    }

    void unknownRootFailsWithoutParseError()
    {
        DesignDocument document;
        const ReadResult result = DocumentText::load(document, "<Other><tab id=\"0\" name=\"A\"/></Other>");
        QVERIFY(!result.ok);
        QVERIFY(result.noRoot);
        QVERIFY(result.parseError.isEmpty());
    }

    void tabIdCreatesMissingSheets()
    {
        DesignDocument document;
        QVERIFY(DocumentText::load(document, wrap(QStringLiteral("<tab id=\"3\" name=\"Last\"/>"
                                                                  "<tab id=\"3\" name=\"Final\"/>"))).ok);
        QCOMPARE(document.sheets().count(), 4);
        QCOMPARE(document.sheets().sheet(1)->caption(), QStringLiteral("Sheet2"));
        QCOMPARE(document.sheets().sheet(2)->caption(), QStringLiteral("Sheet3"));
        QCOMPARE(document.sheets().sheet(3)->caption(), QStringLiteral("Final"));
    }

    void entryBeforeAnyTabGoesToSheetZero()
    {
        DesignDocument document;
        QVERIFY(DocumentText::load(document, wrap(entry("PreLogic", idName(2, "P")))).ok);
        const BlockItem *block = document.model().findBlock(QStringLiteral("P"));
        QVERIFY(block && block->sheet() == 0 && block->id() == 2);
    }

    void keyCapture()
    {
        DesignDocument document;
        const QString children = QStringLiteral("<id>0</id><name>  P  </name><userName>  u </userName>"
                                                "<x>5</x><y>9</y><logic>_A</logic>"
                                                "<wire bit=\"1\">NIM-IN-S0</wire>");
        QVERIFY(DocumentText::load(document, wrap(entry("Input", idName(0, "NIM-IN-S0"))
                                                  + entry("PreLogic", children))).ok);
        const BlockItem *block = document.model().findBlock(QStringLiteral("P"));
        QVERIFY(block);
        QCOMPARE(block->userName(), QStringLiteral("  u "));
        QCOMPARE(block->property(), QStringLiteral("_A"));
        QCOMPARE(DocumentText::connectionsOf(document, QStringLiteral("P")), QStringLiteral("1<-NIM-IN-S0"));
    }

    void invalidEntriesStopWithParseError_data()
    {
        QTest::addColumn<QString>("children");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("message");
        const QString consumer = QStringLiteral("error triggered by consumer.");
        QTest::newRow("missing id") << "<name>P</name>" << "PreLogic" << consumer;
        QTest::newRow("non-numeric id") << "<id>one</id><name>P</name>" << "PreLogic" << consumer;
        QTest::newRow("negative id") << "<id>-2</id><name>P</name>" << "PreLogic" << consumer;
        QTest::newRow("empty term") << "<id>0</id><name>P</name>" << "" << consumer;
        QTest::newRow("long expression")
            << "<id>0</id><name>P</name><property>" + QStringLiteral(" _A or").repeated(3000)
                   + " _A</property>"
            << "PostLogic" << "P: The expression is longer than 16384 characters.";
    }

    void invalidEntriesStopWithParseError()
    {
        QFETCH(QString, children);
        QFETCH(QString, term);
        QFETCH(QString, message);
        DesignDocument document;
        const QByteArray bytes = wrap(entry("Input", idName(0, "NIM-IN-S0")) + entry(term, children)
                                      + entry("Input", idName(1, "NIM-IN-S1")));
        const ReadResult result = DocumentText::load(document, bytes);
        QVERIFY(!result.ok);
        QVERIFY(result.parseError.startsWith(QStringLiteral("Parse error at line 4, column ")));
        QVERIFY2(result.parseError.endsWith(":\n" + message), qPrintable(result.parseError.right(80)));
        QCOMPARE(document.model().allBlocks().size(), 1);
    }

    void malformedXmlReportsLineAndColumn()
    {
        DesignDocument document;
        const ReadResult result = DocumentText::load(document, "<KaRiX>\n  <tab id=\"0\">\n</KaRiX>");
        QVERIFY(!result.ok);
        QVERIFY(result.parseError.startsWith(QStringLiteral("Parse error at line 3, column ")));
    }

    void unusableOrTakenRowsMoveToTheLowestFreeRow_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("row");
        QTest::newRow("beyond the canvas")
            << entry("PreLogic", idName(14, "P")) << 0;
        QTest::newRow("taken twice")
            << entry("PreLogic", idName(0, "PreLgc0")) + entry("PreLogic", idName(0, "P")) << 1;
    }

    void unusableOrTakenRowsMoveToTheLowestFreeRow()
    {
        QFETCH(QString, body);
        QFETCH(int, row);
        DesignDocument document;
        const ReadResult result = DocumentText::load(document, wrap(tab(0, body)));
        QVERIFY(result.ok);
        QVERIFY(!result.settingsApplied);
        QCOMPARE(document.model().findBlock(QStringLiteral("P"))->id(), row);
        QCOMPARE(ConsistencyCheck::problem(document.context()), QString());
    }

    void fullColumnDropsTheEntry()
    {
        QString body;
        for (int i = 0; i < 15; ++i)
            body += entry("PostLogic", idName(i, QStringLiteral("PstLgc%1").arg(i)));
        DesignDocument document;
        const ReadResult result = DocumentText::load(document, wrap(tab(0, body)));
        QVERIFY(!result.settingsApplied);
        QCOMPARE(document.model().postLogics().size(), 14);
        QCOMPARE(ConsistencyCheck::problem(document.context()), QString());
    }

    void sheetIdsOutOfRangeFail_data()
    {
        QTest::addColumn<QString>("id");
        QTest::newRow("negative") << "-1";
        QTest::newRow("huge") << "100000000";
    }

    void sheetIdsOutOfRangeFail()
    {
        QFETCH(QString, id);
        DesignDocument document;
        const ReadResult result =
            DocumentText::load(document, wrap(QStringLiteral("<tab id=\"%1\" name=\"x\"/>").arg(id)));
        QVERIFY(!result.ok);
        QVERIFY(result.parseError.contains(QStringLiteral("sheet id")));
        QCOMPARE(document.sheets().count(), 1);
    }
};

KARIX_TEST(DocumentReaderTest)
#include "tst_documentreader.moc"
