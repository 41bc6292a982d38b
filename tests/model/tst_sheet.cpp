// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"

#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/placement.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(SheetColumn)

class SheetTest : public QObject
{
    Q_OBJECT

private slots:
    void placementTable_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<SheetColumn>("column");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("pitch");
        QTest::addColumn<int>("offset");
        QTest::newRow("Input") << "Input" << SheetColumn::Input << 0 << 40 << 104;
        QTest::newRow("PreLogic") << "PreLogic" << SheetColumn::PreLogic << 142 << 68 << 90;
        QTest::newRow("feedback label") << "FeedBack3" << SheetColumn::PreLogic << 142 << 68 << 106;
        QTest::newRow("pre-logic label") << "PreLabel1" << SheetColumn::PreLogic << 142 << 68 << 106;
        QTest::newRow("PreLabel") << "PreLabel" << SheetColumn::Function << 284 << 40 << 106;
        QTest::newRow("function label") << "Label2" << SheetColumn::Function << 284 << 40 << 106;
        QTest::newRow("CntFnc") << "CntFnc" << SheetColumn::Function << 284 << 40 << 104;
        QTest::newRow("DlyFnc") << "DlyFnc" << SheetColumn::Function << 284 << 40 << 104;
        QTest::newRow("NonFnc") << "NonFnc" << SheetColumn::Function << 284 << 40 << 116;
        QTest::newRow("PostLogic") << "PostLogic" << SheetColumn::PostLogic << 425 << 68 << 90;
        QTest::newRow("Label") << "Label" << SheetColumn::PostLogic << 425 << 68 << 106;
        QTest::newRow("NIM-OUT") << "NIM-OUT7" << SheetColumn::Output << 567 << 40 << 104;
        QTest::newRow("FeedBack") << "FeedBack" << SheetColumn::Output << 567 << 40 << 104;
        QTest::newRow("MsrCnt") << "MsrCnt2" << SheetColumn::Output << 567 << 40 << 106;
        QTest::newRow("unknown") << "Bogus" << SheetColumn::None << 0 << 0 << 0;
        QTest::newRow("label inside a word") << "XLabel" << SheetColumn::None << 0 << 0 << 0;
        QTest::newRow("empty") << "" << SheetColumn::None << 0 << 0 << 0;
    }

    void placementTable()
    {
        QFETCH(QString, term);
        QFETCH(SheetColumn, column);
        QFETCH(int, x);
        QFETCH(int, pitch);
        QFETCH(int, offset);
        const PlacementRule rule = Placement::forTerm(term);
        QCOMPARE(rule.column, column);
        if (column == SheetColumn::None)
            return;
        QCOMPARE(rule.position(2), QPoint(x, 2 * pitch + offset));
        QCOMPARE(rule.pitch, pitch);
    }

    void usableRows_data()
    {
        QTest::addColumn<int>("pitch");
        QTest::addColumn<int>("lastRow");
        QTest::newRow("logic columns") << 68 << 13;
        QTest::newRow("other columns") << 40 << 23;
    }

    void usableRows()
    {
        QFETCH(int, pitch);
        QFETCH(int, lastRow);
        QVERIFY(Placement::isUsableRow(pitch, lastRow));
        QVERIFY(!Placement::isUsableRow(pitch, lastRow + 1));
        QVERIFY(!Placement::isUsableRow(pitch, -1));
    }

    void placeSetsPositionAndRefusesTakenRows()
    {
        DesignModel model;
        Sheet sheet(0, QStringLiteral("Sheet1"));
        QSignalSpy placed(&sheet, &Sheet::blockPlaced);
        BlockItem *first = model.createBlock(QStringLiteral("PostLogic"), 3, 0, QStringLiteral("PstLgc0"));
        BlockItem *second = model.createBlock(QStringLiteral("PostLogic"), 3, 0, QStringLiteral("PstLgc1"));
        BlockItem *beyond = model.createBlock(QStringLiteral("PostLogic"), 14, 0, QStringLiteral("PstLgc2"));
        QVERIFY(sheet.place(first));
        QCOMPARE(first->position(), QPoint(425, 68 * 3 + 90));
        QVERIFY(!sheet.place(second));
        QVERIFY(!sheet.place(beyond));
        QVERIFY(!sheet.place(first));
        QCOMPARE(placed.count(), 1);
        QCOMPARE(sheet.blockAt(SheetColumn::PostLogic, 3), first);
        QCOMPARE(sheet.lowestFreeRow(QStringLiteral("PostLogic")), 0);
    }

    void lowestFreeRowSkipsTakenRowsUntilTheColumnIsFull()
    {
        DesignModel model;
        Sheet sheet(0, QStringLiteral("Sheet1"));
        for (int row = 0; row < 24; ++row) {
            QCOMPARE(sheet.lowestFreeRow(QStringLiteral("DlyFnc")), row);
            // Rows of other kinds of the same column count as taken.
            const QString term = row % 2 ? QStringLiteral("NonFnc") : QStringLiteral("Label5");
            QVERIFY(sheet.place(model.createBlock(term, row, 0, term + QString::number(row))));
        }
        QCOMPARE(sheet.lowestFreeRow(QStringLiteral("DlyFnc")), -1);
        QCOMPARE(sheet.lowestFreeRow(QStringLiteral("Input")), 0);
        QCOMPARE(sheet.lowestFreeRow(QStringLiteral("Bogus")), -1);
    }

    void blocksAreListedColumnByColumnInRowOrder()
    {
        DesignModel model;
        Sheet sheet(0, QStringLiteral("Sheet1"));
        BlockItem *output = model.createBlock(QStringLiteral("NIM-OUT"), 0, 0, QString());
        BlockItem *lower = model.createBlock(QStringLiteral("PreLogic"), 5, 0, QStringLiteral("PreLgc0"));
        BlockItem *upper = model.createBlock(QStringLiteral("PreLogic"), 1, 0, QStringLiteral("PreLgc1"));
        BlockItem *input = model.createBlock(QStringLiteral("Input"), 9, 0, QString());
        for (BlockItem *block : {output, lower, upper, input})
            QVERIFY(sheet.place(block));
        QCOMPARE(sheet.blocks(), (QList<BlockItem *>{input, upper, lower, output}));
    }

    void moveAndRemove()
    {
        DesignModel model;
        Sheet sheet(0, QStringLiteral("Sheet1"));
        BlockItem *block = model.createBlock(QStringLiteral("CntFnc"), 0, 0, QStringLiteral("CntFnc0"));
        BlockItem *other = model.createBlock(QStringLiteral("NonFnc"), 2, 0, QStringLiteral("NonFnc0"));
        QVERIFY(sheet.place(block));
        QVERIFY(sheet.place(other));
        QVERIFY(!sheet.moveTo(block, 2));
        QVERIFY(!sheet.moveTo(block, 24));
        QVERIFY(sheet.moveTo(block, 4));
        QCOMPARE(block->id(), 4);
        QCOMPARE(block->position(), QPoint(284, 40 * 4 + 104));
        QVERIFY(!sheet.blockAt(SheetColumn::Function, 0));
        QVERIFY(sheet.remove(block));
        QVERIFY(!sheet.remove(block));
        QVERIFY(!sheet.contains(block));
        QCOMPARE(sheet.blocks(), QList<BlockItem *>{other});
    }

    void sheetSetCaptionsAndGrowth()
    {
        SheetSet sheets;
        QCOMPARE(sheets.count(), 1);
        QCOMPARE(sheets.sheet(0)->caption(), QStringLiteral("Sheet1"));
        sheets.sheet(0)->setCaption(QStringLiteral("Sheet3"));
        QCOMPARE(sheets.addSheet()->caption(), QStringLiteral("Sheet1"));
        QCOMPARE(sheets.addSheet()->caption(), QStringLiteral("Sheet2"));
        QCOMPARE(sheets.ensureSheet(4)->index(), 4);
        QCOMPARE(sheets.sheet(3)->caption(), QStringLiteral("Sheet4"));
        QVERIFY(!sheets.ensureSheet(-1));
        QVERIFY(!sheets.sheet(5));
        sheets.reset();
        QCOMPARE(sheets.count(), 1);
        QCOMPARE(sheets.sheet(0)->caption(), QStringLiteral("Sheet1"));
    }
};

KARIX_TEST(SheetTest)
#include "tst_sheet.moc"
