// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scriptedprompter.h"
#include "common/testrunner.h"
#include "dialogdriver.h"
#include "dialogs/blockdialogs.h"
#include "dialogs/editmsrcntdialog.h"
#include "model/blockitem.h"
#include "io/designdocument.h"
#include "model/designmodel.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace DialogDriver;

namespace {

QRadioButton *unitButton(QDialog &dialog, const QString &unit)
{
    return dialog.findChild<QRadioButton *>(unit + QStringLiteral("RadioButton"));
}

} // namespace

class TestEditMsrCntDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newCounterOpensEmpty();
    void loadsMode();
    void eventSourcesDisableUnits();
    void missingDirectoryIsOffered_data();
    void missingDirectoryIsOffered();
    void directoryChooserGivesRelativePath();
    void otherCounterRenamesBlock_data();
    void otherCounterRenamesBlock();

private:
    std::unique_ptr<DesignDocument> m_document;
    BlockItem *m_block = nullptr;
    ScriptedPrompter m_prompter;
};

void TestEditMsrCntDialog::init()
{
    m_document = std::make_unique<DesignDocument>();
    m_block = m_document->model().addMeasureCounter(0, 0, QStringLiteral("MsrCnt0"));
    m_prompter = ScriptedPrompter();
}

void TestEditMsrCntDialog::cleanup()
{
    m_document.reset();
}

void TestEditMsrCntDialog::newCounterOpensEmpty()
{
    EditMsrCntDialog dialog(m_block, m_document->model());
    QCOMPARE(comboBox(dialog, "m_areaComboBox")->currentText(), QStringLiteral("User Control"));
    QCOMPARE(comboBox(dialog, "m_enbComboBox")->currentText(), QStringLiteral("Gate Time"));
    for (const QString unit : {"sec", "msec", "usec", "nsec"})
        QVERIFY(!unitButton(dialog, unit)->isChecked());
    QVERIFY(!dialog.findChild<QGroupBox *>(QStringLiteral("groupBox"))->isChecked());
    QCOMPARE(lineEdit(dialog, "lineEdit")->text(), QStringLiteral("log"));
    QCOMPARE(comboBox(dialog, "m_counterComboBox")->count(), 4);
    comboBox(dialog, "m_areaComboBox")->setCurrentIndex(1);
    QVERIFY(clickOkAccepts(dialog));
    QCOMPARE(dialog.parameters().toProperty(), QStringLiteral("Mode=1 FileSave=false PATH=log"));
}

void TestEditMsrCntDialog::loadsMode()
{
    m_block->setProperty(QStringLiteral("Mode=5 Unit=msec FileSave=true PATH=/tmp"));
    EditMsrCntDialog dialog(m_block, m_document->model());
    QCOMPARE(comboBox(dialog, "m_areaComboBox")->currentText(), QStringLiteral("Measure During True"));
    QCOMPARE(comboBox(dialog, "m_enbComboBox")->currentText(), QStringLiteral("True Time"));
    QVERIFY(unitButton(dialog, "msec")->isChecked());
    QVERIFY(dialog.findChild<QGroupBox *>(QStringLiteral("groupBox"))->isChecked());
    unitButton(dialog, "usec")->click();
    QVERIFY(clickOkAccepts(dialog));
    QCOMPARE(dialog.parameters().toProperty(), QStringLiteral("Mode=5 Unit=usec FileSave=true PATH=/tmp"));
}

void TestEditMsrCntDialog::eventSourcesDisableUnits()
{
    EditMsrCntDialog dialog(m_block, m_document->model());
    QComboBox *source = comboBox(dialog, "m_enbComboBox");
    source->setCurrentText(QStringLiteral("Number of times that True appears"));
    QVERIFY(!unitButton(dialog, "sec")->isEnabled());
    QVERIFY(!unitButton(dialog, "nsec")->isEnabled());
    source->setCurrentIndex(1);
    QVERIFY(unitButton(dialog, "usec")->isEnabled());
}

void TestEditMsrCntDialog::missingDirectoryIsOffered_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("cancel keeps the dialog open") << int(QMessageBox::Cancel) << false;
    QTest::newRow("yes creates it") << int(QMessageBox::Yes) << true;
}

void TestEditMsrCntDialog::missingDirectoryIsOffered()
{
    QFETCH(int, answer);
    QFETCH(bool, accepted);
    QTemporaryDir root;
    const QString path = root.filePath(QStringLiteral("counts/today"));
    m_prompter.answer = QMessageBox::StandardButton(answer);
    EditMsrCntDialog dialog(m_block, m_document->model());
    dialog.setPrompter(&m_prompter);
    dialog.findChild<QGroupBox *>(QStringLiteral("groupBox"))->setChecked(true);
    type(dialog, "lineEdit", path);
    QCOMPARE(clickOkAccepts(dialog), accepted);
    QCOMPARE(m_prompter.shown,
             QStringList{"KaRiX|" + path + ": The named directory does not exist, create it?"});
    QCOMPARE(QDir(path).exists(), accepted);
}

void TestEditMsrCntDialog::directoryChooserGivesRelativePath()
{
    EditMsrCntDialog dialog(m_block, m_document->model());
    dialog.setPrompter(&m_prompter);
    m_prompter.directoryAnswer = QDir::current().absoluteFilePath(QStringLiteral("logs/run1"));
    dialog.on_toolButton_clicked();
    QCOMPARE(m_prompter.shown.size(), 1);
    QVERIFY(m_prompter.shown.first().startsWith("directory|Open Directory|"));
    QCOMPARE(lineEdit(dialog, "lineEdit")->text(), QDir::toNativeSeparators(QStringLiteral("logs/run1")));
    m_prompter.directoryAnswer.clear();
    dialog.on_toolButton_clicked();
    QCOMPARE(lineEdit(dialog, "lineEdit")->text(), QDir::toNativeSeparators(QStringLiteral("logs/run1")));
}

void TestEditMsrCntDialog::otherCounterRenamesBlock_data()
{
    QTest::addColumn<QString>("userName");
    QTest::addColumn<QString>("displayName");
    QTest::newRow("without user name") << "" << "MsrCnt2";
    QTest::newRow("user name kept") << "rate" << "rate";
}

void TestEditMsrCntDialog::otherCounterRenamesBlock()
{
    QFETCH(QString, userName);
    QFETCH(QString, displayName);
    m_block->setUserName(userName);
    m_block->setProperty(QStringLiteral("Mode=0 FileSave=false PATH=log"));
    BlockDialogs editor(m_document->model(), m_document->edits());
    editor.setRunner([](EditDialog &dialog) {
        comboBox(dialog, "m_counterComboBox")->setCurrentText(QStringLiteral("MsrCnt2"));
        clickOk(dialog);
        return dialog.result();
    });
    QVERIFY(editor.edit(m_block, nullptr));
    QCOMPARE(m_block->term(), QStringLiteral("MsrCnt2"));
    QCOMPARE(m_block->name(), QStringLiteral("MsrCnt2"));
    QCOMPARE(m_block->displayName(), displayName);
    QCOMPARE(m_block->property(), QStringLiteral("Mode=0 FileSave=false PATH=log"));
}

KARIX_TEST(TestEditMsrCntDialog)
#include "tst_editmsrcntdialog.moc"
