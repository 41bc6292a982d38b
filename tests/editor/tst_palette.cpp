// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "editor/dragpayload.h"
#include "editor/labelwidget.h"
#include "editor/menuwidget.h"
#include "editor/programwidget.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/labelregistry.h"
#include "model/resourcecounters.h"

#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>

namespace {

QRgb pixelOf(const QLabel *label, const QPoint &point)
{
    return label->pixmap().toImage().pixel(point);
}

} // namespace

class TestPalette : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("QObject::connect")));
    }

    void freshCaptions_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        const char *rows[][2] = {{"Input", "Input"},          {"PreLogic", "PreLogic"},
                                 {"PreLogicInfo", "(8/8)"},   {"CntFnc", "CntFnc(8/8)"},
                                 {"DlyFnc", "DlyFnc(8/8)"},   {"NonFnc", "NonFnc(6/6)"},
                                 {"PostLogic", "PostLogic"},  {"PostLogicInfo", "(11/11)"},
                                 {"MsrCnt", "MsrCnt(4/4)"},   {"NIM-OUT", "NIM-OUT(8/8)"},
                                 {"FeedBack", "FeedBack(8/8)"}, {"FeedBackInfo", "(8/8)"},
                                 {"Label", "Label"}};
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
    }

    void freshCaptions()
    {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        ResourceCounters counters;
        MenuWidget palette(&counters);
        QCOMPARE(palette.shownCaption(kind), caption);
        QVERIFY(!palette.isGreyed(kind));
    }

    void itemsAreStackedWithTheirGaps()
    {
        ResourceCounters counters;
        MenuWidget palette(&counters);
        const auto top = [&palette](const char *kind) {
            return palette.itemLabel(QString::fromLatin1(kind))->geometry();
        };
        QCOMPARE(top("Input").topLeft(), QPoint(10, 10));
        QCOMPARE(top("PreLogic").y(), top("Input").bottom() + 1 + 17);
        QCOMPARE(top("PreLogicInfo").y(), top("PreLogic").bottom() + 1 - 1);
        QCOMPARE(top("CntFnc").y(), top("PreLogicInfo").bottom() + 1 + 7);
        QCOMPARE(palette.minimumSize(), QSize(120, top("Label").bottom() + 1 + 7));
        // Strictly inside only: the top-left corner belongs to no item.
        QCOMPARE(palette.kindAt(top("CntFnc").topLeft()), QString());
        QCOMPARE(palette.kindAt(top("CntFnc").center()), QStringLiteral("CntFnc"));
        QCOMPARE(palette.lastHitKind(), QStringLiteral("CntFnc"));
    }

    void takesRedrawAndGreyAtZero()
    {
        ResourceCounters counters;
        MenuWidget palette(&counters);
        const QImage full = palette.itemLabel(QStringLiteral("MsrCnt"))->pixmap().toImage();
        for (int i = 0; i < 4; ++i)
            QVERIFY(counters.useResource(-1, QStringLiteral("MsrCnt")));
        QCOMPARE(palette.shownCaption(QStringLiteral("MsrCnt")), QStringLiteral("MsrCnt(0/4)"));
        QVERIFY(palette.isGreyed(QStringLiteral("MsrCnt")));

        QVERIFY(counters.useResource(-1, QStringLiteral("CntFnc")));
        QCOMPARE(palette.shownCaption(QStringLiteral("PostLogicInfo")), QStringLiteral("(10/11)"));

        QVERIFY(counters.useResource(+1, QStringLiteral("MsrCnt")));
        QVERIFY(!palette.isGreyed(QStringLiteral("MsrCnt")));
        counters.reset();
        QCOMPARE(palette.itemLabel(QStringLiteral("MsrCnt"))->pixmap().toImage(), full);
    }

    void labelBarShowsPresenceOfCurrentSheet()
    {
        DesignModel model;
        LabelRegistry registry;
        connect(&model, &DesignModel::labelBlockAdded, &registry, &LabelRegistry::registerSource);
        LabelWidget bar(&registry);
        BlockItem *label = model.newNamed(QStringLiteral("Label"), 0, 0);
        QVERIFY(label);
        QLabel *entry = bar.entryLabel(label->name());
        QVERIFY(entry);
        const QPoint inside(8, 4);
        const QRgb offColour = QImage(QStringLiteral(":/images/LabelOFF.png")).pixel(inside);
        const QRgb onColour = QImage(QStringLiteral(":/images/FncLabelON.png")).pixel(inside);
        QCOMPARE(pixelOf(entry, inside), offColour);

        bar.setCurrentTab(1);
        entry = bar.entryLabel(label->name());
        QCOMPARE(pixelOf(entry, inside), onColour);
        bar.setCurrentTab(0);
        QCOMPARE(pixelOf(bar.entryLabel(label->name()), inside), offColour);
    }

    void labelRowsHoldEightEntries()
    {
        DesignModel model;
        LabelRegistry registry;
        connect(&model, &DesignModel::labelBlockAdded, &registry, &LabelRegistry::registerSource);
        LabelWidget bar(&registry);
        for (int i = 0; i < 10; ++i)
            QVERIFY(model.newNamed(QStringLiteral("Label"), i, 0));
        QVERIFY(model.newNamed(QStringLiteral("FeedBack"), 0, 0));
        QLabel *first = bar.entryLabel(QStringLiteral("Label0"));
        QLabel *ninth = bar.entryLabel(QStringLiteral("Label8"));
        QLabel *feedback = bar.entryLabel(QStringLiteral("FeedBack0"));
        QVERIFY(first && ninth && feedback);
        QCOMPARE(ninth->x(), first->x());
        QVERIFY(ninth->y() > first->y());
        QVERIFY(first->y() > feedback->y());
        QCOMPARE(bar.entryAt(feedback->geometry().center()), QStringLiteral("FeedBack0"));
        QCOMPARE(bar.entryAt(first->geometry().center()), QStringLiteral("Label0"));
        QCOMPARE(bar.entryAt(ninth->geometry().center()), QStringLiteral("Label8"));
    }

    void payloadRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        const QByteArray good = DragPayload{QStringLiteral("NIM-OUT"), QPoint(12, -3)}.encode();
        QTest::newRow("whole") << good << true;
        QTest::newRow("point cut short") << good.left(good.size() - 2) << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void payloadRoundTrip()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        const std::optional<DragPayload> payload = DragPayload::decode(bytes);
        QCOMPARE(payload.has_value(), valid);
        if (valid) {
            QCOMPARE(payload->key, QStringLiteral("NIM-OUT"));
            QCOMPARE(payload->point, QPoint(12, -3));
        }
    }

    void dragEnterAcceptsOnlyEditorPayload_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("editor payload") << DragPayload::mimeType() << true;
        QTest::newRow("plain text") << QStringLiteral("text/plain") << false;
    }

    void dragEnterAcceptsOnlyEditorPayload()
    {
        QFETCH(QString, format);
        QFETCH(bool, accepted);
        ResourceCounters counters;
        MenuWidget palette(&counters);
        QMimeData mime;
        mime.setData(format, DragPayload{QStringLiteral("CntFnc"), QPoint()}.encode());
        QDragEnterEvent event(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        event.setAccepted(false);
        QCoreApplication::sendEvent(&palette, &event);
        QCOMPARE(event.isAccepted(), accepted);
        if (accepted)
            QCOMPARE(event.dropAction(), Qt::CopyAction);
    }
};

KARIX_TEST(TestPalette)
#include "tst_palette.moc"
