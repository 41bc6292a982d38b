// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "common/testrunner.h"
#include "editor/dragpayload.h"
#include "editor/programwidget.h"
#include "io/designdocument.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "scriptedprompter.h"
#include "windowhelpers.h"

#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>

using namespace WindowHelpers;

namespace {

// A palette entry dragged onto the canvas and dropped at `at`.
void dropFromPalette(ProgramWidget &canvas, const QString &key, const QPoint &at)
{
    QMimeData mime;
    mime.setData(DragPayload::mimeType(), DragPayload{key, QPoint(5, 5)}.encode());
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent entered(at, actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas, &entered);
    QDropEvent dropped(at, actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas, &dropped);
}

void doubleClick(ProgramWidget &canvas, const BlockItem *block)
{
    const QPointF at(block->position() + QPoint(3, 3));
    QMouseEvent event(QEvent::MouseButtonDblClick, at, canvas.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas, &event);
}

} // namespace

// The canvases of the window show their boxes through the window's prompter.
class TestPrompterCanvasPrompts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { isolatePaths(); }
    void cleanupTestCase() { isolatePaths(); }

    void refusedDropWarnsThroughTheWindowsPrompter()
    {
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        window.setPrompter(&prompter);
        for (int i = 0; i < 10; ++i)
            QVERIFY(addBlock(window, QStringLiteral("Input"), 0, -1));
        const int blocks = window.document().model().allBlocks().size();
        dropFromPalette(*window.canvas(0), QStringLiteral("Input"), QPoint(300, 300));
        QTRY_COMPARE_WITH_TIMEOUT(prompter.shown,
                                  QStringList{"KaRiX|There is no more Input resource."}, 1000);
        QCOMPARE(window.document().model().allBlocks().size(), blocks);
    }

    void portListAnsweredByTheWindowsPrompter_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("name");
        QTest::newRow("chosen") << std::optional<QString>(QStringLiteral("BNC-IN"))
                                << QStringLiteral("BNC-IN");
        QTest::newRow("cancelled") << std::optional<QString>() << QStringLiteral("NIM-IN-S0");
    }

    void portListAnsweredByTheWindowsPrompter()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, name);
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        prompter.itemAnswer = answer;
        window.setPrompter(&prompter);
        BlockItem *input = addBlock(window, QStringLiteral("Input"), 0, 0);
        QVERIFY(input);
        QCOMPARE(input->name(), QStringLiteral("NIM-IN-S0"));
        // The window's block dialogs take every block with an editor; without
        // them the canvas offers its port list.
        window.canvas(0)->setEditorOpener(nullptr);
        doubleClick(*window.canvas(0), input);
        QCOMPARE(prompter.shown.size(), 1);
        QVERIFY2(prompter.shown.first().startsWith("NIM-IN-S0|select port|NIM-IN-S0,"),
                 qPrintable(prompter.shown.first()));
        QVERIFY(prompter.shown.first().contains(",BNC-IN"));
        QCOMPARE(input->name(), name);
    }
};

KARIX_TEST(TestPrompterCanvasPrompts)
#include "tst_promptercanvasprompts.moc"
