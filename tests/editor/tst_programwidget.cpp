// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/canvasdriver.h"
#include "common/testrunner.h"
#include "render/blockpainter.h"
#include "render/sheetpainter.h"
#include "editor/customscroll.h"
#include "editor/programwidget.h"
#include "io/designdocument.h"
#include "model/blockimages.h"
#include "model/blockitem.h"
#include "model/designedits.h"
#include "model/designmodel.h"
#include "model/labelregistry.h"
#include "model/placement.h"
#include "model/resourcecounters.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <memory>

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

    Sheet *sheet() { return doc.sheets().sheet(0); }

    BlockItem *add(const QString &term, int row, const QString &name = QString())
    {
        BlockItem *block = doc.model().createBlock(term, row, 0, name, &doc.resources());
        if (block)
            doc.sheets().sheet(0)->place(block);
        return block;
    }
};

// What the canvas shows over a rectangle, by default the block's picture.
QImage shownAt(ProgramWidget &canvas, const QRect &rect)
{
    canvas.resize(canvas.minimumSize());
    return canvas.grab(rect).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage iconImage(ProgramWidget &canvas, const BlockItem *block)
{
    return shownAt(canvas, QRect(block->position(), block->size()));
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

    // A press counts in the column whose colour it lands on, edges included.
    void bandsCoverThePressColumns_data()
    {
        QTest::addColumn<int>("column");
        const char *const names[] = {"input", "pre-logic", "function", "post-logic", "output"};
        for (int column = 0; column < Placement::columnCount; ++column)
            QTest::newRow(names[column]) << column;
    }

    void bandsCoverThePressColumns()
    {
        QFETCH(int, column);
        Fixture f;
        f.canvas.resize(f.canvas.minimumSize());
        const QImage image = f.canvas.grab().toImage();
        const int left = Placement::columnX(SheetColumn(column));
        const int right = column + 1 < Placement::columnCount
                              ? Placement::columnX(SheetColumn(column + 1)) - 1
                              : image.width() - 1;
        const int y = 1000;
        for (int x : {left, right}) {
            QCOMPARE(Placement::columnAt(x), SheetColumn(column));
            QCOMPARE(image.pixel(x, y), image.pixel((left + right) / 2, y));
        }
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
        const int column = name.right(1).toInt();
        const SheetPainter::Header header = SheetPainter::headers().at(column);
        QCOMPARE(header.rect, rect);
        QCOMPARE(header.text, text);
    }

    void blocksArePaintedAtTheirPositionsAndLeaveWithTheBlock()
    {
        Fixture f;
        const QRect logicAt2(QPoint(425, 68 * 2 + 90), BlockImages::sizeOf(BlockKind::PostLogic));
        const QRect logicAt5 = logicAt2.translated(0, 68 * 3);
        const QRect outputAt1(QPoint(567, 40 + 104), QSize(176, 32));
        const QImage emptyLogic = shownAt(f.canvas, logicAt2);
        const QImage emptyOutput = shownAt(f.canvas, outputAt1);
        BlockItem *logic = f.add(QStringLiteral("PostLogic"), 2);
        BlockItem *output = f.add(QStringLiteral("NIM-OUT"), 1);
        QCOMPARE(output->size(), outputAt1.size());
        QVERIFY(shownAt(f.canvas, logicAt2) != emptyLogic);
        QVERIFY(shownAt(f.canvas, outputAt1) != emptyOutput);

        f.doc.sheets().sheet(0)->moveTo(logic, 5);
        QCOMPARE(shownAt(f.canvas, logicAt2), emptyLogic);
        QVERIFY(shownAt(f.canvas, logicAt5) != emptyLogic);

        f.doc.model().removeBlock(output);
        QCOMPARE(shownAt(f.canvas, outputAt1), emptyOutput);
    }

    void unconfiguredLogicCaptionTurnsNormalAfterEdit()
    {
        Fixture f;
        BlockItem *logic = f.add(QStringLiteral("PreLogic"), 0, QStringLiteral("PreLgc0"));
        const QImage bold = iconImage(f.canvas, logic);
        QString expression = QStringLiteral("_A");
        logic->setProperty(expression);
        f.canvas.updateBlock(logic);
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
        QCOMPARE(iconImage(f.canvas, first), iconImage(f.canvas, second));
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
        QCOMPARE(f.canvas.wireMap().wires().size(), 1);
        const QLine wire = f.canvas.wireMap().wires().first().line;
        const QPoint middle((wire.x1() + wire.x2()) / 2, (wire.y1() + wire.y2()) / 2);

        QCOMPARE(f.canvas.selectWireAt(middle + offset), hit);
        QCOMPARE(f.canvas.selection().isWireSelected(), hit);
        if (hit) {
            QCOMPARE(f.canvas.selection().currentBlock(), function);
            QCOMPARE(f.canvas.selection().selectedWire(), wire);
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
        const QList<WireMap::Wire> wires = f.canvas.wireMap().wires();
        QCOMPARE(wires.size(), 2);
        const QLine toK = logic->wires().at(1);
        const QPoint nearK = toK.center() + QPoint(0, 1);
        const std::optional<WireMap::Wire> found = f.canvas.wireMap().wireAt(nearK);
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
        QCOMPARE(f.canvas.wireMap().wireAt(point)->destination, passThrough);
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
        QImage icon(logic->size(), QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        {
            QPainter painter(&icon);
            painter.translate(-logic->position());
            BlockPainter::paint(painter, *logic, {caption, QString(), false, false});
        }
        icon = icon.convertToFormat(QImage::Format_ARGB32);
        const QImage clean = BlockPainter::cleanPicture(logic->traits().picture);
        const QImage base = clean.convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), base.size());
        for (int x : {0, 7, base.width() - 8, base.width() - 1}) {
            for (int y = 0; y < base.height(); ++y)
                QVERIFY2(icon.pixel(x, y) == base.pixel(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
        if (oneLine) {
            // A caption that fits is drawn centred.
            QImage own = clean;
            QPainter painter(&own);
            QFont font = painter.font();
            font.setPixelSize(BlockPainter::captionPixels);
            painter.setFont(font);
            painter.drawText(own.rect(), Qt::AlignCenter, caption);
            painter.end();
            QCOMPARE(icon, own.convertToFormat(QImage::Format_ARGB32));
        }
    }

    void wiresAreCachedUntilMarkedDirty()
    {
        Fixture f;
        BlockItem *source = f.add(QStringLiteral("PreLogic"), 0);
        BlockItem *function = f.add(QStringLiteral("DlyFnc"), 0);
        QCOMPARE(f.canvas.wireMap().wires().size(), 0);
        function->connectSource(0, source);
        QCOMPARE(f.canvas.wireMap().wires().size(), 0);
        f.canvas.markWiresDirty();
        QCOMPARE(f.canvas.wireMap().wires().size(), 1);
        QCOMPARE(f.canvas.wireMap().wires().first().destination, function);
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
        f.canvas.selection().set({output, counter});
        QCOMPARE(f.canvas.selection().blocks(), QList<BlockItem *>({counter, output}));
        QCOMPARE(selected.last().first().toBool(), true);
        QVERIFY(iconImage(f.canvas, counter) != plain);

        f.canvas.selection().set({output});
        QCOMPARE(iconImage(f.canvas, counter), plain);

        QSignalSpy modified(&f.canvas, &ProgramWidget::modified);
        f.canvas.selection().set({counter, output});
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
        QCOMPARE(SheetPainter::connectionCaption(f.doc.settings()),
                 QStringLiteral("IP address: 127.0.0.1   TCP port: 2424   UDP port: 4660"));
    }
};

KARIX_TEST(TestProgramWidget)

namespace {

// A press point on the block far from its output: starts a move.
QPoint grip(const BlockItem *block)
{
    return block->position() + QPoint(3, 3);
}

// A press point 9 px left of the block's output: starts a wire.
QPoint outputGrip(const BlockItem *block)
{
    return block->outputPoint() - QPoint(9, 0);
}

QStringList actionTexts(const QWidget *widget)
{
    QStringList texts;
    for (const QAction *action : widget->actions())
        texts << action->text();
    return texts;
}

// The menu a right click on the block opens.
std::unique_ptr<QMenu> blockMenu(ProgramWidget &canvas, const BlockItem *block)
{
    return std::unique_ptr<QMenu>(canvas.createMenu(block->position() + QPoint(3, 3)));
}

} // namespace

class TestCanvasGestures : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("QObject::connect")));
    }

    void pressNearOutputDrawsWireFurtherLeftMoves_data()
    {
        QTest::addColumn<int>("leftOfOutput");
        QTest::addColumn<bool>("wired");
        QTest::newRow("9 px: wire") << 9 << true;
        QTest::newRow("11 px: move") << 11 << false;
    }

    void pressNearOutputDrawsWireFurtherLeftMoves()
    {
        QFETCH(int, leftOfOutput);
        QFETCH(bool, wired);
        Fixture f;
        CanvasDriver driver(f.canvas);
        BlockItem *logic = f.add(QStringLiteral("PreLogic"), 0, QStringLiteral("PreLgc0"));
        BlockItem *function = f.add(QStringLiteral("CntFnc"), 3, QStringLiteral("CntFnc0"));
        QSignalSpy steps(&f.canvas, &ProgramWidget::modified);
        driver.drag(logic->outputPoint() - QPoint(leftOfOutput, 0), function->position() + QPoint(5, 5));
        QCOMPARE(driver.gestureWhileDragging,
                 wired ? CanvasGesture::DrawingWire : CanvasGesture::Moving);
        QCOMPARE(function->source(0) == logic, wired);
        QCOMPARE(f.doc.resources().free(QStringLiteral("PreLogicInfo")), wired ? 7 : 8);
        QCOMPARE(steps.count(), 1); // the wire, or the move to row 1 or 2
        QCOMPARE(f.canvas.gesture(), CanvasGesture::Idle);
    }

    void clickOnAnOutputDrawsNoWire()
    {
        Fixture f;
        CanvasDriver driver(f.canvas);
        BlockItem *logic = f.add(QStringLiteral("PreLogic"), 0, QStringLiteral("PreLgc0"));
        BlockItem *function = f.add(QStringLiteral("NonFnc"), 0);
        driver.click(outputGrip(logic));
        QVERIFY(function->inputs().isEmpty());
    }

    void feedbackIntoPassThroughIsRefusedWithWarning()
    {
        Fixture f;
        CanvasDriver driver(f.canvas);
        QVERIFY(f.add(QStringLiteral("FeedBack"), 0, QStringLiteral("FeedBack0")));
        BlockItem *reference = f.add(QStringLiteral("FeedBack0"), 1, QStringLiteral("FeedBack0"));
        BlockItem *function = f.add(QStringLiteral("NonFnc"), 2);
        QSignalSpy steps(&f.canvas, &ProgramWidget::modified);
        driver.drag(outputGrip(reference), function->position() + QPoint(5, 5));
        QTRY_COMPARE_WITH_TIMEOUT(
            driver.prompts.warnings,
            QStringList{"Cannot connect FeedBack and NonFnc. Please use DlyFnc with delay value 0."}, 1000);
        QVERIFY(function->inputs().isEmpty());
        QCOMPARE(steps.count(), 0);
    }

    // The pointer tells a wire from a move before the press, at any zoom;
    // while a wire is drawn the blocks that would take it are marked.
    void cursorShowsWhatAPressWouldDo_data()
    {
        QTest::addColumn<double>("zoom");
        for (double zoom : {1.0, 1.5, 0.75})
            QTest::addRow("%d %%", int(zoom * 100)) << zoom;
    }

    void cursorShowsWhatAPressWouldDo()
    {
        QFETCH(double, zoom);
        Fixture f;
        f.canvas.setDocumentContext(f.doc.context());
        f.canvas.setZoom(zoom);
        CanvasDriver driver(f.canvas);
        BlockItem *logic = f.add(QStringLiteral("PreLogic"), 0, QStringLiteral("PreLgc0"));
        BlockItem *counter = f.add(QStringLiteral("CntFnc"), 0, QStringLiteral("CntFnc0"));
        QVERIFY(f.add(QStringLiteral("FeedBack"), 0, QStringLiteral("FeedBack0")));
        BlockItem *feedback = f.add(QStringLiteral("FeedBack0"), 1, QStringLiteral("FeedBack0"));
        f.add(QStringLiteral("NonFnc"), 2);
        const auto at = [&](const QPoint &sheetPoint) { return f.canvas.view().toWidget(sheetPoint); };
        driver.hover(at(outputGrip(logic)));
        QCOMPARE(f.canvas.cursor().shape(), Qt::CrossCursor);
        QCOMPARE(f.canvas.litGrip(), logic);
        driver.hover(at(grip(logic)));
        QCOMPARE(f.canvas.cursor().shape(), Qt::SizeAllCursor);
        QVERIFY(!f.canvas.litGrip());
        driver.hover(at(QPoint(200, 900)));
        QCOMPARE(f.canvas.cursor().shape(), Qt::ArrowCursor);
        // A feedback path cannot feed a pass-through: only the counter is marked.
        QTest::mousePress(&f.canvas, Qt::LeftButton, {}, at(outputGrip(feedback)));
        QCOMPARE(f.canvas.wireTargets(), QList<BlockItem *>{counter});
        QTest::mouseRelease(&f.canvas, Qt::LeftButton, {}, at(outputGrip(feedback)));
        QVERIFY(f.canvas.wireTargets().isEmpty());
    }

    // A click on a block, or a drag that ends where it began, is no edit.
    void clickOnBlockIsNoEdit()
    {
        Fixture f;
        CanvasDriver driver(f.canvas);
        BlockItem *label = f.add(QStringLiteral("Label"), 2, QStringLiteral("Label0"));
        BlockItem *input = f.add(QStringLiteral("Input"), 3);
        QSignalSpy steps(&f.canvas, &ProgramWidget::modified);
        for (BlockItem *block : {label, input}) {
            driver.click(grip(block));
            driver.drag(grip(block), grip(block));
        }
        QCOMPARE(steps.count(), 0);
        QCOMPARE(label->id(), 2);
        QCOMPARE(input->id(), 3);
    }

    // Zoomed, a move lands in the row under the pointer and a wire on its
    // block, as at 100 %.
    void zoomedDragsLandWhereTheyPoint_data()
    {
        QTest::addColumn<double>("zoom");
        for (double zoom : {1.5, 0.67, 2.0})
            QTest::addRow("%d %%", int(zoom * 100)) << zoom;
    }

    void zoomedDragsLandWhereTheyPoint()
    {
        QFETCH(double, zoom);
        Fixture f;
        f.canvas.setZoom(zoom);
        CanvasDriver driver(f.canvas);
        BlockItem *logic = f.add(QStringLiteral("PostLogic"), 0, QStringLiteral("PstLgc0"));
        BlockItem *output = f.add(QStringLiteral("NIM-OUT3"), 5);
        const auto at = [&](const QPoint &sheetPoint) { return f.canvas.view().toWidget(sheetPoint); };
        driver.drag(at(grip(logic)), at(grip(logic) + QPoint(0, 3 * 68)));
        QCOMPARE(logic->id(), 3);
        driver.drag(at(outputGrip(logic)), at(output->position() + QPoint(5, 5)));
        QCOMPARE(output->source(0), logic);
    }

    void movedSelectionKeepsOrderAndIsOneStep()
    {
        Fixture f;
        CanvasDriver driver(f.canvas);
        BlockItem *first = f.add(QStringLiteral("Input"), 0);
        BlockItem *second = f.add(QStringLiteral("Input"), 1);
        f.add(QStringLiteral("Input"), 4);
        driver.drag(QPoint(1, 90), QPoint(120, 150)); // band over rows 0 and 1
        QCOMPARE(driver.gestureWhileDragging, CanvasGesture::Selecting);
        QCOMPARE(f.canvas.selection().blocks(), (QList<BlockItem *>{first, second}));
        QSignalSpy steps(&f.canvas, &ProgramWidget::modified);
        driver.drag(grip(second), grip(second) + QPoint(0, 3 * 40));
        // Row 4 is taken: the lower block stops in row 3 before it, and the
        // upper one takes the free row nearest its own target.
        QCOMPARE(second->id(), 3);
        QCOMPARE(first->id(), 2);
        QCOMPARE(steps.count(), 1);
    }

    void upAndDownMoveOneFreeRowKeepingOrder_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QList<int>>("rows");     // selected blocks, top to bottom
        QTest::addColumn<QList<int>>("expected");
        QTest::addColumn<int>("steps");
        QTest::newRow("down") << int(Qt::Key_Down) << QList<int>{0, 1} << QList<int>{1, 2} << 1;
        QTest::newRow("up") << int(Qt::Key_Up) << QList<int>{1, 2} << QList<int>{0, 1} << 1;
        QTest::newRow("last usable row down") << int(Qt::Key_Down) << QList<int>{23}
                                              << QList<int>{23} << 0;
        QTest::newRow("first row up") << int(Qt::Key_Up) << QList<int>{0} << QList<int>{0} << 0;
    }

    void upAndDownMoveOneFreeRowKeepingOrder()
    {
        QFETCH(int, key);
        QFETCH(QList<int>, rows);
        QFETCH(QList<int>, expected);
        QFETCH(int, steps);
        Fixture f;
        CanvasDriver driver(f.canvas);
        QList<BlockItem *> blocks;
        for (int row : rows)
            blocks << f.add(QStringLiteral("NonFnc"), row);
        f.canvas.selection().set(blocks);
        QSignalSpy modified(&f.canvas, &ProgramWidget::modified);
        QVERIFY(driver.key(Qt::Key(key)));
        QList<int> moved;
        for (BlockItem *block : blocks)
            moved << block->id();
        QCOMPARE(moved, expected);
        QCOMPARE(modified.count(), steps);
    }

    void pressInHeaderStripOnlyClearsSelection()
    {
        Fixture f;
        CanvasDriver driver(f.canvas);
        BlockItem *input = f.add(QStringLiteral("Input"), 0);
        f.canvas.selection().set({input});
        driver.drag(QPoint(300, 81), QPoint(300, 400));
        QVERIFY(f.canvas.selection().blocks().isEmpty());
        QCOMPARE(driver.gestureWhileDragging, CanvasGesture::Idle);
        QCOMPARE(input->id(), 0);
    }

    void controlAndShiftPressesBuildSelection()
    {
        Fixture f;
        CanvasDriver driver(f.canvas);
        BlockItem *a = f.add(QStringLiteral("Input"), 0);
        BlockItem *b = f.add(QStringLiteral("Input"), 2);
        BlockItem *c = f.add(QStringLiteral("Input"), 5);
        driver.click(grip(a));
        driver.click(grip(c), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(f.canvas.selection().blocks(), (QList<BlockItem *>{a, c}));
        driver.click(grip(a), Qt::LeftButton);
        driver.click(grip(c), Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(f.canvas.selection().blocks(), (QList<BlockItem *>{a, b, c}));
    }

    void paletteDropTakesLowestFreeRowWhereverDropped()
    {
        Fixture f;
        CanvasDriver driver(f.canvas);
        f.add(QStringLiteral("PreLogic"), 0, QStringLiteral("PreLgc0"));
        QSignalSpy steps(&f.canvas, &ProgramWidget::modified);
        QSignalSpy selected(&f.canvas, &ProgramWidget::itemSelect);
        driver.dropFromOutside(QStringLiteral("PreLogic"), QPoint(600, 900));
        BlockItem *placed = f.canvas.selection().currentBlock();
        QVERIFY(placed);
        QCOMPARE(placed->name(), QStringLiteral("PreLgc1"));
        QCOMPARE(placed->id(), 1);
        QCOMPARE(steps.count(), 1);
        QCOMPARE(selected.last().first().toBool(), true);
    }

    void refusedDropsSayWhy_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("present");   // blocks of that kind already placed
        QTest::addColumn<QString>("warning");
        QTest::newRow("no input left") << "Input" << 10 << "There is no more Input resource.";
        QTest::newRow("no output left") << "NIM-OUT" << 8 << "There is no more NIM-OUT resource.";
        QTest::newRow("column full") << "PostLogic" << 14 << "There is no free row left in this column.";
    }

    void refusedDropsSayWhy()
    {
        QFETCH(QString, key);
        QFETCH(int, present);
        QFETCH(QString, warning);
        Fixture f;
        CanvasDriver driver(f.canvas);
        for (int i = 0; i < present; ++i)
            QVERIFY(f.doc.edits().placeNew(key, 0).block);
        const int blocks = f.doc.model().allBlocks().size();
        QSignalSpy steps(&f.canvas, &ProgramWidget::modified);
        driver.dropFromOutside(key, QPoint(300, 300));
        QTRY_COMPARE_WITH_TIMEOUT(driver.prompts.warnings, QStringList{warning}, 1000);
        QCOMPARE(f.doc.model().allBlocks().size(), blocks);
        QCOMPARE(steps.count(), 0);
    }

    void paletteKeyDraggedFromThisCanvasIsIgnored()
    {
        Fixture f;
        CanvasDriver driver(f.canvas);
        // A post-logic label's output drags under its name, which is also
        // the label bar's key for it.
        BlockItem *label = f.add(QStringLiteral("Label"), 0, QStringLiteral("Label0"));
        BlockItem *output = f.add(QStringLiteral("NIM-OUT"), 0);
        const int blocks = f.doc.model().allBlocks().size();
        QSignalSpy steps(&f.canvas, &ProgramWidget::modified);
        driver.drag(outputGrip(label), output->position() + QPoint(5, 5));
        QCOMPARE(f.doc.model().allBlocks().size(), blocks);
        QVERIFY(output->inputs().isEmpty());
        QCOMPARE(steps.count(), 0);
    }

    void labelBarDropPlacesReferenceWithUserName()
    {
        Fixture f;
        CanvasDriver driver(f.canvas);
        BlockItem *feedback = f.add(QStringLiteral("FeedBack"), 0, QStringLiteral("FeedBack0"));
        f.doc.edits().renameBlock(feedback, QStringLiteral("veto"));
        driver.dropFromOutside(QStringLiteral("FeedBack0"), QPoint(150, 500));
        BlockItem *reference = f.canvas.selection().currentBlock();
        QVERIFY(reference);
        QCOMPARE(reference->kind(), BlockKind::FeedBackReference);
        QCOMPARE(reference->displayName(), QStringLiteral("veto"));
        QVERIFY(f.doc.labels().isPresent(QStringLiteral("FeedBack0"), 0));
        // A second reference on the same sheet is not offered.
        driver.dropFromOutside(QStringLiteral("FeedBack0"), QPoint(150, 500));
        QCOMPARE(f.doc.model().labelBlocks().size(), 1);
    }

    void deleteKeyTakesWireFirstThenSelectionThenCurrent()
    {
        Fixture f;
        CanvasDriver driver(f.canvas);
        BlockItem *logic = f.add(QStringLiteral("PreLogic"), 0, QStringLiteral("PreLgc0"));
        BlockItem *function = f.add(QStringLiteral("DlyFnc"), 0, QStringLiteral("DlyFnc0"));
        BlockItem *other = f.add(QStringLiteral("DlyFnc"), 5, QStringLiteral("DlyFnc1"));
        QVERIFY(f.doc.edits().connect(logic, function, 0).connected());
        const QLine wire = f.canvas.wireMap().wires().first().line;
        f.canvas.selection().set({other});
        driver.click(wire.center());
        QVERIFY(f.canvas.selection().isWireSelected());
        QVERIFY(driver.key(Qt::Key_Delete));
        QVERIFY(function->inputs().isEmpty());
        QCOMPARE(f.doc.resources().free(QStringLiteral("PreLogicInfo")), 8);
        QCOMPARE(f.doc.model().functionBlocks().size(), 2);

        f.canvas.selection().set({other});
        driver.key(Qt::Key_Delete);
        QCOMPARE(f.doc.model().functionBlocks(), QList<BlockItem *>{function});
        driver.click(grip(function));
        driver.key(Qt::Key_Delete);
        QVERIFY(f.doc.model().functionBlocks().isEmpty());
        QCOMPARE(f.doc.resources().free(QStringLiteral("DlyFnc")), 8);
    }

    void leftAndRightMoveUnconnectedLabelsAcross()
    {
        Fixture f;
        CanvasDriver driver(f.canvas);
        BlockItem *label = f.add(QStringLiteral("Label"), 3, QStringLiteral("Label0"));
        f.doc.edits().renameBlock(label, QStringLiteral("trigger"));
        driver.click(grip(label));
        QSignalSpy steps(&f.canvas, &ProgramWidget::modified);
        driver.key(Qt::Key_Left);
        BlockItem *moved = f.canvas.selection().currentBlock();
        QVERIFY(moved);
        QCOMPARE(moved->kind(), BlockKind::PreLabel);
        QCOMPARE(moved->position(), QPoint(284, 106));
        QCOMPARE(moved->name(), QStringLiteral("Label0"));
        QCOMPARE(moved->displayName(), QStringLiteral("trigger"));
        QCOMPARE(steps.count(), 1);
        QCOMPARE(actionTexts(blockMenu(f.canvas, moved).get()).last(), QStringLiteral("&Rename"));

        // With a source it stays.
        BlockItem *logic = f.add(QStringLiteral("PreLogic"), 0, QStringLiteral("PreLgc0"));
        QVERIFY(f.doc.edits().connect(logic, moved, 0).connected());
        driver.key(Qt::Key_Right);
        QCOMPARE(f.canvas.selection().currentBlock(), moved);
        QCOMPARE(moved->kind(), BlockKind::PreLabel);
        QCOMPARE(steps.count(), 1);
    }

    void doubleClickAndEditActionOpenTheSameEditor_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<int>("editor");
        QTest::newRow("pre-logic") << "PreLogic" << int(BlockEditor::Logic);
        QTest::newRow("post-logic") << "PostLogic" << int(BlockEditor::Logic);
        QTest::newRow("counter") << "CntFnc" << int(BlockEditor::CounterFunction);
        QTest::newRow("delay") << "DlyFnc" << int(BlockEditor::DelayFunction);
        QTest::newRow("measure counter") << "MsrCnt" << int(BlockEditor::MeasureCounter);
        QTest::newRow("output") << "NIM-OUT" << int(BlockEditor::Port);
        QTest::newRow("input") << "Input" << int(BlockEditor::Port);
        QTest::newRow("pass-through: none") << "NonFnc" << -1;
        QTest::newRow("feedback: none") << "FeedBack" << -1;
    }

    void doubleClickAndEditActionOpenTheSameEditor()
    {
        QFETCH(QString, term);
        QFETCH(int, editor);
        Fixture f;
        CanvasDriver driver(f.canvas);
        FakeOpener opener;
        f.canvas.setEditorOpener(&opener);
        BlockItem *block = f.doc.edits().placeNew(term, 0).block;
        QVERIFY(block);
        driver.doubleClick(grip(block));
        const std::unique_ptr<QMenu> menu = blockMenu(f.canvas, block);
        if (editor < 0) {
            QVERIFY(opener.calls.isEmpty());
            QVERIFY(driver.prompts.offeredItems.isEmpty());
            QVERIFY(actionTexts(menu.get()).first() != QLatin1String("&Edit"));
            return;
        }
        menu->actions().first()->trigger();
        QCOMPARE(opener.calls.size(), 2);
        for (const FakeOpener::Call &call : std::as_const(opener.calls)) {
            QCOMPARE(int(call.editor), editor);
            QCOMPARE(call.block, block);
        }
    }

    void blockMenusFollowTheKind_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QStringList>("texts");
        const QStringList all{"&Edit", "Cu&t", "&Copy", "&Delete", "&Rename"};
        QTest::newRow("pre-logic") << "PreLogic" << all;
        QTest::newRow("measure counter") << "MsrCnt" << all;
        QTest::newRow("pass-through") << "NonFnc" << QStringList{"Cu&t", "&Copy", "&Delete"};
        QTest::newRow("label") << "Label" << QStringList{"Cu&t", "&Copy", "&Delete", "&Rename"};
    }

    void blockMenusFollowTheKind()
    {
        QFETCH(QString, term);
        QFETCH(QStringList, texts);
        Fixture f;
        BlockItem *block = f.doc.edits().placeNew(term, 0).block;
        QCOMPARE(actionTexts(blockMenu(f.canvas, block).get()), texts);
    }

    void portListForBlocksWithoutDialog()
    {
        Fixture f;
        CanvasDriver driver(f.canvas);
        f.add(QStringLiteral("Input"), 0);
        BlockItem *input = f.add(QStringLiteral("Input"), 10);
        QCOMPARE(input->name(), QStringLiteral("NIM-IN-S1"));
        driver.prompts.choice = QStringLiteral("BNC-IN");
        QSignalSpy steps(&f.canvas, &ProgramWidget::modified);
        driver.doubleClick(grip(input));
        QCOMPARE(driver.prompts.listTitle, QStringLiteral("NIM-IN-S1"));
        QCOMPARE(driver.prompts.offeredItems.first(), QStringLiteral("NIM-IN-S1"));
        QVERIFY(driver.prompts.offeredItems.contains(QStringLiteral("BNC-IN")));
        QVERIFY(!driver.prompts.offeredItems.contains(QStringLiteral("NIM-IN-S0")));
        // 100 px left of the block, but no lower than y 300.
        const QPoint corner = f.canvas.mapToGlobal(input->position());
        QVERIFY(corner.y() > 300);
        QCOMPARE(driver.prompts.listAt, QPoint(corner.x() - 100, 300));
        QCOMPARE(input->name(), QStringLiteral("BNC-IN"));
        QCOMPARE(steps.count(), 1);
    }

    // The connector an input moves to has a block on another sheet: the two
    // end up showing one name.
    void portListKeepsTheConnectorsNameConsistent_data()
    {
        QTest::addColumn<QString>("movedName");
        QTest::addColumn<QString>("otherName");
        QTest::addColumn<QString>("shared");
        QTest::newRow("own name spreads") << "start" << QString() << "start";
        QTest::newRow("connector's name taken over") << QString() << "veto" << "veto";
    }

    void portListKeepsTheConnectorsNameConsistent()
    {
        QFETCH(QString, movedName);
        QFETCH(QString, otherName);
        QFETCH(QString, shared);
        Fixture f;
        CanvasDriver driver(f.canvas);
        f.doc.sheets().ensureSheet(1);
        BlockItem *other = f.doc.edits().placeBlock(QStringLiteral("Input"), 1, 0, QStringLiteral("NIM-IN-S2"));
        BlockItem *moved = f.add(QStringLiteral("Input"), 0);
        QVERIFY(other && moved);
        f.doc.edits().renameBlock(other, otherName);
        f.doc.edits().renameBlock(moved, movedName);
        driver.prompts.choice = QStringLiteral("NIM-IN-S2");
        driver.doubleClick(grip(moved));
        QCOMPARE(moved->name(), QStringLiteral("NIM-IN-S2"));
        QCOMPARE(moved->displayName(), shared);
        QCOMPARE(other->displayName(), shared);
    }

    void deletingLabelRemovesEveryReferenceAsOneStep()
    {
        Fixture f;
        DesignDocument &doc = f.doc;
        doc.sheets().addSheet();
        BlockItem *label = f.add(QStringLiteral("PreLabel"), 0, QStringLiteral("Label0"));
        QVERIFY(doc.edits().placeBlock(QStringLiteral("PreLabel0"), 1, 0, QStringLiteral("Label0")));
        QVERIFY(f.add(QStringLiteral("PreLabel0"), 2, QStringLiteral("Label0")));
        QSignalSpy steps(&f.canvas, &ProgramWidget::modified);
        blockMenu(f.canvas, label)->actions().at(2)->trigger();
        QVERIFY(doc.model().allBlocks().isEmpty());
        QVERIFY(!doc.labels().find(QStringLiteral("Label0")));
        QCOMPARE(steps.count(), 1);
    }

    void tooltipsNameWhatIsUnderThePointerAndLeavingUnlightsTheGrip()
    {
        Fixture f;
        f.canvas.setZoom(1.5);
        f.canvas.resize(f.canvas.minimumSize());
        BlockItem *logic = f.add(QStringLiteral("PreLogic"), 0, QStringLiteral("PreLgc0"));
        BlockItem *function = f.add(QStringLiteral("NonFnc"), 0);
        f.doc.edits().connect(logic, function, 0);
        const QLine wire = f.canvas.wireMap().wires().first().line;
        const auto tipAt = [&](const QPoint &sheetPoint) {
            const QPoint at = f.canvas.view().toWidget(sheetPoint);
            QHelpEvent help(QEvent::ToolTip, at, f.canvas.mapToGlobal(at));
            QApplication::sendEvent(&f.canvas, &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QVERIFY(tipAt(grip(logic)).contains(QStringLiteral("(PreLogic)")));
        QVERIFY(tipAt(grip(function)).contains(QStringLiteral("(NonFnc)")));
        QVERIFY(tipAt(wire.center()).startsWith(QStringLiteral("PreLgc0 → ")));
        // Empty canvas hides the tip (after the tip's own short delay).
        tipAt(QPoint(700, 900));
        QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 2000);

        CanvasDriver driver(f.canvas);
        driver.hover(f.canvas.view().toWidget(outputGrip(logic)));
        QCOMPARE(f.canvas.litGrip(), logic);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&f.canvas, &leave);
        QVERIFY(!f.canvas.litGrip());
    }

    void canvasMenuDeletesWireElsePastes()
    {
        Fixture f;
        QAction paste(QStringLiteral("&Paste"));
        paste.setEnabled(false);
        f.canvas.setPasteAction(&paste);
        BlockItem *logic = f.add(QStringLiteral("PreLogic"), 0, QStringLiteral("PreLgc0"));
        BlockItem *function = f.add(QStringLiteral("NonFnc"), 0);
        f.doc.edits().connect(logic, function, 0);
        const QLine wire = f.canvas.wireMap().wires().first().line;

        std::unique_ptr<QMenu> onWire(f.canvas.createMenu(wire.center()));
        QCOMPARE(actionTexts(onWire.get()), QStringList{"Delete"});
        onWire->actions().first()->trigger();
        QVERIFY(function->inputs().isEmpty());

        std::unique_ptr<QMenu> elsewhere(f.canvas.createMenu(QPoint(700, 900)));
        QCOMPARE(actionTexts(elsewhere.get()), QStringList{"Paste"});
        QVERIFY(!elsewhere->actions().first()->isEnabled());
        paste.setEnabled(true);
        QSignalSpy pasted(&paste, &QAction::triggered);
        std::unique_ptr<QMenu> enabled(f.canvas.createMenu(QPoint(700, 900)));
        enabled->actions().first()->trigger();
        QCOMPARE(pasted.count(), 1);
    }

    void scrollAreaLeavesUpAndDownToTheCanvas_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("scrolled");
        QTest::newRow("up") << int(Qt::Key_Up) << false;
        QTest::newRow("down") << int(Qt::Key_Down) << false;
        QTest::newRow("page down") << int(Qt::Key_PageDown) << true;
    }

    void scrollAreaLeavesUpAndDownToTheCanvas()
    {
        QFETCH(int, key);
        QFETCH(bool, scrolled);
        CustomScroll scroll;
        auto *content = new QWidget;
        content->setMinimumSize(300, 3000);
        scroll.setWidget(content);
        scroll.resize(300, 200);
        scroll.show();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&scroll, &press);
        QCOMPARE(scroll.verticalScrollBar()->value() > 0, scrolled);
    }
};

KARIX_TEST(TestCanvasGestures)
#include "tst_programwidget.moc"
