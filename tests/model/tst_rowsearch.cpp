// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "io/designdocument.h"
#include "model/blockitem.h"
#include "model/designedits.h"
#include "model/rowsearch.h"
#include "model/sheetset.h"

#include <QTest>

class TestRowSearch : public QObject
{
    Q_OBJECT

private slots:
    // Rows given as the occupied rows of the column besides the moved block.
    void nextFreeRow_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("occupied");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("expected");
        QTest::newRow("down one") << "Input" << 3 << QList<int>{} << 1 << 4;
        QTest::newRow("skips taken rows") << "Input" << 3 << QList<int>{4, 5} << 1 << 6;
        QTest::newRow("last usable 40 px row") << "Input" << 23 << QList<int>{} << 1 << -1;
        QTest::newRow("last usable 68 px row") << "PreLogic" << 13 << QList<int>{} << 1 << -1;
        QTest::newRow("all below taken") << "PreLogic" << 11 << QList<int>{12, 13} << 1 << -1;
        QTest::newRow("up from the first row") << "NonFnc" << 0 << QList<int>{} << -1 << -1;
        QTest::newRow("up over a taken row") << "NonFnc" << 5 << QList<int>{4} << -1 << 3;
    }

    void nextFreeRow()
    {
        QFETCH(QString, term);
        QFETCH(int, row);
        QFETCH(QList<int>, occupied);
        QFETCH(int, step);
        QFETCH(int, expected);
        DesignDocument doc;
        BlockItem *block = doc.edits().placeBlock(term, 0, row, term == "Input" ? "" : term + "9");
        QVERIFY(block);
        for (int taken : occupied)
            QVERIFY(doc.edits().placeBlock(term, 0, taken, term + QString::number(taken)));
        QCOMPARE(RowSearch::nextFreeRow(*doc.sheets().sheet(0), *block, step), expected);
    }

    void rowToward_data()
    {
        QTest::addColumn<int>("dy");          // target y − block y, 40 px rows
        QTest::addColumn<QList<int>>("occupied");
        QTest::addColumn<int>("expected");
        QTest::newRow("inside its own band") << 39 << QList<int>{} << -1;
        QTest::newRow("two rows down") << 80 << QList<int>{} << 7;
        QTest::newRow("target taken: last free before it") << 80 << QList<int>{7} << 6;
        QTest::newRow("one row up") << -1 << QList<int>{} << 4;
        QTest::newRow("beyond the canvas") << 4000 << QList<int>{} << 23;
        QTest::newRow("nothing free on the way") << 45 << QList<int>{6} << -1;
    }

    void rowToward()
    {
        QFETCH(int, dy);
        QFETCH(QList<int>, occupied);
        QFETCH(int, expected);
        DesignDocument doc;
        BlockItem *block = doc.edits().placeBlock(QStringLiteral("CntFnc"), 0, 5, QStringLiteral("CntFnc0"));
        for (int taken : occupied)
            doc.edits().placeBlock(QStringLiteral("NonFnc"), 0, taken, QString());
        QCOMPARE(RowSearch::rowToward(*doc.sheets().sheet(0), *block, block->position().y() + dy),
                 expected);
    }
};

KARIX_TEST(TestRowSearch)
#include "tst_rowsearch.moc"
