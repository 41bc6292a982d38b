// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scriptedprompter.h"
#include "common/testrunner.h"
#include "dialogdriver.h"
#include "dialogs/editdlyfncdialog.h"
#include "io/designdocument.h"
#include "model/blockitem.h"
#include "model/designmodel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace DialogDriver;

class TestEditDlyFncDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loads_data();
    void loads();
    void checksDelay_data();
    void checksDelay();
    void secondOkTakesRoundedValue();
    void unitChangeKeepsTheTime();

private:
    std::unique_ptr<DesignDocument> m_document;
    BlockItem *m_block = nullptr;
    ScriptedPrompter m_prompter;
};

void TestEditDlyFncDialog::init()
{
    m_document = std::make_unique<DesignDocument>();
    m_block = m_document->model().createBlock(QStringLiteral("DlyFnc"), 0, 0, QStringLiteral("DlyFnc0"));
    m_prompter = ScriptedPrompter();
}

void TestEditDlyFncDialog::cleanup()
{
    m_document.reset();
}

void TestEditDlyFncDialog::loads_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("unit");
    QTest::newRow("new block") << "" << "0" << "ns";
    QTest::newRow("bare steps") << "Delay=8096" << "40480" << "ns";
    QTest::newRow("microseconds as stored") << "Delay=0.50us" << "0.50" << "us";
    QTest::newRow("nanoseconds") << "Delay=100ns" << "100" << "ns";
}

void TestEditDlyFncDialog::loads()
{
    QFETCH(QString, property);
    QFETCH(QString, number);
    QFETCH(QString, unit);
    m_block->setProperty(property);
    EditDlyFncDialog dialog(m_block);
    QCOMPARE(lineEdit(dialog, "delayEdit")->text(), number);
    QCOMPARE(comboBox(dialog, "unitComboBox")->currentText(), unit);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("DlyFnc0"));
}

void TestEditDlyFncDialog::checksDelay_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::addColumn<QString>("result");   // property, or the field after refusal
    const QString range = QStringLiteral("Invalid Setting|Please set a delay time between 0 and 40.48us (step: 5ns)");
    const QString rounding = QStringLiteral(
        "Invalid Setting|Because it is necessary to set Delay time by a unit for 5ns, %1 is rounded off and becomes %2");
    QTest::newRow("largest") << "us" << "40.48" << "" << "Delay=40.48us";
    QTest::newRow("above the range") << "us" << "40.485" << range << "40.48";
    QTest::newRow("not a number") << "ns" << "abc" << range << "abc";
    QTest::newRow("12 ns rounded") << "ns" << "12" << rounding.arg("12", "10") << "10";
    QTest::newRow("fraction of us rounded") << "us" << "0.0123" << rounding.arg("0.0123", "0.01") << "0.01";
}

void TestEditDlyFncDialog::checksDelay()
{
    QFETCH(QString, unit);
    QFETCH(QString, number);
    QFETCH(QString, message);
    QFETCH(QString, result);
    EditDlyFncDialog dialog(m_block);
    dialog.setPrompter(&m_prompter);
    comboBox(dialog, "unitComboBox")->setCurrentText(unit);
    type(dialog, "delayEdit", number);
    const bool accepted = clickOkAccepts(dialog);
    QCOMPARE(accepted, message.isEmpty());
    QCOMPARE(m_prompter.shown, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(accepted ? dialog.parameters().toProperty() : lineEdit(dialog, "delayEdit")->text(), result);
    QVERIFY(m_block->property().isEmpty());
}

void TestEditDlyFncDialog::secondOkTakesRoundedValue()
{
    EditDlyFncDialog dialog(m_block);
    dialog.setPrompter(&m_prompter);
    type(dialog, "delayEdit", QStringLiteral("12"));
    QVERIFY(!clickOkAccepts(dialog));
    QVERIFY(clickOkAccepts(dialog));
    QCOMPARE(dialog.parameters().toProperty(), QStringLiteral("Delay=10ns"));
}

void TestEditDlyFncDialog::unitChangeKeepsTheTime()
{
    EditDlyFncDialog dialog(m_block);
    type(dialog, "delayEdit", QStringLiteral("100"));
    comboBox(dialog, "unitComboBox")->setCurrentText(QStringLiteral("us"));
    QCOMPARE(lineEdit(dialog, "delayEdit")->text(), QStringLiteral("0.1"));
    comboBox(dialog, "unitComboBox")->setCurrentText(QStringLiteral("ns"));
    QCOMPARE(lineEdit(dialog, "delayEdit")->text(), QStringLiteral("100"));
}

KARIX_TEST(TestEditDlyFncDialog)
#include "tst_editdlyfncdialog.moc"
