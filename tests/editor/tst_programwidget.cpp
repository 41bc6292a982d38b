#include "common/testrunner.h"
#include "editor/blockiconpainter.h"
#include "editor/programwidget.h"
#include "io/designdocument.h"
#include "model/blockimages.h"
#include "model/blockitem.h"
#include "model/designedits.h"
#include "model/designmodel.h"
#include "model/resourcecounters.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {

// A one-sheet document with its canvas.
struct Fixture
{
    DesignDocument doc;
    ProgramWidget canvas;

    Fixture()
        : canvas(doc.sheets().sheet(0), &doc.model(), &doc.edits(), &doc.settings())
    {
    }

    BlockItem *add(const QString &term, int row, const QString &name = QString())
    {
        BlockItem *block = doc.model().createBlock(term, row, 0, name, &doc.resources());
        if (block)
            doc.sheets().sheet(0)->place(block);
        return block;
    }
};

QImage iconImage(ProgramWidget &canvas, const BlockItem *block)
{
    return canvas.iconOf(block)->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestProgramWidget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("QObject::connect")));
    }

    void headers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("text");
        QTest::newRow("input") << "label_0" << QRect(20, 37, 56, 16) << "Input";
        QTest::newRow("pre-logic") << "label_1" << QRect(142, 37, 63, 30) << "PreLogic\nFeedBack";
        QTest::newRow("function") << "label_2" << QRect(284, 37, 56, 30) << "Function\n";
        QTest::newRow("post-logic") << "label_3" << QRect(425, 37, 63, 16) << "PostLogic";
        QTest::newRow("output") << "label_4" << QRect(567, 37, 111, 45)
                                << "Output\nFeedBack\nMeasure Counter";
    }

    void headers()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QString, text);
        Fixture f;
        auto *label = f.canvas.findChild<QLabel *>(name);
        QVERIFY(label);
        QCOMPARE(label->geometry(), rect);
        QCOMPARE(label->text(), text);
    }

    void iconsSitAtBlockPositionsAndLeaveWithTheBlock()
    {
        Fixture f;
        BlockItem *logic = f.add(QStringLiteral("PostLogic"), 2);
        BlockItem *output = f.add(QStringLiteral("NIM-OUT"), 1);
        QCOMPARE(f.canvas.iconOf(logic)->pos(), QPoint(425, 68 * 2 + 90));
        QCOMPARE(f.canvas.iconOf(output)->pos(), QPoint(567, 40 + 104));
        QCOMPARE(f.canvas.iconOf(output)->size(), QSize(176, 32));

        f.doc.sheets().sheet(0)->moveTo(logic, 5);
        QCOMPARE(f.canvas.iconOf(logic)->pos(), QPoint(425, 68 * 5 + 90));

        QPointer<QLabel> icon = f.canvas.iconOf(output);
        f.doc.model().removeBlock(output);
        QTRY_VERIFY_WITH_TIMEOUT(icon.isNull(), 1000);
    }

    void unconfiguredLogicCaptionTurnsNormalAfterEdit()
    {
        Fixture f;
        BlockItem *logic = f.add(QStringLiteral("PreLogic"), 0, QStringLiteral("PreLgc0"));
        const QImage bold = iconImage(f.canvas, logic);
        QString expression = QStringLiteral("_A");
        logic->setProperty(expression);
        f.canvas.updateBlock(logic, QString());
        const QImage normal = iconImage(f.canvas, logic);
        QVERIFY(bold != normal);
        // The edited picture is the clean image with the caption only.
        QCOMPARE(normal.size(), logic->size());
    }

    void iconFollowsModelChanges()
    {
        Fixture f;
        BlockItem *first = f.add(QStringLiteral("NonFnc"), 0);
        BlockItem *second = f.add(QStringLiteral("NonFnc"), 1);
        // Blocks that look the same share one picture.
        QCOMPARE(f.canvas.iconOf(first)->pixmap().cacheKey(), f.canvas.iconOf(second)->pixmap().cacheKey());
        f.doc.edits().renameBlock(first, QStringLiteral("Veto"));
        QVERIFY(iconImage(f.canvas, first) != iconImage(f.canvas, second));
        f.doc.edits().renameBlock(first, QString());
        QCOMPARE(iconImage(f.canvas, first), iconImage(f.canvas, second));
    }

    void wireHitTest_data()
    {
        QTest::addColumn<QPoint>("offset");   // from the middle of the flat wire
        QTest::addColumn<bool>("hit");
        QTest::newRow("on the line") << QPoint(0, 0) << true;
        QTest::newRow("2 px above") << QPoint(0, -2) << true;
        QTest::newRow("2 px below") << QPoint(0, 2) << true;
        QTest::newRow("3 px above") << QPoint(0, -3) << false;
        QTest::newRow("beyond its end") << QPoint(200, 0) << false;
    }

    void wireHitTest()
    {
        QFETCH(QPoint, offset);
        QFETCH(bool, hit);
        Fixture f;
        // Pre-logic row 0 (y 90, output at y 120) into a function in a row
        // whose input is at the same height: a flat wire.
        BlockItem *logic = f.add(QStringLiteral("PreLogic"), 0);
        BlockItem *function = f.add(QStringLiteral("NonFnc"), 0);
        QVERIFY(logic && function);
        function->connectSource(0, logic);
        logic->addFanout(function);
        f.canvas.markWiresDirty();
        QCOMPARE(f.canvas.wireMap().size(), 1);
        const QLine wire = f.canvas.wireMap().first().line;
        const QPoint middle((wire.x1() + wire.x2()) / 2, (wire.y1() + wire.y2()) / 2);

        QCOMPARE(f.canvas.selectWireAt(middle + offset), hit);
        QCOMPARE(f.canvas.isWireSelected(), hit);
        if (hit) {
            QCOMPARE(f.canvas.currentBlock(), function);
            QCOMPARE(f.canvas.selectedWire(), wire);
        }
    }

    void nearestOfOverlappingWiresWins()
    {
        Fixture f;
        BlockItem *source = f.add(QStringLiteral("NonFnc"), 0);
        BlockItem *logic = f.add(QStringLiteral("PostLogic"), 0);
        BlockItem *other = f.add(QStringLiteral("NonFnc"), 1);
        // Their boxes overlap; a point on the wire into _K is nearer to it.
        logic->connectSource(10, source);
        logic->connectSource(0, other);
        f.canvas.markWiresDirty();
        const QList<ProgramWidget::Wire> wires = f.canvas.wireMap();
        QCOMPARE(wires.size(), 2);
        const QLine toK = logic->wires().at(1);
        const QPoint nearK = toK.center() + QPoint(0, 1);
        const std::optional<ProgramWidget::Wire> found = f.canvas.wireAt(nearK);
        QVERIFY(found);
        QCOMPARE(found->line, toK);
    }

    void flatWireWinsOverSlopedOneAtSharedPoint()
    {
        Fixture f;
        BlockItem *input = f.add(QStringLiteral("Input"), 0);
        BlockItem *passThrough = f.add(QStringLiteral("NonFnc"), 0);
        BlockItem *logic = f.add(QStringLiteral("PreLogic"), 0);
        BlockItem *delay = f.add(QStringLiteral("DlyFnc"), 1);
        QVERIFY(input && passThrough && logic && delay);
        passThrough->connectSource(0, input);
        delay->connectSource(0, logic);
        f.canvas.markWiresDirty();
        const QLine flat = passThrough->wires().first();
        const QLine sloped = delay->wires().first();
        QCOMPARE(flat.dy(), 0);
        // Just right of the sloped wire's start: nearer to it than to the
        // flat wire, yet the flat wire's degenerate box counts as distance 0.
        const QPoint point = sloped.p1() + QPoint(1, 2);
        QVERIFY(point.y() - flat.y1() <= 2);
        QCOMPARE(f.canvas.wireAt(point)->destination, passThrough);
    }

    void captionsStayBetweenThePortStubs_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("oneLine");
        QTest::newRow("fits") << QStringLiteral("Trigger") << true;
        QTest::newRow("wrapped") << QStringLiteral("Pulser or delayed clock") << false;
        QTest::newRow("cut short") << QStringLiteral("CoincidenceOfAllEightScintillators") << false;
    }

    void captionsStayBetweenThePortStubs()
    {
        QFETCH(QString, caption);
        QFETCH(bool, oneLine);
        Fixture f;
        BlockItem *logic =
            f.doc.model().createBlock(QStringLiteral("PostLogic"), 0, 0, QString(), &f.doc.resources());
        QVERIFY(logic);
        logic->setProperty(QStringLiteral("_A"));
        logic->setUserName(caption);
        f.doc.sheets().sheet(0)->place(logic);
        const QImage icon = iconImage(f.canvas, logic);
        const QImage clean = BlockIconPainter::cleanPicture(logic->traits().picture);
        const QImage base = clean.convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), base.size());
        for (int x : {0, 7, base.width() - 8, base.width() - 1}) {
            for (int y = 0; y < base.height(); ++y)
                QVERIFY2(icon.pixel(x, y) == base.pixel(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
        if (oneLine) {
            // A caption that fits is drawn centred in the default font.
            QImage own = clean;
            QPainter(&own).drawText(own.rect(), Qt::AlignCenter, caption);
            QCOMPARE(icon, own.convertToFormat(QImage::Format_ARGB32));
        }
    }

    void wiresAreCachedUntilMarkedDirty()
    {
        Fixture f;
        BlockItem *source = f.add(QStringLiteral("PreLogic"), 0);
        BlockItem *function = f.add(QStringLiteral("DlyFnc"), 0);
        QCOMPARE(f.canvas.wireMap().size(), 0);
        function->connectSource(0, source);
        QCOMPARE(f.canvas.wireMap().size(), 0);
        f.canvas.markWiresDirty();
        QCOMPARE(f.canvas.wireMap().size(), 1);
        QCOMPARE(f.canvas.wireMap().first().destination, function);
    }

    void selectionWashesIconsAndDeleteGivesResourcesBack()
    {
        Fixture f;
        BlockItem *counter = f.add(QStringLiteral("CntFnc"), 0);
        BlockItem *output = f.add(QStringLiteral("NIM-OUT"), 0);
        QCOMPARE(f.doc.resources().free(QStringLiteral("CntFnc")), 7);
        QCOMPARE(f.doc.resources().free(QStringLiteral("PostLogicInfo")), 10);
        const QImage plain = iconImage(f.canvas, counter);

        QSignalSpy selected(&f.canvas, &ProgramWidget::itemSelect);
        f.canvas.setSelection({output, counter});
        QCOMPARE(f.canvas.selection(), QList<BlockItem *>({counter, output}));
        QCOMPARE(selected.last().first().toBool(), true);
        QVERIFY(iconImage(f.canvas, counter) != plain);

        f.canvas.setSelection({output});
        QCOMPARE(iconImage(f.canvas, counter), plain);

        QSignalSpy modified(&f.canvas, &ProgramWidget::modified);
        f.canvas.setSelection({counter, output});
        f.canvas.deleteSelection();
        QCOMPARE(modified.count(), 1);
        QCOMPARE(selected.last().first().toBool(), false);
        QVERIFY(f.doc.model().allBlocks().isEmpty());
        QCOMPARE(f.doc.resources().free(QStringLiteral("CntFnc")), 8);
        QCOMPARE(f.doc.resources().free(QStringLiteral("PostLogicInfo")), 11);
        QCOMPARE(f.doc.resources().free(QStringLiteral("NIM-OUT")), 8);
    }

    void connectionCaptionShowsCurrentSettings()
    {
        Fixture f;
        f.doc.settings().address = QStringLiteral("127.0.0.1");
        f.doc.settings().tcpPort = 2424;
        f.canvas.resize(750, 1030);
        f.canvas.grab();
        QLabel *caption = nullptr;
        for (QLabel *label : f.canvas.findChildren<QLabel *>()) {
            if (label->text().startsWith(QLatin1String("IP address")))
                caption = label;
        }
        QVERIFY(caption);
        QCOMPARE(caption->text(),
                 QStringLiteral("IP address: 127.0.0.1   TCP port: 2424   UDP port: 4660"));
    }
};

KARIX_TEST(TestProgramWidget)
#include "tst_programwidget.moc"
