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

#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

static const QStringList kCaptions = {"Alpha", "Beta", "Gamma", "alphabet"};

// Each test has a shown window with the four sheets of kCaptions, the first current.
class TestSheetTabs : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindow> m_window;
    ScriptedPrompter prompter;

private slots:
    void init()
    {
        WindowHelpers::isolatePaths();
        m_window = std::make_unique<MainWindow>(QString(), nullptr);
        m_window->setPrompter(&prompter);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        for (int index = 1; index < kCaptions.size(); ++index)
            m_window->sheetTabs().tabNew(true);
        for (int index = 0; index < kCaptions.size(); ++index)
            m_window->document().sheets().sheet(index)->setCaption(kCaptions.at(index));
        m_window->sheetTabs().selectSheet(0);
    }

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
        MainWindow &window = *m_window;
        QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
        auto *picker = window.findChild<SheetPicker *>();
        QVERIFY(picker && picker->isVisible());
        QTest::keyClicks(picker->filter(), typed);
        QStringList shown;
        for (const QListWidgetItem *item : picker->list()->findItems("*", Qt::MatchWildcard))
            shown << (item->isHidden() ? QString() : item->text());
        shown.removeAll(QString());
        QCOMPARE(shown, listed);
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(picker->filter(), Qt::Key_Down);
        QTest::keyClick(picker->filter(), Qt::Key_Return);
        QCOMPARE(window.sheetTabs().current(), reached);
    }

    void keysStepAndRename()
    {
        MainWindow &window = *m_window;
        const auto key = [&window](Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
            QTest::keyClick(window.currentCanvas(), k, m);
            return window.sheetTabs().current();
        };
        // Round from the first sheet to the last and back, never onto "+".
        QCOMPARE(key(Qt::Key_PageUp), 3);
        QCOMPARE(key(Qt::Key_PageDown), 0);
        QCOMPARE(key(Qt::Key_PageDown), 1);
        // Only the current sheet's tab has the close button.
        QTabBar *bar = window.tabWidget()->tabBar();
        QVERIFY(bar->tabButton(1, QTabBar::RightSide) || bar->tabButton(1, QTabBar::LeftSide));
        QVERIFY(!bar->tabButton(0, QTabBar::RightSide) && !bar->tabButton(0, QTabBar::LeftSide));

        prompter.textAnswer = QStringLiteral("Renamed");
        key(Qt::Key_F2, Qt::NoModifier);
        QCOMPARE(window.tabWidget()->tabText(1), QStringLiteral("Renamed"));
        prompter.textAnswer = QStringLiteral("Second");
        QTest::mouseDClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(2).center());
        QCOMPARE(window.sheetTabs().current(), 2);
        QCOMPARE(prompter.shown.last(), QStringLiteral("Tab Rename|Please enter a new name.|Gamma"));
        QCOMPARE(window.tabWidget()->tabText(2), QStringLiteral("Second"));
    }
};

KARIX_TEST(TestSheetTabs)
#include "tst_sheettabs.moc"
