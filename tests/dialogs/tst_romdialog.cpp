// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scriptedprompter.h"
#include "common/testrunner.h"
#include "device/moduleinterface.h"
#include "device/modulestate.h"
#include "dialogs/romdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace ModuleInterface;

namespace {

constexpr int initialBoot = 2;

// A ROM read: version, flags, boot page 2, comments "page N" except page
// 4, whose slot is full to the last byte.
ModuleState romInfo()
{
    QByteArray bytes = QByteArray::fromHex("0201000001");
    bytes.append(char(initialBoot));
    for (int page = 0; page < romPageCount; ++page) {
        QByteArray slot = page == 4 ? QByteArray(commentSize, 'x')
                                    : QStringLiteral("page %1").arg(page).toUtf8();
        slot.append(QByteArray(commentSize - slot.size(), '\0'));
        bytes.append(slot);
    }
    return ModuleState(bytes);
}

template<typename T>
T *child(QDialog &dialog, const char *name)
{
    return dialog.findChild<T *>(QLatin1String(name));
}

QCheckBox *bootBox(RomDialog &dialog, int page)
{
    return static_cast<QCheckBox *>(child<QTableWidget>(dialog, "tableWidget")->cellWidget(page, 0));
}

QPushButton *okButton(RomDialog &dialog)
{
    return child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok);
}

} // namespace

class TestRomDialog : public QObject
{
    Q_OBJECT

private slots:
    void saveComment_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<bool>("sent");
        const QString tooLong = QStringLiteral("KaRiX|The length of the user comment should be at most 112 bytes.");
        QTest::newRow("new comment") << 5 << "beam test" << QString() << true;
        QTest::newRow("unchanged comment sends nothing") << 5 << "page 5" << QString() << false;
        QTest::newRow("empty") << 5 << "" << "KaRiX|Please give it a user comment." << false;
        QTest::newRow("112 ASCII bytes") << 5 << QString(112, QLatin1Char('a')) << QString() << true;
        QTest::newRow("113 ASCII bytes") << 5 << QString(113, QLatin1Char('a')) << tooLong << false;
        QTest::newRow("56 two-byte letters") << 5 << QString(56, QChar(0xB5)) << QString() << true;
        QTest::newRow("57 two-byte letters") << 5 << QString(57, QChar(0xB5)) << tooLong << false;
        QTest::newRow("full slot unchanged") << 4 << QString(112, QLatin1Char('x')) << QString() << false;
    }
    void saveComment()
    {
        QFETCH(int, page);
        QFETCH(QString, comment);
        QFETCH(QString, warning);
        QFETCH(bool, sent);
        ScriptedPrompter prompter;
        RomDialog dialog(QStringLiteral("/data/run.krx"), romInfo(), RomDialog::Save, prompter);
        child<QComboBox>(dialog, "comboBox")->setCurrentIndex(page);
        child<QLineEdit>(dialog, "lineEdit")->setText(comment);
        dialog.on_buttonBox_accepted();
        QCOMPARE(prompter.shown, warning.isEmpty() ? QStringList() : QStringList{warning});
        QCOMPARE(dialog.result(), warning.isEmpty() ? int(QDialog::Accepted) : int(QDialog::Rejected));
        if (!warning.isEmpty())
            return;
        QCOMPARE(dialog.choice().page, page);
        QCOMPARE(dialog.choice().comment.isEmpty(), !sent);
        if (sent) {
            QCOMPARE(dialog.choice().comment.size(), commentSize);
            QCOMPARE(QString::fromUtf8(dialog.choice().comment).remove(QChar(0)), comment);
            QCOMPARE(child<QTableWidget>(dialog, "tableWidget")->item(page, 1)->text(), comment);
        }
    }

    void saveOffersTheFileNameAndTheBootChoice()
    {
        ScriptedPrompter prompter;
        RomDialog dialog(QStringLiteral("/data/run.krx"), romInfo(), RomDialog::Save, prompter);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Save to ROM"));
        QCOMPARE(child<QLineEdit>(dialog, "lineEdit")->text(), QStringLiteral("run.krx"));
        auto *setOnBoot = child<QCheckBox>(dialog, "checkBox");
        child<QComboBox>(dialog, "comboBox")->setCurrentIndex(initialBoot);
        QVERIFY(setOnBoot->isChecked());
        QVERIFY(!setOnBoot->isEnabled());
        dialog.on_buttonBox_accepted();
        QCOMPARE(dialog.choice().bootPage, -1);

        RomDialog other(QStringLiteral("run.krx"), romInfo(), RomDialog::Save, prompter);
        child<QComboBox>(other, "comboBox")->setCurrentIndex(9);
        QVERIFY(child<QCheckBox>(other, "checkBox")->isEnabled());
        child<QCheckBox>(other, "checkBox")->setChecked(true);
        other.on_buttonBox_accepted();
        QCOMPARE(other.choice().bootPage, 9);
        QCOMPARE(other.choice().page, 9);
    }

    void restoreListsPagesWithTheirComments()
    {
        ScriptedPrompter prompter;
        RomDialog dialog(QString(), romInfo(), RomDialog::Restore, prompter);
        auto *combo = child<QComboBox>(dialog, "comboBox");
        QCOMPARE(combo->itemText(initialBoot), QStringLiteral("2 (boot) : page 2"));
        QCOMPARE(combo->itemText(4), QStringLiteral("4: ") + QString(112, QLatin1Char('x')));
        QVERIFY(child<QLineEdit>(dialog, "lineEdit")->isHidden());
        combo->setCurrentIndex(11);
        dialog.on_buttonBox_accepted();
        QCOMPARE(dialog.choice().page, 11);
        QCOMPARE(dialog.choice().bootPage, -1);
        QVERIFY(dialog.choice().comment.isEmpty());
    }

    void bootPageChecksOneBoxAtATime()
    {
        ScriptedPrompter prompter;
        RomDialog dialog(QString(), romInfo(), RomDialog::BootPage, prompter);
        QVERIFY(bootBox(dialog, initialBoot)->isChecked());
        QVERIFY(!okButton(dialog)->isEnabled());
        // Unchecking the only checked box brings it back.
        bootBox(dialog, initialBoot)->setChecked(false);
        QVERIFY(bootBox(dialog, initialBoot)->isChecked());
        QVERIFY(!okButton(dialog)->isEnabled());
        bootBox(dialog, 6)->setChecked(true);
        QVERIFY(!bootBox(dialog, initialBoot)->isChecked());
        QVERIFY(okButton(dialog)->isEnabled());
        bootBox(dialog, 9)->setChecked(true);
        QVERIFY(!bootBox(dialog, 6)->isChecked());
        bootBox(dialog, 9)->setChecked(false);
        QVERIFY(bootBox(dialog, initialBoot)->isChecked());
        QVERIFY(!okButton(dialog)->isEnabled());
        bootBox(dialog, 12)->setChecked(true);
        dialog.on_buttonBox_accepted();
        QCOMPARE(dialog.choice().bootPage, 12);
        QVERIFY(dialog.choice().comment.isEmpty());
    }
};

KARIX_TEST(TestRomDialog)
#include "tst_romdialog.moc"
