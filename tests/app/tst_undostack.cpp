// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/undostack.h"
#include "common/testrunner.h"

#include <QSignalSpy>
#include <QTest>

// Scripts of history operations: r = record, u = undo, d = redo, s = save,
// c = clear; then the state the window shows.
class TestUndoStack : public QObject
{
    Q_OBJECT

private:
    static void run(UndoStack &stack, const QString &script)
    {
        int recorded = 0;
        for (const QChar op : script) {
            switch (op.toLatin1()) {
            case 'r': stack.record("step " + QByteArray::number(++recorded)); break;
            case 'u': stack.undo(); break;
            case 'd': stack.redo(); break;
            case 's': stack.markSaved(); break;
            case 'c': stack.clear(); break;
            }
        }
    }

private slots:
    void scripts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("canUndo");
        QTest::addColumn<bool>("canRedo");
        QTest::newRow("new document") << "" << -1 << false << false << false;
        QTest::newRow("one edit") << "r" << 0 << true << true << false;
        QTest::newRow("edit, undo") << "ru" << -1 << false << false << true;
        QTest::newRow("undo below the base does nothing") << "ruu" << -1 << false << false << true;
        QTest::newRow("redo past the end does nothing") << "rudd" << 0 << true << true << false;
        QTest::newRow("save, edit, undo") << "rsru" << 0 << false << true << true;
        QTest::newRow("edit, undo, edit drops the redo branch") << "rrur" << 1 << true << true << false;
        // The saved step was dropped: reaching its index again is not the saved state.
        QTest::newRow("save, undo, edit, undo, redo") << "rrsurud" << 1 << true << true << false;
        QTest::newRow("clear forgets the saved step") << "rrsc" << -1 << false << false << false;
        QTest::newRow("clear, edit at the old saved index") << "rscr" << 0 << true << true << false;
        QTest::newRow("undo to before a save") << "rsu" << -1 << true << false << true;
    }

    void scripts()
    {
        QFETCH(QString, script);
        QFETCH(int, current);
        QFETCH(bool, modified);
        QFETCH(bool, canUndo);
        QFETCH(bool, canRedo);
        UndoStack stack;
        run(stack, script);
        QCOMPARE(stack.currentIndex(), current);
        QCOMPARE(stack.isModified(), modified);
        QCOMPARE(stack.canUndo(), canUndo);
        QCOMPARE(stack.canRedo(), canRedo);
    }

    void suppressedStepsAreIgnoredUntilTheOuterBatchEnds()
    {
        UndoStack stack;
        QSignalSpy changes(&stack, &UndoStack::changed);
        {
            UndoStack::Suppressor outer(stack);
            {
                UndoStack::Suppressor inner(stack);
                QVERIFY(!stack.record("inner"));
            }
            QVERIFY(stack.isSuppressed());
            QVERIFY(!stack.record("outer"));
        }
        QVERIFY(!stack.isSuppressed());
        QCOMPARE(changes.count(), 0);
        QVERIFY(stack.record("batch"));
        QCOMPARE(stack.count(), 1);
    }

    void stepsAreStoredCompressed()
    {
        UndoStack stack;
        QByteArray document;
        for (int i = 0; i < 2000; ++i)
            document += "        <entry term=\"PreLogic\">\n            <id>" + QByteArray::number(i % 14)
                        + "</id>\n        </entry>\n";
        stack.record(document);
        QCOMPARE(stack.document(0), document);
        QVERIFY2(stack.storedBytes() < document.size() / 10,
                 qPrintable(QString::number(stack.storedBytes())));
    }
};

KARIX_TEST(TestUndoStack)
#include "tst_undostack.moc"
