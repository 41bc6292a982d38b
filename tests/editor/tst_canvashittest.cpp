// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "editor/canvashittest.h"
#include "io/designdocument.h"
#include "model/blockitem.h"
#include "model/designedits.h"
#include "model/designmodel.h"
#include "model/sheetset.h"

#include <QTest>

class TestCanvasHitTest : public QObject
{
    Q_OBJECT

private slots:
    void pressNearOutputDrawsWire_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<int>("leftOfOutput");
        QTest::addColumn<int>("gesture");
        const int wire = int(CanvasGesture::DrawingWire);
        const int move = int(CanvasGesture::Moving);
        QTest::newRow("input 10 px") << "Input" << 10 << wire;
        QTest::newRow("post-logic 11 px") << "PostLogic" << 11 << move;
        QTest::newRow("function on its edge") << "CntFnc" << 0 << wire;
        QTest::newRow("PreLabel always moves") << "PreLabel" << 2 << move;
        QTest::newRow("output column always moves") << "NIM-OUT" << 2 << move;
    }

    void pressNearOutputDrawsWire()
    {
        QFETCH(QString, term);
        QFETCH(int, leftOfOutput);
        QFETCH(int, gesture);
        DesignDocument doc;
        BlockItem *block = doc.edits().placeNew(term, 0).block;
        QVERIFY(block);
        const QPoint press = block->outputPoint() - QPoint(leftOfOutput, 0);
        QCOMPARE(CanvasHitTest::blockAt(*doc.sheets().sheet(0), press), block);
        QCOMPARE(int(CanvasHitTest::pressGesture(*block, press)), gesture);
    }

    void bandReachesTheEdgesNearThem_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("drop");
        QTest::addColumn<QRect>("band");
        QTest::newRow("inside") << QPoint(200, 300) << QPoint(100, 150)
                                << QRect(QPoint(100, 150), QPoint(200, 300));
        QTest::newRow("left of 30") << QPoint(29, 120) << QPoint(90, 200)
                                    << QRect(QPoint(0, 120), QPoint(90, 200));
        QTest::newRow("above 100") << QPoint(60, 99) << QPoint(90, 200)
                                   << QRect(QPoint(60, 0), QPoint(90, 200));
    }

    void bandReachesTheEdgesNearThem()
    {
        QFETCH(QPoint, press);
        QFETCH(QPoint, drop);
        QFETCH(QRect, band);
        QCOMPARE(CanvasHitTest::bandRect(press, drop), band);
    }
};

KARIX_TEST(TestCanvasHitTest)
#include "tst_canvashittest.moc"
