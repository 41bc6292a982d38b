// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scriptedprompter.h"
#include "common/testrunner.h"
#include "dialogdriver.h"
#include "dialogs/editcntfncdialog.h"
#include "io/designdocument.h"
#include "model/blockitem.h"
#include "model/designmodel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace DialogDriver;

namespace {

QComboBox *widthTypeCombo(EditCntFncDialog &dialog)
{
    // Made in code without a name: the combo that lists "Duty".
    for (QComboBox *box : dialog.findChildren<QComboBox *>()) {
        if (box->findText(QStringLiteral("Duty")) >= 0)
            return box;
    }
    return nullptr;
}

QComboBox *frequencyUnitCombo(EditCntFncDialog &dialog)
{
    for (QComboBox *box : dialog.findChildren<QComboBox *>()) {
        if (box->findText(QStringLiteral("MHz")) >= 0)
            return box;
    }
    return nullptr;
}

void clickFrequencyForm(EditCntFncDialog &dialog)
{
    dialog.findChild<QRadioButton *>(QStringLiteral("radioButtonFrequency"))->click();
}

} // namespace

class TestEditCntFncDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loads_data();
    void loads();
    void checksTimes_data();
    void checksTimes();
    void frequencyFormGivesWidths();
    void frequencyFormMessages_data();
    void frequencyFormMessages();
    void dispRestoresFrequencyForm();
    void formSwitchesDoNotDrift();
    void unitChangeKeepsTheTime();

private:
    std::unique_ptr<DesignDocument> m_document;
    BlockItem *m_block = nullptr;
    ScriptedPrompter m_prompter;
};

void TestEditCntFncDialog::init()
{
    m_document = std::make_unique<DesignDocument>();
    m_block = m_document->model().createBlock(QStringLiteral("CntFnc"), 0, 0, QStringLiteral("CntFnc0"));
    m_prompter = ScriptedPrompter();
}

void TestEditCntFncDialog::cleanup()
{
    m_document.reset();
}

void TestEditCntFncDialog::loads_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("main");
    QTest::addColumn<QString>("mainUnit");
    QTest::addColumn<QString>("sub");
    QTest::addColumn<QString>("subUnit");
    QTest::addColumn<QString>("subCaption");
    QTest::newRow("new block") << "" << 0 << "0" << "nsec" << "5" << "nsec" << "Minimum Idle &Time";
    QTest::newRow("units") << "Mode=3 MainCnt=1.5usec SubCnt=2msec" << 3 << "1.5" << "usec" << "2"
                           << "msec" << "&Pulse Width";
    QTest::newRow("bare steps") << "Mode=6 MainCnt=20 SubCnt=1" << 6 << "100" << "nsec" << "5" << "nsec"
                                << "Delay time (turn &False)";
    QTest::newRow("seconds") << "Mode=8 MainCnt=21sec SubCnt=5nsec" << 8 << "21" << "sec" << "5" << "nsec"
                             << "&False Width";
}

void TestEditCntFncDialog::loads()
{
    QFETCH(QString, property);
    QFETCH(int, mode);
    QFETCH(QString, main);
    QFETCH(QString, mainUnit);
    QFETCH(QString, sub);
    QFETCH(QString, subUnit);
    QFETCH(QString, subCaption);
    m_block->setProperty(property);
    EditCntFncDialog dialog(m_block);
    QCOMPARE(comboBox(dialog, "modeComboBox")->currentIndex(), mode);
    QCOMPARE(lineEdit(dialog, "mainLineEdit")->text(), main);
    QCOMPARE(comboBox(dialog, "mainComboBox")->currentText(), mainUnit);
    QCOMPARE(lineEdit(dialog, "subLineEdit")->text(), sub);
    QCOMPARE(comboBox(dialog, "subComboBox")->currentText(), subUnit);
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("labelSub"))->text(), subCaption);
}

void TestEditCntFncDialog::checksTimes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("main");
    QTest::addColumn<QString>("mainUnit");
    QTest::addColumn<QString>("sub");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::addColumn<QString>("result");   // the property, or the fields after refusal
    const QString rounding = QStringLiteral("Invalid Setting|Because it is necessary to set Counter by a unit for 5ns,\n");
    QTest::newRow("mode 0 refuses sub 0") << 0 << "100" << "nsec" << "0"
                                          << "|Minimum Idle Time must be 5 ns - 21.48 sec" << "100 5";
    QTest::newRow("negative main set to 0") << 4 << "-1" << "usec" << "10"
                                            << "|Guard Time (turn True) must be 0 - 21.48sec" << "0 10";
    QTest::newRow("both rounded") << 2 << "12" << "nsec" << "13"
                                  << rounding + "12 is rounded off and becomes 10,\nand 13 is rounded off and becomes 15"
                                  << "10 15";
    QTest::newRow("fraction of a microsecond") << 7 << "1.5" << "usec" << "20" << ""
                                               << "Mode=7 MainCnt=1.5usec SubCnt=20nsec";
}

void TestEditCntFncDialog::checksTimes()
{
    QFETCH(int, mode);
    QFETCH(QString, main);
    QFETCH(QString, mainUnit);
    QFETCH(QString, sub);
    QFETCH(QString, message);
    QFETCH(QString, result);
    EditCntFncDialog dialog(m_block);
    dialog.setPrompter(&m_prompter);
    comboBox(dialog, "modeComboBox")->setCurrentIndex(mode);
    comboBox(dialog, "mainComboBox")->setCurrentText(mainUnit);
    type(dialog, "mainLineEdit", main);
    type(dialog, "subLineEdit", sub);
    const bool accepted = clickOkAccepts(dialog);
    QCOMPARE(accepted, message.isEmpty());
    QCOMPARE(m_prompter.shown, message.isEmpty() ? QStringList() : QStringList{message});
    if (accepted)
        QCOMPARE(dialog.parameters().toProperty(), result);
    else
        QCOMPARE(lineEdit(dialog, "mainLineEdit")->text() + " " + lineEdit(dialog, "subLineEdit")->text(), result);
    QVERIFY(m_block->property().isEmpty());
}

void TestEditCntFncDialog::frequencyFormGivesWidths()
{
    EditCntFncDialog dialog(m_block);
    comboBox(dialog, "modeComboBox")->setCurrentIndex(9);
    clickFrequencyForm(dialog);
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("labelSub"))->text(), QStringLiteral("&Frequency"));
    widthTypeCombo(dialog)->setCurrentText(QStringLiteral("Duty"));
    frequencyUnitCombo(dialog)->setCurrentText(QStringLiteral("MHz"));
    type(dialog, "subLineEdit", QStringLiteral("1"));
    type(dialog, "mainLineEdit", QStringLiteral("50"));
    QVERIFY(clickOkAccepts(dialog));
    QCOMPARE(dialog.parameters().toProperty(),
             QStringLiteral("Mode=9 MainCnt=500nsec SubCnt=500nsec Disp=DutyMHz"));
}

void TestEditCntFncDialog::frequencyFormMessages_data()
{
    QTest::addColumn<QString>("widthType");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("message");
    QTest::newRow("no frequency") << "Duty" << "0" << "50" << "Frequency must be larger than 0.";
    QTest::newRow("no true width") << "True Width" << "1" << "-3" << "True Width must be larger than 0.";
}

void TestEditCntFncDialog::frequencyFormMessages()
{
    QFETCH(QString, widthType);
    QFETCH(QString, frequency);
    QFETCH(QString, width);
    QFETCH(QString, message);
    m_block->setProperty(QStringLiteral("Mode=8 MainCnt=100nsec SubCnt=100nsec"));
    EditCntFncDialog dialog(m_block);
    dialog.setPrompter(&m_prompter);
    clickFrequencyForm(dialog);
    widthTypeCombo(dialog)->setCurrentText(widthType);
    type(dialog, "subLineEdit", frequency);
    type(dialog, "mainLineEdit", width);
    QVERIFY(!clickOkAccepts(dialog));
    QCOMPARE(m_prompter.shown, QStringList{"Invalid Setting|" + message});
}

void TestEditCntFncDialog::dispRestoresFrequencyForm()
{
    m_block->setProperty(QStringLiteral("Mode=9 MainCnt=500nsec SubCnt=1500nsec Disp=DutyKHz"));
    EditCntFncDialog dialog(m_block);
    QVERIFY(dialog.findChild<QRadioButton *>(QStringLiteral("radioButtonFrequency"))->isChecked());
    QCOMPARE(widthTypeCombo(dialog)->currentText(), QStringLiteral("Duty"));
    QCOMPARE(frequencyUnitCombo(dialog)->currentText(), QStringLiteral("KHz"));
    QCOMPARE(lineEdit(dialog, "subLineEdit")->text(), QStringLiteral("500"));
    QCOMPARE(lineEdit(dialog, "mainLineEdit")->text(), QStringLiteral("25"));
    QVERIFY(clickOkAccepts(dialog));
    QCOMPARE(dialog.parameters().toProperty(), m_block->property());
}

void TestEditCntFncDialog::formSwitchesDoNotDrift()
{
    m_block->setProperty(QStringLiteral("Mode=8 MainCnt=0.335usec SubCnt=665nsec"));
    EditCntFncDialog dialog(m_block);
    auto *widths = dialog.findChild<QRadioButton *>(QStringLiteral("radioButtonPulseWidth"));
    for (int round = 0; round < 5; ++round) {
        clickFrequencyForm(dialog);
        widthTypeCombo(dialog)->setCurrentText(QStringLiteral("Duty"));
        widthTypeCombo(dialog)->setCurrentText(QStringLiteral("True Width"));
        widths->click();
        QCOMPARE(lineEdit(dialog, "mainLineEdit")->text(), QStringLiteral("0.335"));
        QCOMPARE(comboBox(dialog, "mainComboBox")->currentText(), QStringLiteral("usec"));
        QCOMPARE(lineEdit(dialog, "subLineEdit")->text(), QStringLiteral("665"));
    }
    // A changed frequency is converted: 2 MHz at a true width of 335 ns.
    clickFrequencyForm(dialog);
    frequencyUnitCombo(dialog)->setCurrentText(QStringLiteral("MHz"));
    type(dialog, "subLineEdit", QStringLiteral("2"));
    widths->click();
    QCOMPARE(lineEdit(dialog, "mainLineEdit")->text(), QStringLiteral("0.335"));
    QCOMPARE(lineEdit(dialog, "subLineEdit")->text(), QStringLiteral("165"));
}

void TestEditCntFncDialog::unitChangeKeepsTheTime()
{
    EditCntFncDialog dialog(m_block);
    type(dialog, "mainLineEdit", QStringLiteral("1500"));
    comboBox(dialog, "mainComboBox")->setCurrentText(QStringLiteral("usec"));
    QCOMPARE(lineEdit(dialog, "mainLineEdit")->text(), QStringLiteral("1.5"));
    comboBox(dialog, "subComboBox")->setCurrentText(QStringLiteral("sec"));
    QCOMPARE(lineEdit(dialog, "subLineEdit")->text(), QStringLiteral("0.000000005"));
}

KARIX_TEST(TestEditCntFncDialog)
#include "tst_editcntfncdialog.moc"
