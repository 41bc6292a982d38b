// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/documentcontroller.h"
#include "app/mainwindow.h"
#include "app/undostack.h"
#include "common/testrunner.h"
#include "editor/programwidget.h"
#include "io/designdocument.h"
#include "model/blockitem.h"
#include "model/designedits.h"
#include "model/designmodel.h"
#include "model/sheetset.h"
#include "scriptedprompter.h"
#include "windowhelpers.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <memory>

using namespace WindowHelpers;

namespace {

void doubleClick(ProgramWidget &canvas, const BlockItem *block)
{
    const QPointF at(block->position() + QPoint(3, 3));
    QMouseEvent event(QEvent::MouseButtonDblClick, at, canvas.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas, &event);
}

// Triggers the entry of the menu a right click on the block opens.
void triggerBlockAction(ProgramWidget &canvas, const BlockItem *block, const QString &text)
{
    const std::unique_ptr<QMenu> menu(canvas.createMenu(block->position() + QPoint(3, 3)));
    for (QAction *action : menu->actions()) {
        if (action->text() == text) {
            action->trigger();
            return;
        }
    }
    qFatal("%s has no action %s", qPrintable(block->name()), qPrintable(text));
}

// Types into the line or text edit of that object name, as a user would.
void type(QDialog &dialog, const QString &field, const QString &text)
{
    if (auto *line = dialog.findChild<QLineEdit *>(field)) {
        line->clear();
        QTest::keyClicks(line, text);
    } else if (auto *edit = dialog.findChild<QTextEdit *>(field)) {
        edit->clear();
        QTest::keyClicks(edit, text);
    } else {
        qFatal("no field %s", qPrintable(field));
    }
}

int clickOk(QDialog &dialog)
{
    dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
    return dialog.result();
}

} // namespace

// The block dialogs as the window's canvases open them: double click, the
// Edit and Rename actions, and the edit steps they leave in the history.
class TestBlockDialogOpener : public QObject
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

private slots:
    void initTestCase() { isolatePaths(); }
    void init() { m_prompter = ScriptedPrompter(); }
    void cleanupTestCase() { isolatePaths(); }

    void doubleClickAndEditOpenTheSameDialog_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("dialogClass");
        QTest::addColumn<QString>("title");
        QTest::newRow("pre-logic") << "PreLogic" << "EditLogicDialog" << "PreLgc0";
        QTest::newRow("post-logic") << "PostLogic" << "EditLogicDialog" << "PstLgc0";
        QTest::newRow("counter") << "CntFnc" << "EditCntFncDialog" << "CntFnc0";
        QTest::newRow("delay") << "DlyFnc" << "EditDlyFncDialog" << "DlyFnc0";
        QTest::newRow("measure counter") << "MsrCnt" << "EditMsrCntDialog" << "MsrCnt0";
        QTest::newRow("input") << "Input" << "EditInputDialog" << "NIM-IN-S0";
        QTest::newRow("output") << "NIM-OUT" << "EditInputDialog" << "NIM-OUT0";
    }

    void doubleClickAndEditOpenTheSameDialog()
    {
        QFETCH(QString, term);
        QFETCH(QString, dialogClass);
        QFETCH(QString, title);
        auto w = window();
        // Low on the sheet, so that the dialog's top is held at 300.
        BlockItem *block = addBlock(*w, term, 0, 6);
        QVERIFY(block);
        const QByteArray before = written(*w);
        // Which dialog ran, its title and where it was placed.
        QStringList opened;
        QRect placed;
        m_prompter.dialogAnswer = [&opened, &placed](QDialog &dialog) {
            opened << QStringLiteral("%1 %2 %3,%4").arg(dialog.metaObject()->className(), dialog.windowTitle())
                          .arg(dialog.x()).arg(dialog.y());
            placed = QRect(dialog.pos(), dialog.size());
            return int(QDialog::Rejected);
        };
        ProgramWidget &canvas = *w->currentCanvas();
        doubleClick(canvas, block);
        triggerBlockAction(canvas, block, QStringLiteral("&Edit"));

        const QPoint corner = canvas.mapToGlobal(block->position());
        const QString expected = QStringLiteral("%1 %2 %3,%4").arg(dialogClass, title)
                                     .arg(placed.x()).arg(std::min(corner.y(), 300));
        QCOMPARE(opened, QStringList({expected, expected}));
        QVERIFY(!placed.intersects(QRect(corner, block->size())));
        // Cancelled twice: nothing changed, nothing recorded.
        QCOMPARE(w->history().count(), 0);
        QCOMPARE(written(*w), before);
    }

    void acceptedEditIsOneUndoableStep_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        // Empty: OK without an edit leaves the property as it was.
        QTest::addColumn<QString>("property");
        QTest::newRow("delay") << "DlyFnc" << "delayEdit" << "100" << "Delay=100ns";
        QTest::newRow("counter width") << "CntFnc" << "mainLineEdit" << "25"
                                       << "Mode=0 MainCnt=25nsec SubCnt=5nsec";
        QTest::newRow("logic expression") << "PreLogic" << "textEdit" << "_A" << "_A";
        QTest::newRow("delay, OK unedited") << "DlyFnc" << QString() << QString() << QString();
    }

    void acceptedEditIsOneUndoableStep()
    {
        QFETCH(QString, term);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, property);
        auto w = window();
        BlockItem *block = addBlock(*w, term, 0, 0);
        QVERIFY(block);
        const QString original = block->property();
        w->documentController().recordEditStep();
        const QByteArray placed = w->history().currentDocument();
        m_prompter.dialogAnswer = [&](QDialog &dialog) {
            if (!field.isEmpty())
                type(dialog, field, typed);
            return clickOk(dialog);
        };
        triggerBlockAction(*w->currentCanvas(), block, QStringLiteral("&Edit"));
        QVERIFY2(!m_prompter.shown.join('\n').contains("Invalid"), qPrintable(m_prompter.shown.join('\n')));
        if (property.isEmpty()) {
            QCOMPARE(block->property(), original);
            QCOMPARE(w->history().count(), 1);
            return;
        }
        QCOMPARE(block->property(), property);
        QCOMPARE(w->history().count(), 2);
        QCOMPARE(w->history().currentDocument(), written(*w));

        action(*w, "actionUndo")->trigger();
        QCOMPARE(written(*w), placed);
        QCOMPARE(w->history().currentIndex(), 0);
    }

    void renameOverSheetsIsUndoneByOneUndo()
    {
        auto w = window();
        DesignDocument &doc = w->document();
        doc.edits().addSheet();
        doc.edits().addSheet();
        QList<BlockItem *> inputs;
        for (int sheet = 0; sheet < 3; ++sheet)
            inputs << doc.edits().placeBlock(QStringLiteral("Input"), sheet, 0, QStringLiteral("NIM-IN-S0"));
        QVERIFY(!inputs.contains(nullptr));
        w->documentController().recordEditStep();
        const QByteArray named = w->history().currentDocument();

        m_prompter.textAnswer = QStringLiteral("start");
        triggerBlockAction(*w->currentCanvas(), inputs.at(0), QStringLiteral("&Rename"));
        for (const BlockItem *input : std::as_const(inputs))
            QCOMPARE(input->displayName(), QStringLiteral("start"));
        QCOMPARE(w->history().count(), 2);

        action(*w, "actionUndo")->trigger();
        QCOMPARE(written(*w), named);
        for (const BlockItem *input : doc.model().inputBlocks())
            QCOMPARE(input->displayName(), QStringLiteral("NIM-IN-S0"));
        QCOMPARE(doc.model().inputBlocks().size(), 3);
    }
};

KARIX_TEST(TestBlockDialogOpener)
#include "tst_blockdialogopener.moc"
