// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "consistencycheck.h"
#include "designmaker.h"
#include "documenttext.h"

#include "io/clipboardfragment.h"
#include "io/designdocument.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/labelregistry.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QTest>

class ClipboardFragmentTest : public QObject
{
    Q_OBJECT

private:
    // Names of the blocks on a sheet, column by column.
    static QStringList namesOn(DesignDocument &document, int sheet)
    {
        QStringList names;
        for (const BlockItem *block : document.sheets().sheet(sheet)->blocks())
            names.append(block->name());
        return names;
    }

    static PasteResult copyAndPaste(DesignDocument &document, const QList<BlockItem *> &blocks,
                                    int sheet)
    {
        document.sheets().ensureSheet(sheet);
        const PasteResult result = ClipboardFragment::paste(
            document.context(), sheet, ClipboardFragment::write(blocks));
        const QString problem = ConsistencyCheck::problem(document.context());
        if (!problem.isEmpty())
            qWarning("%s", qPrintable(problem));
        return result;
    }

private slots:
    void writesEntriesAtLevelOne()
    {
        DesignDocument document;
        DesignMaker maker(document);
        BlockItem *input = maker.add(0, QStringLiteral("Input"), QStringLiteral("NIM-IN-S2"));
        BlockItem *logic = maker.add(0, QStringLiteral("PreLogic"), QString(), QString(),
                                     QStringLiteral("_A & _B"));
        maker.connect(logic, 0, input);
        QCOMPARE(ClipboardFragment::write({logic}),
                 QStringLiteral("<KaRiX_Copy_Items>\n"
                                "    <entry term=\"PreLogic\">\n"
                                "        <id>0</id>\n"
                                "        <name>PreLgc0</name>\n"
                                "        <net port=\"0\">NIM-IN-S2</net>\n"
                                "        <property>_A &amp; _B</property>\n"
                                "    </entry>\n"
                                "</KaRiX_Copy_Items>\n"));
        QCOMPARE(ClipboardFragment::write({}),
                 QStringLiteral("<KaRiX_Copy_Items>\n</KaRiX_Copy_Items>\n"));
    }

    void recognition_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fragment");
        QTest::newRow("fragment") << "<KaRiX_Copy_Items>\n</KaRiX_Copy_Items>\n" << true;
        QTest::newRow("no line feed") << "<KaRiX_Copy_Items></KaRiX_Copy_Items>" << false;
        QTest::newRow("carriage return") << "<KaRiX_Copy_Items>\r\n" << false;
        QTest::newRow("leading blank") << " <KaRiX_Copy_Items>\n" << false;
        QTest::newRow("other text") << "hello" << false;
    }

    void recognition()
    {
        QFETCH(QString, text);
        QFETCH(bool, fragment);
        QCOMPARE(ClipboardFragment::isFragment(text), fragment);
    }

    void pastedBlockGetsTheNextFreeName()
    {
        DesignDocument document;
        DesignMaker maker(document);
        BlockItem *logic = maker.add(0, QStringLiteral("PreLogic"), QString(), QString(),
                                     QStringLiteral("_A or _B"));
        maker.add(0, QStringLiteral("PreLogic"), QStringLiteral("PreLgc2"));
        const PasteResult result = copyAndPaste(document, {logic}, 0);
        QVERIFY(result.messages.isEmpty());
        QCOMPARE(result.blocks.size(), 1);
        QCOMPARE(result.blocks.first()->name(), QStringLiteral("PreLgc1"));
        QCOMPARE(result.blocks.first()->property(), QStringLiteral("_A or _B"));
        QCOMPARE(result.blocks.first()->id(), 2);
    }

    void driversInsideTheCopiedSetAreTranslated()
    {
        DesignDocument document;
        DesignMaker maker(document);
        BlockItem *input = maker.add(0, QStringLiteral("Input"));
        BlockItem *logic = maker.add(0, QStringLiteral("PreLogic"));
        maker.connect(logic, 0, input);
        const PasteResult result = copyAndPaste(document, {input, logic}, 0);
        QCOMPARE(result.blocks.size(), 2);
        QCOMPARE(result.blocks.at(0)->name(), QStringLiteral("NIM-IN-S1"));
        QCOMPARE(DocumentText::connectionsOf(document, QStringLiteral("PreLgc1")),
                 QStringLiteral("0<-NIM-IN-S1"));
    }

    void driversOutsideTheCopiedSetAreFoundOnTheTargetSheet()
    {
        DesignDocument document;
        DesignMaker maker(document);
        BlockItem *input = maker.add(0, QStringLiteral("Input"), QStringLiteral("NIM-IN-S4"));
        BlockItem *logic = maker.add(0, QStringLiteral("PreLogic"));
        maker.connect(logic, 0, input);
        maker.add(1, QStringLiteral("Input"), QStringLiteral("NIM-IN-S4"));
        copyAndPaste(document, {logic}, 1);
        const BlockItem *pasted = document.sheets().sheet(1)->blockAt(SheetColumn::PreLogic, 0);
        QVERIFY(pasted);
        QCOMPARE(pasted->inputs().value(0)->sheet(), 1);

        copyAndPaste(document, {logic}, 2);
        const BlockItem *unconnected = document.sheets().sheet(2)->blockAt(SheetColumn::PreLogic, 0);
        QVERIFY(unconnected && unconnected->inputs().isEmpty());
    }

    void inputConnectorNames_data()
    {
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("pastedName");
        QTest::addColumn<QString>("pastedUserName");
        QTest::newRow("BNC-IN becomes S0") << "BNC-IN" << "" << "NIM-IN-S0" << "";
        QTest::newRow("taken name takes the next number") << "NIM-IN-S0" << "" << "NIM-IN-S1" << "";
        QTest::newRow("user name of a renamed connector is dropped")
            << "NIM-IN-S0" << "Trigger" << "NIM-IN-S1" << "";
    }

    void inputConnectorNames()
    {
        QFETCH(QString, copied);
        QFETCH(QString, userName);
        QFETCH(QString, pastedName);
        QFETCH(QString, pastedUserName);
        DesignDocument document;
        DesignMaker maker(document);
        BlockItem *input = maker.add(0, QStringLiteral("Input"), copied, userName);
        const PasteResult result = copyAndPaste(document, {input}, 1);
        QCOMPARE(result.blocks.size(), 1);
        QCOMPARE(result.blocks.first()->name(), pastedName);
        QCOMPARE(result.blocks.first()->userName(), pastedUserName);
    }

    void allConnectorNamesTakenLeavesTheChoiceToTheModel()
    {
        DesignDocument document;
        DesignMaker maker(document);
        for (int i = 0; i < 8; ++i)
            maker.add(0, QStringLiteral("Input"), QStringLiteral("NIM-IN-S%1").arg(i));
        BlockItem *logic = maker.add(0, QStringLiteral("PreLogic"));
        maker.connect(logic, 0, document.model().inputBlocks().first());
        const PasteResult result = copyAndPaste(document, {document.model().inputBlocks().first(), logic}, 0);
        QCOMPARE(result.blocks.size(), 2);
        QCOMPARE(result.blocks.first()->name(), QStringLiteral("NIM-IN-M"));
        QCOMPARE(DocumentText::connectionsOf(document, QStringLiteral("PreLgc1")),
                 QStringLiteral("0<-NIM-IN-M"));
    }

    void userNamesAreMadeUnique()
    {
        DesignDocument document;
        DesignMaker maker(document);
        BlockItem *logic = maker.add(0, QStringLiteral("PostLogic"), QString(), QStringLiteral("Veto"));
        BlockItem *same = maker.add(0, QStringLiteral("PostLogic"), QString(), QStringLiteral("PstLgc1"));
        const PasteResult result = copyAndPaste(document, {logic, same}, 0);
        QCOMPARE(result.blocks.size(), 2);
        QCOMPARE(result.blocks.at(0)->userName(), QStringLiteral("Veto0"));
        QCOMPARE(result.blocks.at(1)->userName(), QString());
    }

    void proposedNamesNeverCollide()
    {
        DesignDocument document;
        DesignMaker maker(document);
        BlockItem *first = maker.add(0, QStringLiteral("CntFnc"));
        BlockItem *second = maker.add(1, QStringLiteral("CntFnc"), QStringLiteral("CntFnc1"));
        document.model().removeBlock(second);
        BlockItem *copy = maker.add(0, QStringLiteral("CntFnc"), QStringLiteral("CntFnc1"));
        document.model().removeBlock(copy);
        // Fragment of CntFnc0 and CntFnc1 pasted while only CntFnc0 exists:
        // the first becomes CntFnc1, so the second must move on.
        const QString fragment = QStringLiteral(
            "<KaRiX_Copy_Items>\n"
            "<entry term=\"CntFnc\"><id>0</id><name>CntFnc0</name></entry>\n"
            "<entry term=\"CntFnc\"><id>1</id><name>CntFnc1</name></entry>\n"
            "<entry term=\"PostLogic\"><id>0</id><name>PstLgc7</name>"
            "<net port=\"0\">CntFnc0</net><net port=\"1\">CntFnc1</net></entry>\n"
            "</KaRiX_Copy_Items>\n");
        Q_UNUSED(first);
        const PasteResult result = ClipboardFragment::paste(document.context(), 0, fragment);
        QCOMPARE(result.blocks.size(), 3);
        QCOMPARE(result.blocks.at(0)->name(), QStringLiteral("CntFnc1"));
        QCOMPARE(result.blocks.at(1)->name(), QStringLiteral("CntFnc2"));
        QCOMPARE(DocumentText::connectionsOf(document, QStringLiteral("PstLgc7")),
                 QStringLiteral("0<-CntFnc1 1<-CntFnc2"));
    }

    // Entries of one name (a hand-edited fragment) become blocks of their own
    // names, and a driver name means the latest entry of that name.
    void entriesSharingANameGetNamesOfTheirOwn()
    {
        DesignDocument document;
        DesignMaker maker(document);
        maker.add(0, QStringLiteral("PreLogic"));
        QString fragment = QStringLiteral("<KaRiX_Copy_Items>\n");
        for (int i = 0; i < 3; ++i) {
            fragment += QStringLiteral(
                "<entry term=\"PreLogic\"><id>0</id><name>PreLgc0</name><property>_A</property></entry>\n"
                "<entry term=\"NonFnc\"><id>0</id><name>NonFnc0</name><net port=\"0\">PreLgc0</net></entry>\n");
        }
        const PasteResult result = ClipboardFragment::paste(document.context(), 0,
                                                            fragment + "</KaRiX_Copy_Items>\n");
        QCOMPARE(result.blocks.size(), 6);
        QCOMPARE(namesOn(document, 0), QStringList({"PreLgc0", "PreLgc1", "PreLgc2", "PreLgc3",
                                                    "NonFnc0", "NonFnc1", "NonFnc2"}));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(DocumentText::connectionsOf(document, QStringLiteral("NonFnc%1").arg(i)),
                     QStringLiteral("0<-PreLgc%1").arg(i + 1));
    }

    void feedbackLabelsFollowTheirPastedFeedback()
    {
        DesignDocument document;
        DesignMaker maker(document);
        BlockItem *post = maker.add(0, QStringLiteral("PostLogic"));
        BlockItem *feedback = maker.add(0, QStringLiteral("FeedBack"));
        maker.connect(feedback, 0, post);
        BlockItem *label = maker.add(0, QStringLiteral("FeedBack0"), QStringLiteral("FeedBack0"));
        BlockItem *delay = maker.add(0, QStringLiteral("DlyFnc"));
        maker.connect(delay, 0, label);
        const PasteResult result = copyAndPaste(document, {label, delay, feedback}, 0);
        QVERIFY(result.messages.isEmpty());
        QCOMPARE(result.blocks.size(), 3);
        QCOMPARE(result.blocks.at(0)->term(), QStringLiteral("FeedBack1"));
        QCOMPARE(result.blocks.at(0)->name(), QStringLiteral("FeedBack1"));
        QCOMPARE(DocumentText::connectionsOf(document, QStringLiteral("DlyFnc1")),
                 QStringLiteral("0<-FeedBack1"));
        QCOMPARE(result.blocks.at(2)->name(), QStringLiteral("FeedBack1"));
        QVERIFY(document.labels().find(QStringLiteral("FeedBack1")));
    }

    void referenceLabelAlreadyOnTheSheetIsNotPastedAgain()
    {
        DesignDocument document;
        DesignMaker maker(document);
        maker.add(0, QStringLiteral("Label"), QStringLiteral("Label3"));
        BlockItem *reference = maker.add(1, QStringLiteral("Label3"), QStringLiteral("Label3"));
        QVERIFY(reference);
        QVERIFY(copyAndPaste(document, {reference}, 1).blocks.isEmpty());
        QCOMPARE(copyAndPaste(document, {reference}, 2).blocks.size(), 1);
        QVERIFY(copyAndPaste(document, {reference}, 2).blocks.isEmpty());
    }

    void fullSheetReportsEachEntryWithoutRoom()
    {
        DesignDocument document;
        DesignMaker maker(document);
        for (int row = 0; row < 14; ++row)
            maker.add(0, QStringLiteral("PreLogic"));
        const QList<BlockItem *> copied = document.sheets().sheet(0)->blocks().mid(0, 2);
        const PasteResult result = copyAndPaste(document, copied, 0);
        QVERIFY(result.blocks.isEmpty());
        QCOMPARE(result.messages, QStringList(2, QStringLiteral("There's not enough space.")));
    }

    void outputsTakeTheNextFreeResourceName()
    {
        DesignDocument document;
        DesignMaker maker(document);
        BlockItem *post = maker.add(0, QStringLiteral("PostLogic"));
        BlockItem *counter = maker.add(0, QStringLiteral("MsrCnt"), QString(), QString(),
                                       QStringLiteral("Mode=1 Unit=sec FileSave=false PATH=/tmp"));
        maker.connect(counter, 1, post);
        const PasteResult result = copyAndPaste(document, {post, counter}, 0);
        QCOMPARE(result.blocks.size(), 2);
        QCOMPARE(result.blocks.at(1)->name(), QStringLiteral("MsrCnt1"));
        QCOMPARE(result.blocks.at(1)->term(), QStringLiteral("MsrCnt1"));
        QCOMPARE(DocumentText::connectionsOf(document, QStringLiteral("MsrCnt1")),
                 QStringLiteral("1<-PstLgc1"));
    }

    void malformedFragmentKeepsWhatWasCreated()
    {
        DesignDocument document;
        const QString fragment = QStringLiteral(
            "<KaRiX_Copy_Items>\n"
            "<entry term=\"PreLogic\"><id>0</id><name>PreLgc0</name></entry>\n"
            "<entry term=\"PreLogic\"><id>1</id><name>PreLgc1</name>\n");
        const PasteResult result = ClipboardFragment::paste(document.context(), 0, fragment);
        QVERIFY(result.parseError.startsWith(QStringLiteral("Parse error at line ")));
        QCOMPARE(result.blocks.size(), 1);
    }

    void fragmentNeverChangesSettingsOrSheets()
    {
        DesignDocument document;
        document.settings().address = QStringLiteral("127.0.0.1");
        const QString fragment = QStringLiteral(
            "<KaRiX_Copy_Items>\n"
            "<KaRiX addr=\"127.0.0.2\" tcpPort=\"1\" udpPort=\"2\" Timeout=\"3\" autoConnect=\"false\">"
            "<tab id=\"5\" name=\"x\"><entry term=\"PreLogic\"><id>0</id><name>P</name></entry></tab>"
            "</KaRiX>\n</KaRiX_Copy_Items>\n");
        const PasteResult result = ClipboardFragment::paste(document.context(), 0, fragment);
        QCOMPARE(result.blocks.size(), 1);
        QCOMPARE(document.settings().address, QStringLiteral("127.0.0.1"));
        QCOMPARE(document.sheets().count(), 1);
    }

    void namesOutsideLatin1SurviveThePaste()
    {
        DesignDocument document;
        DesignMaker maker(document);
        BlockItem *logic = maker.add(0, QStringLiteral("PostLogic"), QString(), QStringLiteral("Zähler €"));
        document.model().removeBlock(logic);
        const QString fragment = QStringLiteral(
            "<KaRiX_Copy_Items>\n<entry term=\"PostLogic\"><id>0</id><name>PstLgc0</name>"
            "<userName>Zähler €</userName></entry>\n</KaRiX_Copy_Items>\n");
        const PasteResult result = ClipboardFragment::paste(document.context(), 0, fragment);
        QCOMPARE(result.blocks.size(), 1);
        QCOMPARE(result.blocks.first()->userName(), QStringLiteral("Zähler €"));
        QCOMPARE(namesOn(document, 0), QStringList{QStringLiteral("PstLgc0")});
    }
};

KARIX_TEST(ClipboardFragmentTest)
#include "tst_clipboardfragment.moc"
