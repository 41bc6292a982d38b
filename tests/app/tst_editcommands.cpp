// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/documentcontroller.h"
#include "app/editcommands.h"
#include "app/mainwindow.h"
#include "app/undostack.h"
#include "app/viewcommands.h"
#include "common/canvasdriver.h"
#include "common/testrunner.h"
#include "editor/programwidget.h"
#include "io/designdocument.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/prelogic.h"
#include "model/sheet.h"
#include "model/sheetset.h"
#include "scriptedprompter.h"
#include "windowhelpers.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>

using namespace WindowHelpers;

namespace {

const QString kEmptyFragment = QStringLiteral("<KaRiX_Copy_Items>\n</KaRiX_Copy_Items>\n");

} // namespace

// Cut, copy and paste through the clipboard, as the Edit menu runs them.
class TestEditCommands : public QObject
{
    Q_OBJECT

private:
    ScriptedPrompter m_prompter;

    std::unique_ptr<MainWindow> window()
    {
        auto made = std::make_unique<MainWindow>(QString(), nullptr);
        made->setPrompter(&m_prompter);
        return made;
    }

    // An input driving port 0 of a pre-logic block on sheet 0.
    static PreLogic *inputAndLogic(MainWindow &w)
    {
        BlockItem *input = addBlock(w, QStringLiteral("Input"), 0, 0);
        BlockItem *logic = addBlock(w, QStringLiteral("PreLogic"), 0, 0);
        if (!input || !logic)
            return nullptr;
        logic->connectSource(0, input);
        logic->setProperty(QStringLiteral("_A"));
        w.documentController().recordEditStep();
        return static_cast<PreLogic *>(logic);
    }

private slots:
    void initTestCase() { isolatePaths(); }
    void init() { m_prompter = ScriptedPrompter(); }

    // What the canvas highlights is what the commands act on: Cut and Copy
    // need blocks, Delete takes a wire too.
    void commandsFollowWhatIsHighlighted_data()
    {
        QTest::addColumn<QString>("pick");
        QTest::addColumn<bool>("copies");
        QTest::addColumn<bool>("deletes");
        QTest::newRow("clicked block") << "block" << true << true;
        QTest::newRow("band over blocks") << "band" << true << true;
        QTest::newRow("wire") << "wire" << false << true;
        QTest::newRow("empty canvas") << "empty" << false << false;
    }

    void commandsFollowWhatIsHighlighted()
    {
        QFETCH(QString, pick);
        QFETCH(bool, copies);
        QFETCH(bool, deletes);
        auto w = window();
        PreLogic *logic = inputAndLogic(*w);
        QVERIFY(logic);
        CanvasDriver driver(*w->canvas(0));
        const QLine wire = logic->wires().first();
        const QPoint clicks[] = {logic->position() + QPoint(3, 3), (wire.p1() + wire.p2()) / 2,
                                 QPoint(200, 900)};
        if (pick == "band")
            driver.drag(QPoint(1, 85), QPoint(250, 300));
        else
            driver.click(clicks[QStringList{"block", "wire", "empty"}.indexOf(pick)]);
        QCOMPARE(action(*w, "actionCopy")->isEnabled(), copies);
        QCOMPARE(action(*w, "actionCut")->isEnabled(), copies);
        QCOMPARE(action(*w, "actionDelete")->isEnabled(), deletes);
        const int blocks = w->document().model().allBlocks().size();
        action(*w, "actionDelete")->trigger();
        const QList<BlockItem *> left = w->document().model().allBlocks();
        QCOMPARE(left.size() < blocks || logic->inputs().isEmpty(), deletes);
        QVERIFY(!action(*w, "actionDelete")->isEnabled());
    }

    // Ctrl+wheel and the View commands zoom every sheet alike; the zoom is
    // there again in the next session.
    void zoomReachesEverySheetAndIsRemembered()
    {
        {
            auto w = window();
            action(*w, "actionNewSheet")->trigger();
            QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 240),
                              Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(w->canvas(1), &wheel);
            QCOMPARE(w->canvas(0)->zoom(), 1.25);
            action(*w, "actionZoomOut")->trigger();
            QCOMPARE(w->canvas(1)->zoom(), 1.1);
        }
        auto next = window();
        QCOMPARE(next->canvas(0)->zoom(), 1.1);
        action(*next, "actionResetZoom")->trigger();
        QCOMPARE(next->canvas(0)->minimumSize(), QSize(750, 1030));
    }
    void cleanupTestCase() { isolatePaths(); }

    void pasteFollowsTheClipboardText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("fragment") << kEmptyFragment << true;
        QTest::newRow("another program's text") << QStringLiteral("hello") << false;
        QTest::newRow("opening tag without line feed") << QStringLiteral("<KaRiX_Copy_Items>") << false;
        QTest::newRow("indented") << QStringLiteral(" <KaRiX_Copy_Items>\n") << false;
    }

    void pasteFollowsTheClipboardText()
    {
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        auto w = window();
        QApplication::clipboard()->setText(text);
        QCOMPARE(action(*w, "actionPaste")->isEnabled(), enabled);
    }

    void copyingNothingPastesNothingAndRecordsNoStep()
    {
        auto w = window();
        QVERIFY(addBlock(*w, QStringLiteral("PreLogic"), 0, 0));
        // The action is disabled without a selection; the command still works.
        w->findChild<EditCommands *>()->copy();
        QCOMPARE(QApplication::clipboard()->text(), kEmptyFragment);
        QVERIFY(action(*w, "actionPaste")->isEnabled());
        const int steps = w->history().count();
        action(*w, "actionPaste")->trigger();
        QCOMPARE(w->document().model().allBlocks().size(), 1);
        QCOMPARE(w->history().count(), steps);
        QVERIFY(m_prompter.shown.isEmpty());
    }

    void pastedLogicIsFedByThePastedInput()
    {
        auto w = window();
        PreLogic *logic = inputAndLogic(*w);
        QVERIFY(logic);
        w->currentCanvas()->selection().selectAll();
        action(*w, "actionCopy")->trigger();
        action(*w, "actionPaste")->trigger();
        QVERIFY2(m_prompter.shown.isEmpty(), qPrintable(m_prompter.shown.join('\n')));
        const QList<PreLogic *> logics = w->document().model().preLogics();
        QCOMPARE(logics.size(), 2);
        PreLogic *pasted = logics.at(logics.at(0) == logic ? 1 : 0);
        QVERIFY(pasted->name() != logic->name());
        QCOMPARE(pasted->property(), logic->property());
        BlockItem *source = pasted->inputs().value(0);
        QVERIFY(source);
        QVERIFY(source != logic->inputs().value(0));
        QCOMPARE(source->term(), QStringLiteral("Input"));
        QCOMPARE(w->history().count(), 2);
        action(*w, "actionUndo")->trigger();
        QCOMPARE(w->document().model().preLogics().size(), 1);
    }

    void cutPutsTheBlocksOnTheClipboardAndDeletesThem()
    {
        auto w = window();
        QVERIFY(inputAndLogic(*w));
        w->currentCanvas()->selection().selectAll();
        action(*w, "actionCut")->trigger();
        QVERIFY(w->document().model().allBlocks().isEmpty());
        QCOMPARE(w->history().count(), 2);
        action(*w, "actionPaste")->trigger();
        QCOMPARE(w->document().model().allBlocks().size(), 2);
        QCOMPARE(w->history().count(), 3);
    }

    void namesOutsideLatin1SurviveThePaste()
    {
        auto w = window();
        PreLogic *logic = inputAndLogic(*w);
        QVERIFY(logic);
        logic->setUserName(QStringLiteral("Zähler→Ω"));
        w->currentCanvas()->selection().set({logic});
        action(*w, "actionCopy")->trigger();
        action(*w, "actionPaste")->trigger();
        QStringList userNames;
        for (PreLogic *block : w->document().model().preLogics())
            userNames << block->userName();
        QVERIFY2(userNames.contains(QStringLiteral("Zähler→Ω0")), qPrintable(userNames.join(',')));
    }

    // One box for all entries without room, however many there are.
    void entriesWithoutRoomAreReportedInOneBox()
    {
        auto w = window();
        Sheet *sheet = w->document().sheets().sheet(0);
        QVERIFY(addBlock(*w, QStringLiteral("PreLogic"), 0, 0));
        w->currentCanvas()->selection().selectAll();
        action(*w, "actionCopy")->trigger();
        const QString one = QApplication::clipboard()->text();
        const QString entry = one.mid(one.indexOf('\n') + 1).remove(QLatin1String("</KaRiX_Copy_Items>\n"));
        QString many = one;
        many.insert(many.indexOf(QLatin1String("</KaRiX_Copy_Items>")), entry.repeated(99));
        QApplication::clipboard()->setText(many);
        while (addBlock(*w, QStringLiteral("PreLogic"), 0, -1)) {
        }
        QCOMPARE(sheet->lowestFreeRow(QStringLiteral("PreLogic")), -1);
        const int before = w->document().model().preLogics().size();
        const int steps = w->history().count();
        action(*w, "actionPaste")->trigger();
        QCOMPARE(m_prompter.shown,
                 QStringList("KaRiX|100 messages:\nThere's not enough space. (100 times)"));
        QCOMPARE(w->document().model().preLogics().size(), before);
        QCOMPARE(w->history().count(), steps);
    }

    void malformedFragmentIsReportedAndRecordsNoStep()
    {
        auto w = window();
        QApplication::clipboard()->setText(QStringLiteral("<KaRiX_Copy_Items>\n<entry term=\"PreLogic\">\n"));
        const int steps = w->history().count();
        action(*w, "actionPaste")->trigger();
        QCOMPARE(m_prompter.shown.size(), 1);
        QVERIFY2(m_prompter.shown.first().startsWith(QLatin1String("SAX Handler|Parse error at line")),
                 qPrintable(m_prompter.shown.first()));
        QCOMPARE(w->history().count(), steps);
    }
};

KARIX_TEST(TestEditCommands)
#include "tst_editcommands.moc"
