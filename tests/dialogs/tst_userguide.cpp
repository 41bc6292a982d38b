// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scriptedprompter.h"
#include "common/testrunner.h"
#include "dialogs/drcdialog.h"
#include "dialogs/helpwindow.h"
#include "dialogs/netsetupdialog.h"
#include "dialogs/propertydialog.h"
#include "dialogs/userguide.h"
#include "dialogs/writeprotectdialog.h"
#include "model/connectionsettings.h"

#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

using Section = UserGuide::Section;

QSet<QString> guideAnchors()
{
    QFile file(UserGuide::folder() + QStringLiteral("/index.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    QSet<QString> anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QStringList names = fragment.fragment().charFormat().anchorNames();
            anchors.unite(QSet<QString>(names.begin(), names.end()));
        }
    }
    return anchors;
}

} // namespace

class TestUserGuide : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UserGuide::setFolder(QStringLiteral(KARIX_SOURCE_DIR "/docs/guide")); }

    // A renamed heading would make F1 open the guide at its top, silently.
    void everySectionIsAnAnchorOfTheGuide()
    {
        const QSet<QString> anchors = guideAnchors();
        QVERIFY2(!anchors.isEmpty(), "the guide has no anchors");
        for (int section = 0; section < int(Section::Count); ++section)
            QVERIFY2(anchors.contains(UserGuide::anchor(Section(section))),
                     qPrintable(UserGuide::anchor(Section(section))));
    }

    void f1OnDialogOpensItsSection_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("section");
        QTest::newRow("Ethernet Setting") << "property" << int(Section::EthernetSetting);
        QTest::newRow("Hardware Setup") << "netsetup" << int(Section::HardwareSetup);
        QTest::newRow("Write Protect") << "protect" << int(Section::WriteProtect);
        QTest::newRow("DRC") << "drc" << int(Section::DesignCheck);
    }
    void f1OnDialogOpensItsSection()
    {
        QFETCH(QString, dialog);
        QFETCH(int, section);
        ConnectionSettings settings;
        ScriptedPrompter prompter;
        std::unique_ptr<QDialog> window;
        if (dialog == QLatin1String("property"))
            window = std::make_unique<PropertyDialog>(settings, prompter);
        else if (dialog == QLatin1String("netsetup"))
            window = std::make_unique<NetSetupDialog>(settings, prompter);
        else if (dialog == QLatin1String("protect"))
            window = std::make_unique<WriteProtectDialog>(false, false);
        else
            window = std::make_unique<DrcDialog>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));

        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window.get(), Qt::Key_F1);
        auto *help = window->findChild<HelpWindow *>();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("KaRiX User Guide"));
        QCOMPARE(help->browser()->source().fragment(), UserGuide::anchor(Section(section)));
        // Every one of these sections lies below the first screenful.
        QTRY_VERIFY(help->browser()->verticalScrollBar()->value() > 0);
    }
};

KARIX_TEST(TestUserGuide)
#include "tst_userguide.moc"
