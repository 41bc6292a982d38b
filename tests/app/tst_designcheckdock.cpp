// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/designcheckdock.h"
#include "app/devicecommands.h"
#include "app/documentcontroller.h"
#include "app/mainwindow.h"
#include "app/sheettabs.h"
#include "common/testrunner.h"
#include "editor/programwidget.h"
#include "io/designdocument.h"
#include "model/blockitem.h"
#include "model/sheet.h"
#include "model/sheetset.h"
#include "scriptedprompter.h"
#include "windowhelpers.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

using namespace WindowHelpers;

class TestDesignCheckDock : public QObject
{
    Q_OBJECT

private slots:
    void init() { isolatePaths(); }

    // An unconfigured pre-logic block on a second sheet, found, listed with
    // its sheet, reached by a double click, and followed through edits.
    void listsFindingsAndLeadsToTheBlock()
    {
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        window.setPrompter(&prompter);
        window.show();
        window.sheetTabs().tabNew(true);
        window.document().sheets().sheet(1)->setCaption(QStringLiteral("Back"));
        BlockItem *logic = addBlock(window, QStringLiteral("PreLogic"), 1, -1);
        QVERIFY(logic);
        window.documentController().recordEditStep();
        window.sheetTabs().selectSheet(0);

        action(window, "actionDrc")->trigger();
        DesignCheckDock &dock = window.designCheck();
        QCOMPARE(dock.windowTitle(), QStringLiteral("Design Check \u2014 1 error, 1 warning"));
        QTreeWidget *list = dock.list();
        QCOMPARE(list->topLevelItemCount(), 2);
        QTreeWidgetItem *row = list->topLevelItem(0);
        QCOMPARE(row->text(0), QStringLiteral("Back"));
        QCOMPARE(row->text(1), logic->displayName());
        QCOMPARE(row->text(2), QStringLiteral("error: %1 is unconfigured.").arg(logic->name()));

        emit list->itemDoubleClicked(row, 0);
        QCOMPARE(window.sheetTabs().current(), 1);
        QCOMPARE(window.canvas(1)->selection().blocks(), QList<BlockItem *>{logic});
        QVERIFY(action(window, "actionCopy")->isEnabled());

        // Every step of history checks again: an edit, then its undo, which
        // replaces every block the rows were made from.
        addBlock(window, QStringLiteral("PreLogic"), 0, -1);
        window.documentController().recordEditStep();
        QTRY_COMPARE(dock.windowTitle(), QStringLiteral("Design Check \u2014 2 errors, 2 warnings"));
        action(window, "actionUndo")->trigger();
        QTRY_COMPARE(list->topLevelItemCount(), 2);
        emit list->itemDoubleClicked(list->topLevelItem(0), 0);
        QCOMPARE(window.canvas(1)->selection().blocks().size(), 1);

        window.deviceCommands().download();  // refused: the header and status bar say so
        QVERIFY(dock.header()->isVisible());
        QCOMPARE(dock.header()->text(), DesignCheckDock::refusalText(1));
        QCOMPARE(window.statusBar()->currentMessage(), dock.header()->text());
    }
};

KARIX_TEST(TestDesignCheckDock)
#include "tst_designcheckdock.moc"
