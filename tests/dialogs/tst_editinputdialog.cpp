// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scriptedprompter.h"
#include "common/testrunner.h"
#include "dialogdriver.h"
#include "dialogs/blockdialogs.h"
#include "dialogs/editinputdialog.h"
#include "model/blockitem.h"
#include "io/designdocument.h"
#include "model/designmodel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace DialogDriver;

class TestEditInputDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void refusesNames_data();
    void refusesNames();
    void unchangedClosesSilently();
    void ownNameMayStay();
    void inputTakesOverConnectorName();
    void inputGivesItsNameToConnector();
    void outputMovesToOtherPort();

private:
    // Opens the dialog on the block through the editor, chooses the port
    // (when given) and types the name (when given), then clicks OK once.
    bool editPort(BlockItem *block, const QString &port, const std::optional<QString> &name,
                  bool *accepted = nullptr);

    std::unique_ptr<DesignDocument> m_document;
    BlockItem *m_input = nullptr;
    ScriptedPrompter m_prompter;
};

void TestEditInputDialog::init()
{
    m_document = std::make_unique<DesignDocument>();
    m_input = m_document->model().addInput(0, 0, QStringLiteral("NIM-IN-S0"));
    m_prompter = ScriptedPrompter();
}

void TestEditInputDialog::cleanup()
{
    m_document.reset();
}

bool TestEditInputDialog::editPort(BlockItem *block, const QString &port,
                                   const std::optional<QString> &name, bool *accepted)
{
    BlockDialogs editor(m_document->model(), m_document->edits());
    editor.setPrompter(&m_prompter);
    bool wasAccepted = false;
    editor.setRunner([&](EditDialog &dialog) {
        if (!port.isEmpty())
            comboBox(dialog, "comboBox")->setCurrentText(port);
        if (name)
            type(dialog, "lineEdit", *name);
        wasAccepted = clickOkAccepts(dialog);
        return dialog.result();
    });
    const bool changed = editor.edit(block, nullptr);
    if (accepted)
        *accepted = wasAccepted;
    return changed;
}

void TestEditInputDialog::refusesNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QString characters = QStringLiteral(
        "NIM-IN-S0|A name can consist only of the following characters:\n"
        "alphanumeric(A-Z,a-z,0-9), underscore(_), hyphen(-)");
    QTest::newRow("blank") << "start gate" << characters;
    QTest::newRow("dot") << "start.gate" << characters;
    QTest::newRow("slash") << "start/gate" << characters;
    QTest::newRow("empty") << "" << characters;
    QTest::newRow("in use") << "veto" << "NIM-IN-S0|\"veto\" cannot be used or it is already in use.";
    QTest::newRow("fixed output name") << "MsrCnt1"
                                       << "NIM-IN-S0|\"MsrCnt1\" cannot be used or it is already in use.";
}

void TestEditInputDialog::refusesNames()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    m_document->model().addInput(1, 0, QStringLiteral("NIM-IN-S4"))->setUserName(QStringLiteral("veto"));
    bool accepted = true;
    QVERIFY(!editPort(m_input, QString(), name, &accepted));
    QVERIFY(!accepted);
    QCOMPARE(m_prompter.shown, QStringList{message});
    QVERIFY(m_input->userName().isEmpty());
}

void TestEditInputDialog::unchangedClosesSilently()
{
    bool accepted = false;
    QVERIFY(!editPort(m_input, QString(), std::nullopt, &accepted));
    QVERIFY(accepted);
    QVERIFY(m_prompter.shown.isEmpty());
    QCOMPARE(m_input->displayName(), QStringLiteral("NIM-IN-S0"));
}

void TestEditInputDialog::ownNameMayStay()
{
    m_input->setUserName(QStringLiteral("trig"));
    m_document->model().addInput(0, 1, QStringLiteral("NIM-IN-S3"));
    QVERIFY(editPort(m_input, QStringLiteral("NIM-IN-S3"), QStringLiteral("trig")));
    QVERIFY(m_prompter.shown.isEmpty());
    QCOMPARE(m_input->name(), QStringLiteral("NIM-IN-S3"));
    QCOMPARE(m_input->displayName(), QStringLiteral("trig"));
}

void TestEditInputDialog::inputTakesOverConnectorName()
{
    m_document->model().addInput(0, 1, QStringLiteral("NIM-IN-S3"))->setUserName(QStringLiteral("veto"));
    QVERIFY(editPort(m_input, QStringLiteral("NIM-IN-S3"), std::nullopt));
    QCOMPARE(m_input->name(), QStringLiteral("NIM-IN-S3"));
    QCOMPARE(m_input->displayName(), QStringLiteral("veto"));
}

void TestEditInputDialog::inputGivesItsNameToConnector()
{
    BlockItem *elsewhere = m_document->model().addInput(0, 1, QStringLiteral("NIM-IN-S3"));
    BlockItem *third = m_document->model().addInput(0, 2, QStringLiteral("NIM-IN-S3"));
    QVERIFY(editPort(m_input, QStringLiteral("NIM-IN-S3"), QStringLiteral("start")));
    QCOMPARE(m_input->name(), QStringLiteral("NIM-IN-S3"));
    QCOMPARE(m_input->displayName(), QStringLiteral("start"));
    QCOMPARE(elsewhere->displayName(), QStringLiteral("start"));
    QCOMPARE(third->displayName(), QStringLiteral("start"));
}

void TestEditInputDialog::outputMovesToOtherPort()
{
    BlockItem *output = m_document->model().addOutput(0, 0, QStringLiteral("NIM-OUT0"));
    QVERIFY(editPort(output, QStringLiteral("NIM-OUT3"), std::nullopt));
    QCOMPARE(output->term(), QStringLiteral("NIM-OUT3"));
    QCOMPARE(output->name(), QStringLiteral("NIM-OUT3"));
    QCOMPARE(output->displayName(), QStringLiteral("NIM-OUT3"));
}

KARIX_TEST(TestEditInputDialog)
#include "tst_editinputdialog.moc"
