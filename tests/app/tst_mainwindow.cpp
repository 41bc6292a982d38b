// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainactions.h"
#include "app/documentcontroller.h"
#include "app/mainwindow.h"
#include "app/sheettabs.h"
#include "app/undostack.h"
#include "common/canvasdriver.h"
#include "common/testrunner.h"
#include "editor/customscroll.h"
#include "editor/programwidget.h"
#include "io/designdocument.h"
#include "io/documentreader.h"
#include "model/designedits.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/resourcecounters.h"
#include "model/sheet.h"
#include "model/sheetset.h"
#include "scriptedprompter.h"
#include "windowhelpers.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <QToolBar>

using namespace WindowHelpers;

namespace {

QStringList captions(MainWindow &window)
{
    QStringList list;
    for (int i = 0; i < window.tabWidget()->count(); ++i)
        list << window.tabWidget()->tabText(i);
    return list;
}

void clickPlusTab(MainWindow &window)
{
    window.tabWidget()->setCurrentIndex(window.tabWidget()->count() - 1);
}

void sendKey(MainWindow &window, QEvent::Type type, Qt::Key key)
{
    QKeyEvent event(type, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);
}


const char kTwoSheetDesign[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<KaRiX addr="127.0.0.1" tcpPort="24" udpPort="4660" Timeout="1" autoConnect="false">
    <tab id="0" name="Front">
        <entry term="Input">
            <id>0</id>
            <name>NIM-IN-S0</name>
        </entry>
        <entry term="PreLogic">
            <id>0</id>
            <name>PreLgc0</name>
            <net port="0">NIM-IN-S0</net>
        </entry>
    </tab>
    <tab id="1" name="Back">
        <entry term="CntFnc">
            <id>0</id>
            <name>CntFnc0</name>
        </entry>
    </tab>
</KaRiX>
)";

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return QString();
        return path;
    }

private slots:
    void initTestCase() { isolatePaths(); }
    void cleanupTestCase() { isolatePaths(); }

    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("QObject::connect|connectSlotsByName")));
    }

    void startsWithOneSheetAndEditCommandsDisabled()
    {
        MainWindow window(QString(), nullptr);
        QCOMPARE(captions(window), QStringList({"Sheet1", "+"}));
        QCOMPARE(window.windowTitle(), QStringLiteral("NewFile[*] - KaRiX"));
        for (const char *name : {"actionUndo", "actionRedo", "actionCut", "actionCopy",
                                 "actionPaste", "actionDelete"})
            QVERIFY2(!action(window, name)->isEnabled(), name);
        for (const char *name : {"actionNew", "actionOpen", "actionSave", "actionSelectAll",
                                 "actionDrc", "actionDownload"})
            QVERIFY2(action(window, name)->isEnabled(), name);
        QTabBar *bar = window.tabWidget()->tabBar();
        QVERIFY(!bar->tabButton(1, QTabBar::LeftSide) && !bar->tabButton(1, QTabBar::RightSide));
        QVERIFY(window.document().settings().autoConnect);
        QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));
        QVERIFY(!window.windowIcon().isNull());
        QWidget *page = window.tabWidget()->widget(0);
        QCOMPARE(page->objectName(), QStringLiteral("tab0"));
        auto *scroll = page->findChild<CustomScroll *>();
        QVERIFY(scroll && scroll->widget() == window.canvas(0));
    }

    void everyMenuActionHasAStatusTip()
    {
        MainWindow window(QString(), nullptr);
        for (QMenu *menu : window.menuBar()->findChildren<QMenu *>()) {
            for (QAction *entry : menu->actions())
                QVERIFY2(!entry->isVisible() || entry->isSeparator() || entry->menu()
                             || !entry->statusTip().isEmpty(), qPrintable(entry->text()));
        }
    }

    void plusTabAddsLowestFreeSheetNumber()
    {
        MainWindow window(QString(), nullptr);
        clickPlusTab(window);
        clickPlusTab(window);
        QCOMPARE(captions(window), QStringList({"Sheet1", "Sheet2", "Sheet3", "+"}));
        QCOMPARE(window.sheetTabs().current(), 2);
        QVERIFY(window.isWindowModified());
        QTabBar *bar = window.tabWidget()->tabBar();
        QVERIFY(!bar->tabButton(3, QTabBar::LeftSide) && !bar->tabButton(3, QTabBar::RightSide));
        QVERIFY(bar->tabButton(2, QTabBar::RightSide) || bar->tabButton(2, QTabBar::LeftSide));

        window.document().sheets().sheet(1)->setCaption(QStringLiteral("Middle"));
        clickPlusTab(window);
        QCOMPARE(captions(window), QStringList({"Sheet1", "Middle", "Sheet3", "Sheet2", "+"}));
        QCOMPARE(window.sheetTabs().current(), 3);
        QCOMPARE(window.tabWidget()->currentIndex(), 3);
    }

    // A 257th sheet could be saved but never read back.
    void plusTabRefusesSheetsTheReaderWouldRefuse()
    {
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        window.setPrompter(&prompter);
        while (window.document().sheets().count() < SheetSet::maxCount)
            window.document().edits().addSheet();
        const int steps = window.history().count();
        clickPlusTab(window);
        QCOMPARE(window.document().sheets().count(), SheetSet::maxCount);
        QCOMPARE(window.sheetTabs().current(), 0);
        QCOMPARE(window.history().count(), steps);
        QCOMPARE(prompter.shown, QStringList{QStringLiteral("KaRiX|A design has at most 256 sheets.")});
        DesignDocument reopened;
        QVERIFY(DocumentReader(reopened.context()).read(written(window)).ok);
        QCOMPARE(reopened.sheets().count(), SheetSet::maxCount);
    }

    void heldTabCyclesToFirstSheetInsteadOfAdding()
    {
        MainWindow window(QString(), nullptr);
        clickPlusTab(window);
        sendKey(window, QEvent::KeyPress, Qt::Key_Tab);
        QVERIFY(window.keyState().tab);
        clickPlusTab(window);
        QCOMPARE(window.sheetTabs().count(), 2);
        QCOMPARE(window.sheetTabs().current(), 0);
        QCOMPARE(window.tabWidget()->currentIndex(), 0);

        sendKey(window, QEvent::KeyRelease, Qt::Key_Tab);
        QVERIFY(!window.keyState().tab);
        clickPlusTab(window);
        QCOMPARE(window.sheetTabs().count(), 3);
    }

    void heldKeysReachTheCanvasOnce()
    {
        MainWindow window(QString(), nullptr);
        CanvasDriver driver(*window.canvas(0));
        BlockItem *block = addBlock(window, QStringLiteral("NonFnc"), 0, 0);
        driver.click(block->position() + QPoint(3, 3));
        // Auto-repeat sends presses without releases.
        sendKey(window, QEvent::ShortcutOverride, Qt::Key_Down);
        sendKey(window, QEvent::KeyPress, Qt::Key_Down);
        sendKey(window, QEvent::KeyPress, Qt::Key_Down);
        QCOMPARE(block->id(), 1);
        sendKey(window, QEvent::KeyRelease, Qt::Key_Down);
        sendKey(window, QEvent::KeyPress, Qt::Key_Down);
        QCOMPARE(block->id(), 2);
    }

    // The canvas has the focus: the key comes to it as a shortcut override
    // and a key press, and Delete is also the Delete action's shortcut.
    void focusedCanvasHandlesDeleteOnce()
    {
        MainWindow window(QString(), nullptr);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ProgramWidget *canvas = window.canvas(0);
        CanvasDriver driver(*canvas);
        BlockItem *selected = addBlock(window, QStringLiteral("NonFnc"), 0, 0);
        BlockItem *current = addBlock(window, QStringLiteral("NonFnc"), 0, 3);
        driver.click(current->position() + QPoint(3, 3));
        canvas->selection().set({selected});
        QVERIFY(action(window, "actionDelete")->isEnabled());
        canvas->setFocus();
        QCOMPARE(QApplication::focusWidget(), canvas);
        const int steps = window.history().count();

        QTest::keyClick(canvas, Qt::Key_Delete);
        QCOMPARE(window.document().model().functionBlocks(), QList<BlockItem *>{current});
        QCOMPARE(window.history().count(), steps + 1);
    }

    void rename_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("modified");
        QTest::newRow("blanks ignored") << std::optional<QString>(QStringLiteral("   "))
                                        << QStringLiteral("Sheet1") << false;
        QTest::newRow("kept untrimmed") << std::optional<QString>(QStringLiteral(" A "))
                                        << QStringLiteral(" A ") << true;
        QTest::newRow("cancelled") << std::optional<QString>() << QStringLiteral("Sheet1") << false;
    }

    void rename()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, caption);
        QFETCH(bool, modified);
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        prompter.textAnswer = answer;
        window.setPrompter(&prompter);
        window.sheetTabs().tabRename();
        QCOMPARE(prompter.shown, QStringList({"Tab Rename|Please enter a new name.|Sheet1"}));
        QCOMPARE(window.tabWidget()->tabText(0), caption);
        QCOMPARE(window.document().sheets().sheet(0)->caption(), caption);
        QCOMPARE(window.isWindowModified(), modified);
    }

    void deletingOnlySheetLeavesEmptyDesign()
    {
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        window.setPrompter(&prompter);
        QVERIFY(addBlock(window, QStringLiteral("CntFnc"), 0, 0));
        window.document().sheets().sheet(0)->setCaption(QStringLiteral("Main"));
        window.sheetTabs().tabDelete(0);
        QCOMPARE(prompter.shown, QStringList({"Main|Are you sure you want to remove this sheet?"}));
        QCOMPARE(captions(window), QStringList({"Sheet1", "+"}));
        QVERIFY(window.document().model().allBlocks().isEmpty());
        QCOMPARE(window.document().resources().free(QStringLiteral("CntFnc")), 8);
    }

    void deletingSheetRenumbersTheOnesAfterIt()
    {
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        window.setPrompter(&prompter);
        clickPlusTab(window);
        clickPlusTab(window);
        QVERIFY(addBlock(window, QStringLiteral("CntFnc"), 1, 0));
        QVERIFY(addBlock(window, QStringLiteral("DlyFnc"), 2, 3));

        prompter.answer = QMessageBox::No;
        window.sheetTabs().tabDelete(1);
        QCOMPARE(window.sheetTabs().count(), 3);

        prompter.answer = QMessageBox::Yes;
        window.sheetTabs().tabDelete(1);
        QCOMPARE(captions(window), QStringList({"Sheet1", "Sheet3", "+"}));
        const QList<BlockItem *> blocks = window.document().model().allBlocks();
        QCOMPARE(blocks.size(), 1);
        QCOMPARE(blocks.first()->term(), QStringLiteral("DlyFnc"));
        QCOMPARE(blocks.first()->sheet(), 1);
        QCOMPARE(blocks.first()->id(), 3);
        QVERIFY(window.document().sheets().sheet(1)->contains(blocks.first()));
        QCOMPARE(window.document().resources().free(QStringLiteral("CntFnc")), 8);
        QCOMPARE(window.document().resources().free(QStringLiteral("DlyFnc")), 7);
        QVERIFY(window.isWindowModified());
    }

    void selectionCommandsFollowCurrentCanvas()
    {
        MainWindow window(QString(), nullptr);
        QVERIFY(addBlock(window, QStringLiteral("PreLogic"), 0, 0));
        action(window, "actionSelectAll")->trigger();
        QVERIFY(action(window, "actionCut")->isEnabled());
        QVERIFY(action(window, "actionDelete")->isEnabled());

        clickPlusTab(window);
        QVERIFY(!action(window, "actionCopy")->isEnabled());
        // Only the current canvas drives the commands.
        window.canvas(0)->selection().selectAll();
        QVERIFY(!action(window, "actionCopy")->isEnabled());

        // Back on sheet 0 its selection shows again, and the commands act on it.
        window.tabWidget()->setCurrentIndex(0);
        QVERIFY(action(window, "actionDelete")->isEnabled());
        action(window, "actionDelete")->trigger();
        QVERIFY(window.document().model().allBlocks().isEmpty());
        QVERIFY(!action(window, "actionDelete")->isEnabled());
    }

    void openReports_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("messages"); // the start of each box, in order
        QTest::addColumn<int>("sheets");

        QTest::newRow("malformed") << QByteArray("<KaRiX><tab id=\"0\" name=\"a\">")
                                   << QStringList{"SAX Handler|Parse error at line"} << 1;
        QTest::newRow("unknown root") << QByteArray("<Other/>")
                                      << QStringList{"KaRiX|File specified in %1 is not a valid XML file for KaRiX."}
                                      << 1;
        QTest::newRow("renamed on load")
            << QByteArray("<KaRiX addr=\"127.0.0.1\"><tab id=\"0\" name=\"S\"><entry term=\"MsrCnt\">"
                          "<id>0</id><name>2147483648</name></entry></tab></KaRiX>")
            << QStringList{"KaRiX|MsrCnt entry '2147483648' renamed to MsrCnt0"} << 1;
        QByteArray nineCounters = "<KaRiX addr=\"127.0.0.1\"><tab id=\"0\" name=\"S\">";
        for (int row = 0; row < 9; ++row)
            nineCounters += "<entry term=\"CntFnc\"><id>" + QByteArray::number(row)
                            + "</id><name>CntFnc" + QByteArray::number(row) + "</name></entry>";
        nineCounters += "</tab></KaRiX>";
        QTest::newRow("more counters than the module has")
            << nineCounters
            << QStringList{"KaRiX|2 messages:\nCntFnc entry 'CntFnc8' left out: no free resource\n"
                           "The loaded file is not correct. Some setting is ignored."}
            << 1;
        QByteArray manyCounters = nineCounters;
        for (int row = 9; row < 30; ++row)
            manyCounters.insert(manyCounters.indexOf("</tab>"),
                                "<entry term=\"CntFnc\"><id>" + QByteArray::number(row)
                                    + "</id><name>CntFnc" + QByteArray::number(row) + "</name></entry>");
        QTest::newRow("many repairs in one box")
            << manyCounters << QStringList{"KaRiX|29 messages:\nCntFnc entry 'CntFnc8' left out"} << 1;
    }

    void openReports()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, messages);
        QFETCH(int, sheets);
        const QString path = writeFile(QStringLiteral("report.krx"), content);
        QVERIFY(!path.isEmpty());
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        window.setPrompter(&prompter);
        window.documentController().open(path);
        QCOMPARE(prompter.shown.size(), messages.size());
        for (int i = 0; i < messages.size(); ++i)
            QVERIFY2(prompter.shown.at(i).startsWith(QString(messages.at(i)).replace(QLatin1String("%1"), path)),
                     qPrintable(prompter.shown.at(i)));
        QCOMPARE(window.sheetTabs().count(), sheets);
    }

    void openMissingFileKeepsDocument()
    {
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        window.setPrompter(&prompter);
        QVERIFY(addBlock(window, QStringLiteral("PreLogic"), 0, 0));
        const QString path = m_dir.filePath(QStringLiteral("absent.krx"));
        window.documentController().open(path);
        QCOMPARE(prompter.shown, QStringList({"KaRiX|" + path + ": No such file or directory."}));
        QCOMPARE(window.document().model().allBlocks().size(), 1);
    }

    void openShowsEverySheetWithItsBlocks()
    {
        const QString path = writeFile(QStringLiteral("two.krx"), kTwoSheetDesign);
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        window.setPrompter(&prompter);
        window.documentController().open(path);
        QVERIFY2(prompter.shown.isEmpty(), qPrintable(prompter.shown.join('\n')));
        QCOMPARE(captions(window), QStringList({"Front", "Back", "+"}));
        QTabBar *bar = window.tabWidget()->tabBar();
        QVERIFY(bar->tabButton(0, QTabBar::RightSide) || bar->tabButton(0, QTabBar::LeftSide));
        QVERIFY(!bar->tabButton(2, QTabBar::LeftSide) && !bar->tabButton(2, QTabBar::RightSide));
        QCOMPARE(window.windowTitle(), path + QStringLiteral("[*] - KaRiX"));
        QCOMPARE(window.documentController().currentFileName(), path);
        QCOMPARE(window.sheetTabs().current(), 0);
        QCOMPARE(window.document().sheets().sheet(0)->blocks().size(), 2);
        QCOMPARE(window.document().sheets().sheet(1)->blocks().size(), 1);
        QCOMPARE(window.canvas(0)->wireMap().wires().size(), 1);
        QVERIFY(!window.isWindowModified());
        QVERIFY(window.findChild<QMenu *>(QStringLiteral("menuRecentFiles"))->isEnabled());
        QCOMPARE(window.document().resources().free(QStringLiteral("CntFnc")), 7);
    }

    void commandLineSettingsOverrideStoredOnes_data()
    {
        QTest::addColumn<quint16>("udpPort");
        QTest::addColumn<bool>("modified");
        QTest::newRow("same as file") << quint16(4660) << false;
        QTest::newRow("different") << quint16(5000) << true;
    }

    void commandLineSettingsOverrideStoredOnes()
    {
        QFETCH(quint16, udpPort);
        QFETCH(bool, modified);
        const QString path = writeFile(QStringLiteral("settings.krx"), kTwoSheetDesign);
        ConnectionSettings options;
        options.address = QStringLiteral("127.0.0.1");
        options.autoConnect = false;
        options.udpPort = udpPort;
        MainWindow window(QString(), &options);
        ScriptedPrompter prompter;
        window.setPrompter(&prompter);
        window.documentController().open(path);
        QCOMPARE(window.isWindowModified(), modified);
        QCOMPARE(window.document().settings().udpPort, udpPort);
    }

    void saveAsExtendsNameAndReopens_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "plain" << "plain.krx";
        QTest::newRow("krx kept") << "kept.krx" << "kept.krx";
        QTest::newRow("xml kept") << "kept.xml" << "kept.xml";
        QTest::newRow("capital XML") << "upper.XML" << "upper.XML.krx";
    }

    void saveAsExtendsNameAndReopens()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        prompter.fileAnswer = m_dir.filePath(chosen);
        window.setPrompter(&prompter);
        QVERIFY(addBlock(window, QStringLiteral("PreLogic"), 0, 2));
        window.sheetTabs().tabNew(true);
        QVERIFY(window.isWindowModified());
        window.documentController().saveAs();
        const QString path = m_dir.filePath(written);
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(window.documentController().currentFileName(), path);
        QVERIFY(!window.isWindowModified());

        MainWindow reopened(QString(), nullptr);
        reopened.setPrompter(&prompter);
        reopened.documentController().open(path);
        QCOMPARE(reopened.sheetTabs().count(), 2);
        QCOMPARE(reopened.document().model().preLogics().size(), 1);
    }

    void saveAsAsksBeforeReplacingAnExtendedName_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("declined") << int(QMessageBox::No) << false;
        QTest::newRow("accepted") << int(QMessageBox::Yes) << true;
    }

    void saveAsAsksBeforeReplacingAnExtendedName()
    {
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        const QString existing = writeFile(QStringLiteral("exists.krx"), "old");
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        prompter.answer = QMessageBox::StandardButton(answer);
        // Declining asks for another name; the empty answer then gives up.
        prompter.saveAnswers = {m_dir.filePath(QStringLiteral("exists")), QString()};
        window.setPrompter(&prompter);
        window.documentController().saveAs();
        const QString question =
            "KaRiX|" + existing + QStringLiteral(" already exists.\nDo you want to replace it?");
        QCOMPARE(prompter.shown.mid(0, 2), QStringList({"Save KaRiX File", question}));
        QCOMPARE(prompter.shown.size(), replaced ? 2 : 3);
        QFile file(existing);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll() == "old", !replaced);
        QCOMPARE(window.documentController().currentFileName(), replaced ? existing : QString());
    }

    void unwritableFileIsReported()
    {
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        window.setPrompter(&prompter);
        const QString path = m_dir.filePath(QStringLiteral("missing-dir/x.krx"));
        QVERIFY(!window.documentController().save(path));
        QCOMPARE(prompter.shown.size(), 1);
        QVERIFY(prompter.shown.first().startsWith("file save|Cannot write file " + path + ":\n"));
    }

    void newDocumentAfterStartTurnsAutoConnectOff()
    {
        MainWindow window(QString(), nullptr);
        window.documentController().newDiagram();
        QVERIFY(!window.document().settings().autoConnect);
        QCOMPARE(window.document().settings().address, ConnectionSettings::factoryAddress());
    }

    void menusAndToolBarInOrder()
    {
        MainWindow window(QString(), nullptr);
        const auto layout = [](const QList<QAction *> &actions) {
            QStringList names;
            for (QAction *a : actions)
                names << (a->isSeparator() ? QStringLiteral("-")
                          : a->menu()      ? a->menu()->objectName()
                                           : a->objectName());
            return names;
        };
        auto *bar = window.findChild<QMenuBar *>(QStringLiteral("menuBar"));
        QVERIFY(bar);
        QStringList titles;
        for (QAction *a : bar->actions())
            titles << a->text();
        QCOMPARE(titles, QStringList({"&File", "&Edit", "&View", "&Setup", "&Tools", "&Help"}));
        const auto menu = [&window](const char *name) {
            return window.findChild<QMenu *>(QString::fromLatin1(name))->actions();
        };
        QCOMPARE(layout(menu("menuFile")),
                 QStringList({"actionNew", "actionOpen", "menuRecentFiles", "actionSave",
                              "actionSaveAs", "-", "actionExportSheet", "actionExportAllSheets", "actionPrint", "-", "actionWriteProtect", "actionDownload",
                              "actionVerifyAfterDownload", "actionCounters", "-", "actionQuit"}));
        QCOMPARE(layout(menu("menuEdit")),
                 QStringList({"actionUndo", "actionRedo", "-", "actionCut", "actionCopy",
                              "actionPaste", "actionDelete", "-", "actionSelectAll", "-",
                              "actionNewSheet", "actionRenameSheet", "actionGoToSheet", "actionNextSheet",
                              "actionPreviousSheet", "-", "actionDrc", "actionVerify"}));
        QCOMPARE(layout(menu("menuView")), QStringList({"actionZoomIn", "actionZoomOut",
                                                         "actionResetZoom", "-", "actionFitSheet"}));
        QCOMPARE(layout(menu("menuSetup")),
                 QStringList({"actionEthernetSetting", "actionHardwareSetup", "actionSaveToRom",
                              "actionRestoreFromRom", "actionChangeBootRomPage", "actionInitializeRom"}));
        QCOMPARE(layout(menu("menuTools")), QStringList({"actionSimulate"}));
        QCOMPARE(layout(menu("menuHelp")), QStringList({"actionUserGuide", "actionAbout"}));
        auto *tools = window.findChild<QToolBar *>(QStringLiteral("toolBar"));
        QVERIFY(tools);
        QCOMPARE(tools->windowTitle(), QStringLiteral("toolBar"));
        QCOMPARE(window.toolBarArea(tools), Qt::TopToolBarArea);
        QCOMPARE(layout(tools->actions()),
                 QStringList({"actionNew", "actionOpen", "actionSave", "-", "actionCut",
                              "actionCopy", "actionPaste", "actionDelete", "-", "actionUndo",
                              "actionRedo", "-", "actionDrc", "actionEthernetSetting",
                              "actionDownload", "actionCounters"}));
    }

    void askToSaveBeforeNew_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("reset");
        const QString ask = QStringLiteral(
            "|The document has been modified.\nDo you want to save your changes?");
        QTest::newRow("cancel keeps the design") << int(QMessageBox::Cancel) << QStringList({ask})
                                                 << false;
        QTest::newRow("discard") << int(QMessageBox::Discard) << QStringList({ask}) << true;
        // Saving was asked for but no file was chosen: nothing was saved, so
        // New must not throw the changes away.
        QTest::newRow("save, dialog cancelled")
            << int(QMessageBox::Save) << QStringList({ask, "Save KaRiX File"}) << false;
    }

    void askToSaveBeforeNew()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, shown);
        QFETCH(bool, reset);
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        prompter.answer = QMessageBox::StandardButton(answer);
        window.setPrompter(&prompter);
        window.documentController().newDiagram();
        QVERIFY(prompter.shown.isEmpty());

        QVERIFY(addBlock(window, QStringLiteral("PreLogic"), 0, 0));
        window.documentController().recordEditStep();
        window.documentController().newDiagram();
        QCOMPARE(prompter.shown, shown);
        QCOMPARE(window.document().model().allBlocks().isEmpty(), reset);
        QCOMPARE(window.isWindowModified(), !reset);
    }

    void failedOpenForgetsThePreviousFile_data()
    {
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a design") << true << QStringLiteral("KaRiX|File specified in ");
        QTest::newRow("a directory") << false << QStringLiteral("KaRiX|");
    }

    void failedOpenForgetsThePreviousFile()
    {
        QFETCH(bool, readable);
        QFETCH(QString, message);
        const QString good = writeFile(QStringLiteral("good.krx"), kTwoSheetDesign);
        // A directory exists but cannot be read as a file, even by root.
        const QString bad = readable ? writeFile(QStringLiteral("bad.krx"), "<Other/>")
                                     : m_dir.filePath(QStringLiteral("folder.krx"));
        QVERIFY(readable || QDir().mkpath(bad));
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        window.setPrompter(&prompter);
        window.documentController().open(good);
        QCOMPARE(window.documentController().currentFileName(), good);
        window.documentController().open(bad);
        QCOMPARE(prompter.shown.size(), 1);
        QVERIFY2(prompter.shown.first().startsWith(message), qPrintable(prompter.shown.first()));
        QVERIFY(window.documentController().currentFileName().isEmpty());
        QCOMPARE(window.windowTitle(), QStringLiteral("NewFile[*] - KaRiX"));
        QVERIFY(window.document().model().allBlocks().isEmpty());
        // Save asks for a name rather than writing the empty design over good.krx.
        prompter.shown.clear();
        QVERIFY(!window.documentController().save());
        QCOMPARE(prompter.shown, QStringList({"Save KaRiX File"}));
        QFile file(good);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(kTwoSheetDesign));
    }

    void openingAFifoNeitherBlocksNorLoads()
    {
        const QString fifo = m_dir.filePath(QStringLiteral("pipe.krx"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        window.setPrompter(&prompter);
        window.documentController().open(fifo);
        QCOMPARE(prompter.shown.size(), 1);
        QVERIFY2(prompter.shown.first().contains(QLatin1String("not a regular file")),
                 qPrintable(prompter.shown.first()));
        QVERIFY(window.documentController().currentFileName().isEmpty());
    }

    void recentFilesKeepTheSevenNewestOnce()
    {
        QSettings().remove(QStringLiteral("recentFileList"));
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        window.setPrompter(&prompter);
        QStringList paths;
        for (int i = 0; i < 8; ++i) {
            paths << writeFile(QStringLiteral("recent%1.krx").arg(i), kTwoSheetDesign);
            window.documentController().open(paths.last());
        }
        window.documentController().open(paths.at(3));
        const QStringList expected = {paths[3], paths[7], paths[6], paths[5],
                                      paths[4], paths[2], paths[1]};
        QCOMPARE(QSettings().value(QStringLiteral("recentFileList")).toStringList(), expected);
        QStringList shown;
        for (QAction *a : window.findChild<QMenu *>(QStringLiteral("menuRecentFiles"))->actions()) {
            if (a->isVisible())
                shown << a->text();
        }
        QCOMPARE(shown, expected);
        QSettings().remove(QStringLiteral("recentFileList"));
    }

    void examplesOpenWithAllTheirSheetsAndBlocks_data()
    {
        QTest::addColumn<QString>("path");
        const QDir examples(QStringLiteral(KARIX_SOURCE_DIR "/examples"));
        const QStringList files = examples.entryList({QStringLiteral("*.krx")}, QDir::Files);
        if (files.isEmpty())
            QSKIP("no examples");
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << examples.filePath(file);
    }

    void examplesOpenWithAllTheirSheetsAndBlocks()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        window.setPrompter(&prompter);
        window.documentController().open(path);
        QVERIFY2(prompter.shown.isEmpty(), qPrintable(prompter.shown.join('\n')));
        // Every element after a "<tab " up to the next one belongs to that sheet.
        const QList<QByteArray> elements = text.split('<').mid(1);
        QList<int> entriesPerSheet;
        QList<int> netsPerSheet;
        for (const QByteArray &element : elements) {
            if (element.startsWith("tab ")) {
                entriesPerSheet << 0;
                netsPerSheet << 0;
            } else if (!entriesPerSheet.isEmpty()) {
                entriesPerSheet.last() += element.startsWith("entry ") ? 1 : 0;
                netsPerSheet.last() += element.startsWith("net ") ? 1 : 0;
            }
        }
        QCOMPARE(window.sheetTabs().count(), entriesPerSheet.size());
        QList<int> iconsPerSheet;
        QList<int> wiresPerSheet;
        for (int i = 0; i < window.sheetTabs().count(); ++i) {
            int icons = 0;
            for (BlockItem *block : window.document().sheets().sheet(i)->blocks())
                icons += window.canvas(i)->sheet()->contains(block) ? 1 : 0;
            iconsPerSheet << icons;
            wiresPerSheet << window.canvas(i)->wireMap().wires().size();
        }
        QCOMPARE(iconsPerSheet, entriesPerSheet);
        QCOMPARE(wiresPerSheet, netsPerSheet);
        QCOMPARE(window.sheetTabs().current(), 0);
        QVERIFY(!window.isWindowModified());
    }
};

KARIX_TEST(TestMainWindow)
#include "tst_mainwindow.moc"
