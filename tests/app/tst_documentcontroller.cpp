// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/documentcontroller.h"
#include "app/mainwindow.h"
#include "app/sheettabs.h"
#include "app/recoveryfile.h"
#include "app/undostack.h"
#include "common/filesizelimit.h"
#include "common/testrunner.h"
#include "editor/labelwidget.h"
#include "editor/programwidget.h"
#include "io/designdocument.h"
#include "model/blockitem.h"
#include "model/designedits.h"
#include "model/designmodel.h"
#include "model/labelregistry.h"
#include "model/sheet.h"
#include "model/sheetset.h"
#include "scriptedprompter.h"
#include "windowhelpers.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <optional>

using namespace WindowHelpers;

namespace {

const char kDieAfterEditing[] = "KARIX_TEST_DIE_AFTER_EDITING";
const int kChildExitCode = 17;

const char kDesign[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<KaRiX addr="127.0.0.1" tcpPort="24" udpPort="4660" Timeout="1" autoConnect="false">
    <tab id="0" name="Front">
        <entry term="PreLogic">
            <id>0</id>
            <name>PreLgc0</name>
        </entry>
    </tab>
    <tab id="1" name="Back">
    </tab>
</KaRiX>
)";

// Feedback blocks of the design whose entry the label bar does not show.
QStringList missingLabelEntries(MainWindow &window)
{
    QStringList missing;
    for (BlockItem *block : window.document().model().outputBlocks()) {
        const QString entry = LabelRegistry::entryName(block->name());
        if (block->term() == QLatin1String("FeedBack") && !window.labelBar()->entryLabel(entry))
            missing << entry;
    }
    return missing;
}

bool enabled(MainWindow &window, const char *name)
{
    return action(window, name)->isEnabled();
}

} // namespace

// The edit history as the window shows it, and the recovery of unsaved
// changes after the program died.
class TestDocumentController : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;

    QString writeDesign(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(kDesign) != qint64(strlen(kDesign)))
            return QString();
        return path;
    }

    std::unique_ptr<MainWindow> window(const ConnectionSettings *options = nullptr)
    {
        auto made = std::make_unique<MainWindow>(QString(), options);
        made->setPrompter(&m_prompter);
        return made;
    }

    static void edit(MainWindow &window)
    {
        QVERIFY(addBlock(window, QStringLiteral("CntFnc"), window.sheetTabs().current(), -1));
        window.documentController().recordEditStep();
    }

private slots:
    void initTestCase() { isolatePaths(); }
    void init()
    {
        m_prompter = ScriptedPrompter();
        isolatePaths();
    }
    void cleanupTestCase() { isolatePaths(); }

    void newDocumentEditUndoRedo()
    {
        auto w = window();
        QVERIFY(!enabled(*w, "actionUndo") && !enabled(*w, "actionRedo"));
        edit(*w);
        QVERIFY(enabled(*w, "actionUndo") && !enabled(*w, "actionRedo"));
        QVERIFY(w->isWindowModified());
        action(*w, "actionUndo")->trigger();
        QVERIFY(w->document().model().allBlocks().isEmpty());
        QVERIFY(!w->isWindowModified());
        QVERIFY(!enabled(*w, "actionUndo") && enabled(*w, "actionRedo"));
        action(*w, "actionRedo")->trigger();
        QCOMPARE(w->document().model().functionBlocks().size(), 1);
        QVERIFY(w->isWindowModified());
        QVERIFY(enabled(*w, "actionUndo") && !enabled(*w, "actionRedo"));
    }

    void undoAfterOpenReturnsToTheFile()
    {
        const QString path = writeDesign(QStringLiteral("open.krx"));
        auto w = window();
        w->documentController().open(path);
        const QByteArray opened = written(*w);
        w->tabWidget()->setCurrentIndex(1);
        edit(*w);
        w->document().settings().udpPort = 5000;
        w->documentController().recordEditStep();
        action(*w, "actionUndo")->trigger();
        action(*w, "actionUndo")->trigger();
        QCOMPARE(written(*w), opened);
        QVERIFY(!w->isWindowModified());
        // The sheet the user was on stays current.
        QCOMPARE(w->sheetTabs().current(), 1);
        QCOMPARE(w->tabWidget()->currentIndex(), 1);
        action(*w, "actionRedo")->trigger();
        action(*w, "actionRedo")->trigger();
        QCOMPARE(w->document().settings().udpPort, quint16(5000));
    }

    void saveEditUndoClearsTheMark()
    {
        auto w = window();
        m_prompter.fileAnswer = m_dir.filePath(QStringLiteral("saved.krx"));
        edit(*w);
        QVERIFY(w->documentController().save());
        QVERIFY(!w->isWindowModified());
        edit(*w);
        QVERIFY(w->isWindowModified());
        action(*w, "actionUndo")->trigger();
        QVERIFY(!w->isWindowModified());
        // Before the save: modified again.
        action(*w, "actionUndo")->trigger();
        QVERIFY(w->isWindowModified());
    }

    void commandLineSettingsOverrideIsOneUndoableStep()
    {
        const QString path = writeDesign(QStringLiteral("override.krx"));
        ConnectionSettings options;
        options.address = QStringLiteral("127.0.0.2");
        auto w = window(&options);
        w->documentController().open(path);
        QVERIFY(w->isWindowModified());
        QCOMPARE(w->document().settings().address, QStringLiteral("127.0.0.2"));
        action(*w, "actionUndo")->trigger();
        QVERIFY(!w->isWindowModified());
        QCOMPARE(w->document().settings().address, QStringLiteral("127.0.0.1"));
    }

    void deletingASheetIsUndoable()
    {
        const QString path = writeDesign(QStringLiteral("sheets.krx"));
        auto w = window();
        w->documentController().open(path);
        w->sheetTabs().tabDelete(0);
        QCOMPARE(w->sheetTabs().count(), 1);
        QCOMPARE(w->tabWidget()->tabText(0), QStringLiteral("Back"));
        QVERIFY(w->isWindowModified());
        action(*w, "actionUndo")->trigger();
        QCOMPARE(w->sheetTabs().count(), 2);
        QCOMPARE(w->document().model().preLogics().size(), 1);
        // Deleting the only sheet is a step as well.
        w->sheetTabs().tabDelete(1);
        w->sheetTabs().tabDelete(0);
        QVERIFY(w->document().model().allBlocks().isEmpty());
        action(*w, "actionUndo")->trigger();
        QCOMPARE(w->tabWidget()->tabText(0), QStringLiteral("Front"));
    }

    void canvasesMadeLaterRecordTheirEdits()
    {
        const QString path = writeDesign(QStringLiteral("later.krx"));
        auto w = window();
        w->documentController().open(path);
        w->tabWidget()->setCurrentIndex(1);
        QVERIFY(addBlock(*w, QStringLiteral("PreLogic"), 1, -1));
        w->currentCanvas()->selection().selectAll();
        action(*w, "actionDelete")->trigger();
        QVERIFY(w->document().sheets().sheet(1)->blocks().isEmpty());
        QCOMPARE(w->history().count(), 1);
    }

    // Random edits, each recorded; then every state is rebuilt from the
    // history by undoing to the base and redoing to the end.
    void everyStepRebuildsExactly_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {3u, 17u, 2026u})
            QTest::addRow("seed %u", seed) << seed;
    }

    void everyStepRebuildsExactly()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        auto w = window();
        QList<QByteArray> recorded;
        constexpr int steps = 150;
        for (int i = 0; i < steps; ++i) {
            const int before = w->history().currentIndex();
            randomEdit(*w, random);
            const int now = w->history().currentIndex();
            if (now == before + 1) {
                recorded.resize(now);
                recorded << written(*w);
            }
            QCOMPARE(w->history().count(), recorded.size());
        }
        QVERIFY(recorded.size() > steps / 4);
        for (int index = recorded.size() - 1; index >= 0; --index)
            QCOMPARE(w->history().document(index), recorded.at(index));
        while (w->history().canUndo())
            action(*w, "actionUndo")->trigger();
        QVERIFY(w->document().model().allBlocks().isEmpty());
        QCOMPARE(w->sheetTabs().count(), 1);
        for (int index = 0; index < recorded.size(); ++index) {
            action(*w, "actionRedo")->trigger();
            QCOMPARE(w->history().currentIndex(), index);
            QCOMPARE(written(*w), recorded.at(index));
            QCOMPARE(resourceMismatch(*w), QString());
            QCOMPARE(missingLabelEntries(*w), QStringList());
        }
        for (int index = recorded.size() - 2; index >= 0; --index) {
            action(*w, "actionUndo")->trigger();
            QCOMPARE(written(*w), recorded.at(index));
            QCOMPARE(resourceMismatch(*w), QString());
        }
    }

    // ---- recovery ----

    void recoveryAfterTheProgramEnds_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("offered");
        QTest::newRow("died") << "died" << true;
        QTest::newRow("saved") << "saved" << false;
        QTest::newRow("discarded at close") << "discarded" << false;
        QTest::newRow("still running") << "running" << false;
        QTest::newRow("file changed afterwards") << "touched" << true;
    }

    void recoveryAfterTheProgramEnds()
    {
        QFETCH(QString, ending);
        QFETCH(bool, offered);
        const QString path = writeDesign(QStringLiteral("recover-%1.krx").arg(ending));
        auto first = window();
        first->documentController().open(path);
        edit(*first);
        const QByteArray edited = written(*first);
        QVERIFY(QFileInfo::exists(first->documentController().recoveryPath()));
        if (ending == "saved") {
            QVERIFY(first->documentController().save());
        } else if (ending == "discarded") {
            m_prompter.answer = QMessageBox::Discard;
            QVERIFY(first->close());
        } else if (ending == "touched") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::Append));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                     QFileDevice::FileModificationTime));
        }
        // Destroyed without the close path, as when the program dies.
        if (ending != "running")
            first.reset();

        m_prompter = ScriptedPrompter();
        auto next = window();
        next->documentController().restoreUnsavedChanges();
        QString offer = "KaRiX|Restore unsaved changes to " + path + "?";
        if (ending == "touched")
            offer += "\nThe file has changed since these changes were made.";
        QCOMPARE(m_prompter.shown, offered ? QStringList({offer}) : QStringList());
        if (!offered)
            return;
        QCOMPARE(written(*next), edited);
        QCOMPARE(next->documentController().currentFileName(), path);
        QVERIFY(next->isWindowModified());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(kDesign));
        // Undo goes back to the file as saved.
        action(*next, "actionUndo")->trigger();
        QCOMPARE(next->document().model().functionBlocks().size(), 0);
    }

    void decliningTheOfferRemovesTheChanges()
    {
        auto first = window();
        edit(*first);
        first.reset();
        m_prompter.answer = QMessageBox::No;
        auto next = window();
        next->documentController().restoreUnsavedChanges();
        QCOMPARE(m_prompter.shown, QStringList({"KaRiX|Restore unsaved changes to NewFile?"}));
        QVERIFY(next->document().model().allBlocks().isEmpty());
        m_prompter.shown.clear();
        auto third = window();
        third->documentController().restoreUnsavedChanges();
        QVERIFY(m_prompter.shown.isEmpty());
    }

    // Run as a child process by recoveryAfterAKill: edits, then ends at once
    // without any clean-up, its lock file left behind.
    void diesAfterEditing()
    {
        const QString path = qEnvironmentVariable(kDieAfterEditing);
        if (path.isEmpty())
            QSKIP("runs only as the child of recoveryAfterAKill");
        auto w = window();
        w->documentController().open(path);
        edit(*w);
        std::_Exit(kChildExitCode);
    }

    void recoveryAfterAKill()
    {
        const QString path = writeDesign(QStringLiteral("killed.krx"));
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(kDieAfterEditing), path);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("-class"), QStringLiteral("TestDocumentController"),
                     QStringLiteral("diesAfterEditing")});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), kChildExitCode);
        QCOMPARE(QDir(RecoveryFile::directory()).entryList({QStringLiteral("*.lock")}).size(), 1);

        auto next = window();
        next->documentController().restoreUnsavedChanges();
        QCOMPARE(m_prompter.shown, QStringList({"KaRiX|Restore unsaved changes to " + path + "?"}));
        QCOMPARE(next->document().model().functionBlocks().size(), 1);
        QCOMPARE(next->documentController().currentFileName(), path);
    }

    void restoringTheDocumentOpenedAtStartAsksNothingElse()
    {
        const QString path = writeDesign(QStringLiteral("started.krx"));
        ConnectionSettings options;
        options.address = QStringLiteral("127.0.0.2");
        auto first = std::make_unique<MainWindow>(path, &options);
        first->setPrompter(&m_prompter);
        edit(*first);
        const QByteArray edited = written(*first);
        first.reset();
        // The settings from the command line make the new start modified too.
        MainWindow next(path, &options);
        next.setPrompter(&m_prompter);
        QVERIFY(next.isWindowModified());
        next.documentController().restoreUnsavedChanges();
        QCOMPARE(m_prompter.shown, QStringList({"KaRiX|Restore unsaved changes to " + path + "?"}));
        QCOMPARE(written(next), edited);
        QCOMPARE(RecoveryFile::leftBehind().size(), 0);
    }

    void cancellingTheRestoreKeepsBothDesigns()
    {
        auto first = window();
        edit(*first);
        first.reset();
        m_prompter.answers = {QMessageBox::Yes, QMessageBox::Cancel};
        auto next = window();
        edit(*next);
        edit(*next);
        next->documentController().restoreUnsavedChanges();
        QCOMPARE(m_prompter.shown,
                 QStringList({"KaRiX|Restore unsaved changes to NewFile?",
                              "|The document has been modified.\nDo you want to save your changes?"}));
        QCOMPARE(next->document().model().functionBlocks().size(), 2);
        next.reset();
        QCOMPARE(RecoveryFile::leftBehind().size(), 2);
    }

    void failedSaveAtTheQuestionActsAsCancel_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("new, folder gone") << "new" << false;
        QTest::newRow("open, folder gone") << "open" << false;
        QTest::newRow("quit, folder gone") << "quit" << false;
        QTest::newRow("new, disk full") << "new" << true;
    }

    void failedSaveAtTheQuestionActsAsCancel()
    {
        QFETCH(QString, gesture);
        QFETCH(bool, diskFull);
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("gone")));
        const QString path = writeDesign(QStringLiteral("gone/g.krx"));
        const QString other = writeDesign(QStringLiteral("other.krx"));
        auto w = window();
        w->documentController().open(path);
        edit(*w);
        const QByteArray edited = written(*w);
        std::optional<FileSizeLimit> full;
        if (diskFull)
            full.emplace(1);
        else
            QVERIFY(QDir(m_dir.filePath(QStringLiteral("gone"))).removeRecursively());
        m_prompter.answer = QMessageBox::Save;
        if (gesture == "new")
            w->documentController().newDiagram();
        else if (gesture == "open")
            w->documentController().open(other);
        else
            QVERIFY(!w->close());
        full.reset();
        QCOMPARE(m_prompter.shown.size(), 2);
        QVERIFY2(m_prompter.shown.last().startsWith("file save|Cannot write file " + path),
                 qPrintable(m_prompter.shown.last()));
        QCOMPARE(written(*w), edited);
        QCOMPARE(w->documentController().currentFileName(), path);
        QVERIFY(w->isWindowModified());
        QVERIFY(QFileInfo::exists(w->documentController().recoveryPath()));
    }

    // Started in another folder, the program restores onto the same file.
    void recoveryKeepsTheAbsolutePath()
    {
        const QDir base(m_dir.path());
        QVERIFY(base.mkpath(QStringLiteral("w1")) && base.mkpath(QStringLiteral("w2")));
        const QString first = writeDesign(QStringLiteral("w1/rel.krx"));
        const QString second = writeDesign(QStringLiteral("w2/rel.krx"));
        const QString startedIn = QDir::currentPath();
        const auto back = qScopeGuard([&startedIn] { QDir::setCurrent(startedIn); });
        QVERIFY(QDir::setCurrent(base.filePath(QStringLiteral("w1"))));
        auto died = window();
        died->documentController().open(QStringLiteral("rel.krx"));
        edit(*died);
        const QByteArray edited = written(*died);
        died.reset();
        QVERIFY(QDir::setCurrent(base.filePath(QStringLiteral("w2"))));
        auto next = window();
        next->documentController().restoreUnsavedChanges();
        QCOMPARE(m_prompter.shown, QStringList({"KaRiX|Restore unsaved changes to " + first + "?"}));
        QVERIFY(next->documentController().save());
        QFile kept(second);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray(kDesign));
        QFile restored(first);
        QVERIFY(restored.open(QIODevice::ReadOnly));
        QCOMPARE(restored.readAll(), edited);
    }

    void damagedRecoveryLeavesTheDocument_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("malformed") << QByteArray("<KaRiX><tab") << "Parse error at line";
        QTest::newRow("no design") << QByteArray("<html/>") << "It holds no KaRiX design.";
    }

    void damagedRecoveryLeavesTheDocument()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString path = writeDesign(QStringLiteral("kept.krx"));
        {
            RecoveryFile damaged;
            damaged.setDocument(path);
            QVERIFY(damaged.write(content));
        }
        auto w = window();
        w->documentController().open(path);
        const QByteArray before = written(*w);
        w->documentController().restoreUnsavedChanges();
        QCOMPARE(m_prompter.shown.size(), 2);
        QVERIFY2(m_prompter.shown.last().startsWith("KaRiX|The unsaved changes cannot be restored:\n" + reason),
                 qPrintable(m_prompter.shown.last()));
        QCOMPARE(written(*w), before);
        QVERIFY(!w->isWindowModified());
        QCOMPARE(w->documentController().currentFileName(), path);
    }

    // Two programs on one document: both keep their changes.
    void everyInstanceKeepsItsOwnRecovery()
    {
        const QString path = writeDesign(QStringLiteral("shared.krx"));
        auto first = window();
        first->documentController().open(path);
        edit(*first);
        auto second = window();
        second->documentController().open(path);
        edit(*second);
        edit(*second);
        first.reset();
        second.reset();
        const QList<RecoveryFile::LeftBehind> found = RecoveryFile::leftBehind();
        QCOMPARE(found.size(), 2);
        QCOMPARE(found.first().documentPath, path);
        QCOMPARE(found.last().documentPath, path);
    }

    void recoveryThatCannotBeWrittenIsSaidOnce_data()
    {
        QTest::addColumn<bool>("folderIsAFile");
        QTest::newRow("folder is a file") << true;
        QTest::newRow("disk full after the first write") << false;
    }

    // And the state written before the failure is never offered as current.
    void recoveryThatCannotBeWrittenIsSaidOnce()
    {
        QFETCH(bool, folderIsAFile);
        const QString folder = RecoveryFile::directory();
        const auto removeFile = qScopeGuard([&folder] { QFile::remove(folder); });
        if (folderIsAFile) {
            QVERIFY(QDir().mkpath(QFileInfo(folder).path()));
            writeFile(folder);
        }
        auto w = window();
        QStringList said;
        connect(w->statusBar(), &QStatusBar::messageChanged, this, [&said](const QString &text) {
            if (!text.isEmpty())
                said << text;
        });
        if (!folderIsAFile)
            edit(*w);
        {
            FileSizeLimit full(1);
            edit(*w);
            edit(*w);
        }
        QCOMPARE(said.size(), 1);
        QVERIFY2(said.first().startsWith("Unsaved changes cannot be kept for recovery in "),
                 qPrintable(said.first()));
        w.reset();
        QFile::remove(folder);
        auto next = window();
        next->documentController().restoreUnsavedChanges();
        QCOMPARE(m_prompter.shown, QStringList());
    }

private:
    static void writeFile(const QString &path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    void randomEdit(MainWindow &window, QRandomGenerator &random);
};

void TestDocumentController::randomEdit(MainWindow &w, QRandomGenerator &random)
{
    static const QStringList terms = {"Input", "PreLogic", "PostLogic", "CntFnc", "DlyFnc",
                                      "NonFnc", "FeedBack", "NIM-OUT", "MsrCnt", "Label"};
    DesignEdits &edits = w.document().edits();
    const int sheet = w.sheetTabs().current();
    const QList<BlockItem *> blocks = w.document().sheets().sheet(sheet)->blocks();
    const auto anyBlock = [&] { return blocks.at(random.bounded(blocks.size())); };
    const int choice = random.bounded(100);
    bool changed = false;
    if (choice < 35) {
        changed = addBlock(w, terms.at(random.bounded(terms.size())), sheet, -1);
    } else if (choice < 55 && !blocks.isEmpty()) {
        changed = edits.connect(anyBlock(), anyBlock(), -1).connected();
    } else if (choice < 62 && !blocks.isEmpty()) {
        changed = edits.disconnect(anyBlock(), random.bounded(11));
    } else if (choice < 75 && !blocks.isEmpty()) {
        w.currentCanvas()->selection().set({anyBlock()});
        action(w, "actionDelete")->trigger();
    } else if (choice < 80 && !blocks.isEmpty()) {
        edits.renameBlock(anyBlock(), QStringLiteral("U%1").arg(random.bounded(5)));
        changed = true;
    } else if (choice < 85) {
        w.sheetTabs().tabNew(true);
    } else if (choice < 88) {
        w.sheetTabs().tabDelete(random.bounded(w.sheetTabs().count()));
    } else if (choice < 94) {
        w.tabWidget()->setCurrentIndex(random.bounded(w.sheetTabs().count()));
    } else {
        action(w, "actionUndo")->trigger();
    }
    if (changed)
        w.documentController().recordEditStep();
}

KARIX_TEST(TestDocumentController)
#include "tst_documentcontroller.moc"
