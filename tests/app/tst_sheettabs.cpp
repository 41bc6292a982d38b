// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "app/sheetpicker.h"
#include "app/sheettabs.h"
#include "common/testrunner.h"
#include "editor/programwidget.h"
#include "io/designdocument.h"
#include "model/sheet.h"
#include "model/sheetset.h"
#include "scriptedprompter.h"
#include "windowhelpers.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace WindowHelpers;

namespace {

const QStringList kCaptions = {"Alpha", "Beta", "Gamma", "alphabet"};

// A shown window with the four sheets of kCaptions, the first current.
void makeSheets(MainWindow &window, ScriptedPrompter &prompter)
{
    window.setPrompter(&prompter);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (int index = 0; index < kCaptions.size(); ++index) {
        if (index > 0)
            window.sheetTabs().tabNew(true);
        window.document().sheets().sheet(index)->setCaption(kCaptions.at(index));
    }
    window.sheetTabs().selectSheet(0);
}

} // namespace

class TestSheetTabs : public QObject
{
    Q_OBJECT

private slots:
    void init() { isolatePaths(); }

    void goToSheetFilters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("downs");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<int>("reached");
        QTest::newRow("nothing typed") << "" << 2 << kCaptions << 2;
        QTest::newRow("case ignored") << "ALP" << 1 << QStringList{"Alpha", "alphabet"} << 3;
        QTest::newRow("inside the name") << "mm" << 0 << QStringList{"Gamma"} << 2;
        QTest::newRow("no match stays") << "zz" << 0 << QStringList{} << 0;
    }
    void goToSheetFilters()
    {
        QFETCH(QString, typed);
        QFETCH(int, downs);
        QFETCH(QStringList, listed);
        QFETCH(int, reached);
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        makeSheets(window, prompter);
        QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
        auto *picker = window.findChild<SheetPicker *>();
        QVERIFY(picker && picker->isVisible());
        QTest::keyClicks(picker->filter(), typed);
        QStringList shown;
        for (int row = 0; row < picker->list()->count(); ++row) {
            if (!picker->list()->item(row)->isHidden())
                shown << picker->list()->item(row)->text();
        }
        QCOMPARE(shown, listed);
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(picker->filter(), Qt::Key_Down);
        QTest::keyClick(picker->filter(), Qt::Key_Return);
        QCOMPARE(window.currentSheet(), reached);
        QCOMPARE(window.tabWidget()->count(), kCaptions.size() + 1);
    }

    void keysStepAndRename()
    {
        MainWindow window(QString(), nullptr);
        ScriptedPrompter prompter;
        makeSheets(window, prompter);
        const auto key = [&window](Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
            QTest::keyClick(window.currentCanvas(), k, m);
            return window.currentSheet();
        };
        // Round from the first sheet to the last and back, never onto "+".
        QCOMPARE(key(Qt::Key_PageUp), 3);
        QCOMPARE(key(Qt::Key_PageDown), 0);
        QCOMPARE(key(Qt::Key_PageDown), 1);
        QCOMPARE(window.tabWidget()->count(), kCaptions.size() + 1);
        // Only the current sheet's tab has the close button.
        QTabBar *bar = window.tabWidget()->tabBar();
        QVERIFY(bar->tabButton(1, QTabBar::RightSide) || bar->tabButton(1, QTabBar::LeftSide));
        QVERIFY(!bar->tabButton(0, QTabBar::RightSide) && !bar->tabButton(0, QTabBar::LeftSide));

        prompter.textAnswer = QStringLiteral("Renamed");
        key(Qt::Key_F2, Qt::NoModifier);
        QCOMPARE(window.tabWidget()->tabText(1), QStringLiteral("Renamed"));
        prompter.textAnswer = QStringLiteral("Second");
        QTest::mouseDClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(2).center());
        QCOMPARE(window.currentSheet(), 2);
        QCOMPARE(prompter.shown.last(), QStringLiteral("Tab Rename|Please enter a new name.|Gamma"));
        QCOMPARE(window.tabWidget()->tabText(2), QStringLiteral("Second"));
    }
};

KARIX_TEST(TestSheetTabs)
#include "tst_sheettabs.moc"
