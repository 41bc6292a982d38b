// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"

#include "io/designdocument.h"
#include "io/documentreader.h"
#include "io/documentwriter.h"
#include "model/blockitem.h"
#include "model/designedits.h"
#include "model/designmodel.h"
#include "model/labelregistry.h"
#include "model/resourcecounters.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// term, row, name, driver of port 0 (may be empty), user name (may be empty)
using EntryLine = std::tuple<const char *, int, const char *, const char *, const char *>;

QString entry(const EntryLine &line)
{
    const auto &[term, row, name, driver, userName] = line;
    QString text = QStringLiteral("<entry term=\"%1\"><id>%2</id><name>%3</name>").arg(term).arg(row).arg(name);
    if (*userName)
        text += QStringLiteral("<userName>%1</userName>").arg(userName);
    if (*driver)
        text += QStringLiteral("<net port=\"0\">%1</net>").arg(driver);
    return text + QStringLiteral("</entry>\n");
}

using SheetLines = std::pair<QString, QList<EntryLine>>; // caption, entries

QByteArray document(const QList<SheetLines> &sheets)
{
    QString text = QStringLiteral("<KaRiX addr=\"127.0.0.1\" tcpPort=\"24\" udpPort=\"4660\" "
                                  "Timeout=\"1\" autoConnect=\"false\">\n");
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        text += QStringLiteral("<tab id=\"%1\" name=\"%2\">\n").arg(i).arg(sheets.at(i).first);
        for (const EntryLine &line : sheets.at(i).second)
            text += entry(line);
        text += QStringLiteral("</tab>\n");
    }
    return (text + QStringLiteral("</KaRiX>\n")).toUtf8();
}

// A label and a feedback path defined on sheet 0 and used on sheet 1, every
// kind of connection unit, outputs and counters on every sheet.
const SheetLines sheet0 = {"Main", {
    {"Input", 0, "NIM-IN-S0", "", "Trig"},    {"PreLogic", 0, "PreLgc0", "NIM-IN-S0", ""},
    {"PreLabel", 0, "Label0", "PreLgc0", ""}, {"CntFnc", 1, "CntFnc0", "PreLgc0", ""},
    {"PostLogic", 0, "PstLgc0", "CntFnc0", ""}, {"FeedBack", 0, "FeedBack0", "PstLgc0", ""},
}};
const SheetLines sheet1 = {"Users", {
    {"Input", 0, "NIM-IN-S0", "", "Trig"},   {"PreLogic", 0, "PreLgc1", "NIM-IN-S0", ""},
    {"FeedBack0", 1, "FeedBack0", "", ""},    {"PreLabel0", 2, "Label0", "", ""},
    {"DlyFnc", 0, "DlyFnc0", "PreLgc1", ""},  {"CntFnc", 1, "CntFnc1", "FeedBack0", ""},
    {"DlyFnc", 2, "DlyFnc1", "Label0", ""},   {"NonFnc", 3, "NonFnc0", "PreLgc1", ""},
    {"PostLogic", 0, "PstLgc1", "DlyFnc0", ""}, {"NIM-OUT0", 0, "NIM-OUT0", "PstLgc1", ""},
    {"MsrCnt1", 1, "MsrCnt1", "PstLgc1", ""},
}};
const SheetLines sheet2 = {"Counters", {
    {"Input", 0, "NIM-IN-S1", "", ""},       {"PreLogic", 0, "PreLgc2", "NIM-IN-S1", ""},
    {"FeedBack0", 1, "FeedBack0", "", ""},   {"CntFnc", 0, "CntFnc2", "FeedBack0", ""},
    {"PostLogic", 0, "PstLgc2", "CntFnc2", ""}, {"MsrCnt0", 0, "MsrCnt0", "PstLgc2", ""},
}};

void load(DesignDocument &document, const QByteArray &bytes)
{
    QVERIFY(DocumentReader(document.context()).read(bytes).ok);
}

QMap<QString, int> freeCounts(DesignDocument &document)
{
    QMap<QString, int> counts;
    for (const QString &kind : document.resources().kinds())
        counts.insert(kind, document.resources().free(kind));
    return counts;
}

BlockItem *block(DesignDocument &document, const QString &name, int sheet)
{
    return document.model().findBlock(name, sheet);
}

} // namespace

class TestDesignEdits : public QObject
{
    Q_OBJECT

private slots:
    // Deleting a sheet leaves the design a document without that sheet
    // would load as: blocks, wires, counters and label-bar presence.
    void deleteSheetEqualsDocumentWithoutIt_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("first") << 0;
        QTest::newRow("middle") << 1;
        QTest::newRow("last") << 2;
    }

    void deleteSheetEqualsDocumentWithoutIt()
    {
        QFETCH(int, index);
        QList<SheetLines> sheets = {sheet0, sheet1, sheet2};
        DesignDocument edited;
        load(edited, document(sheets));
        QVERIFY(edited.edits().deleteSheet(index));

        sheets.removeAt(index);
        DesignDocument expected;
        load(expected, document(sheets));
        QCOMPARE(DocumentWriter(edited.context()).toBytes(),
                 DocumentWriter(expected.context()).toBytes());
        QCOMPARE(freeCounts(edited), freeCounts(expected));
        QCOMPARE(edited.sheets().count(), 2);
        for (int sheet = 0; sheet < 2; ++sheet) {
            QCOMPARE(edited.sheets().sheet(sheet)->index(), sheet);
            for (const QString name : {"FeedBack0", "Label0"})
                QCOMPARE(edited.labels().isPresent(name, sheet), expected.labels().isPresent(name, sheet));
        }
    }

    void lastSheetIsNotDeleted()
    {
        DesignDocument document;
        QVERIFY(!document.edits().deleteSheet(0));
        QVERIFY(!document.edits().deleteSheet(3));
        QCOMPARE(document.sheets().count(), 1);
    }

    void deleteBlockGivesBackItsUnits()
    {
        DesignDocument document;
        load(document, ::document({sheet0, sheet1}));
        const QMap<QString, int> before = freeCounts(document);
        // The feedback block holds its unit; the counter it feeds on sheet 1
        // holds a feedback line through the reference.
        document.edits().deleteBlock(block(document, "CntFnc1", 1));
        QCOMPARE(document.resources().free("FeedBackInfo"), before.value("FeedBackInfo") + 1);
        QCOMPARE(document.resources().free("CntFnc"), before.value("CntFnc") + 1);
        QCOMPARE(document.resources().free("PostLogicInfo"), before.value("PostLogicInfo") + 1);

        document.edits().deleteBlock(block(document, "FeedBack0", 1));
        QVERIFY(!document.labels().isPresent("FeedBack0", 1));
        document.edits().deleteBlock(block(document, "FeedBack0", 0));
        QCOMPARE(document.resources().free("FeedBack"), before.value("FeedBack") + 1);
        QVERIFY(!document.labels().find("FeedBack0"));
        // A label deleted together with its references leaves no entry.
        document.edits().deleteBlocks({block(document, "Label0", 0), block(document, "Label0", 1)});
        QVERIFY(!document.labels().find("Label0"));
        QVERIFY(!document.sheets().sheet(0)->blockAt(SheetColumn::Output, 0));
    }

    void renameSpreadsToEveryBlockOfTheName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("sheet");
        QTest::addColumn<int>("sharing"); // blocks of that name on both sheets
        QTest::newRow("label from its reference") << "Label0" << 1 << 2;
        QTest::newRow("feedback from its definition") << "FeedBack0" << 0 << 2;
        QTest::newRow("input connector") << "NIM-IN-S0" << 1 << 2;
        QTest::newRow("logic stays alone") << "PreLgc1" << 1 << 1;
    }

    void renameSpreadsToEveryBlockOfTheName()
    {
        QFETCH(QString, name);
        QFETCH(int, sheet);
        QFETCH(int, sharing);
        DesignDocument document;
        load(document, ::document({sheet0, sheet1}));
        QSignalSpy changed(&document.model(), &DesignModel::blockChanged);
        document.edits().renameBlock(block(document, name, sheet), "Veto");
        int renamed = 0;
        for (const BlockItem *other : document.model().allBlocks())
            renamed += other->userName() == "Veto" ? 1 : 0;
        QCOMPARE(renamed, sharing);
        QCOMPARE(changed.size(), sharing);
        if (const LabelRegistry::Entry *entry = document.labels().find(name))
            QCOMPARE(entry->userName, QString("Veto"));
    }

    void placeBlockRefusesWithoutChange()
    {
        DesignDocument document;
        DesignEdits &edits = document.edits();
        QVERIFY(edits.placeBlock("CntFnc", 0, 2));
        const QMap<QString, int> before = freeCounts(document);
        QVERIFY(!edits.placeBlock("DlyFnc", 0, 2));   // row taken
        QVERIFY(!edits.placeBlock("PreLogic", 0, 14)); // beyond the canvas
        QVERIFY(!edits.placeBlock("PreLogic", 1, 0));  // no such sheet
        QCOMPARE(freeCounts(document), before);
        QCOMPARE(document.model().allBlocks().size(), 1);
        for (int unit = 0; unit < 4; ++unit)
            QVERIFY(edits.placeBlock("MsrCnt", 0, unit));
        QVERIFY(!edits.placeBlock("MsrCnt", 0, 5)); // all four units taken
        QCOMPARE(document.resources().free("MsrCnt"), 0);
    }

    void outputMovesToAFreeUnitOnly()
    {
        DesignDocument document;
        DesignEdits &edits = document.edits();
        BlockItem *first = edits.placeBlock("NIM-OUT", 0, 0);
        BlockItem *second = edits.placeBlock("NIM-OUT", 0, 1);
        QVERIFY(edits.moveToResource(first, "NIM-OUT5"));
        QCOMPARE(first->term(), QString("NIM-OUT5"));
        QCOMPARE(first->name(), QString("NIM-OUT5"));
        QVERIFY(!edits.moveToResource(second, "NIM-OUT5"));
        QCOMPARE(second->name(), QString("NIM-OUT1"));
    }
};

KARIX_TEST(TestDesignEdits)
#include "tst_designedits.moc"
