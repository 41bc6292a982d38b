// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scriptedprompter.h"
#include "common/testrunner.h"
#include "dialogs/blockdialogs.h"
#include "dialogs/editlogicdialog.h"
#include "dialogs/truthtabledialog.h"
#include "model/blockitem.h"
#include "io/designdocument.h"
#include "model/designmodel.h"
#include "model/logicevaluator.h"
#include "model/prelogic.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

QTextEdit *editor(EditLogicDialog &dialog)
{
    return dialog.findChild<QTextEdit *>(QStringLiteral("textEdit"));
}

QRadioButton *netButton(EditLogicDialog &dialog)
{
    return dialog.findChild<QRadioButton *>(QStringLiteral("radioButtonNet"));
}

QPushButton *portButton(EditLogicDialog &dialog, char letter)
{
    return dialog.findChild<QPushButton *>(QStringLiteral("pushButton_") + QLatin1Char(letter));
}

void clickOk(EditLogicDialog &dialog)
{
    dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
}

// Opens the context menu of a port button; returns whether a menu appeared,
// choosing its first entry when `choose` is set.
bool openPortMenu(EditLogicDialog &dialog, char letter, bool choose)
{
    bool shown = false;
    QTimer::singleShot(0, [&shown, choose] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            shown = true;
            if (choose)
                menu->actions().constFirst()->trigger();
            menu->close();
        }
    });
    emit portButton(dialog, letter)->customContextMenuRequested(QPoint(5, 5));
    QCoreApplication::processEvents();
    return shown;
}

} // namespace

class TestEditLogicDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void netModeRoundTrip_data();
    void netModeRoundTrip();
    void editsInNetModeKeepWholeNames_data();
    void editsInNetModeKeepWholeNames();
    void portButtonsInNetMode();
    void okStoresVariables();
    void badExpressionKeepsDialogOpen();
    void selectPortAsksThePrompter_data();
    void selectPortAsksThePrompter();
    void validityLineFollowsTyping();
    void overlongPasteIsRefused();
    void unconnectedPortInsertsVariable();
    void portMenuOnlyOnConnectedPorts();
    void cancelLeavesBlockUntouched();
    void truthTableOverConnectedInputs();
    void truthTableShownThroughThePrompter();

private:
    BlockItem *connectInput(int port, const QString &connector, const QString &userName);

    std::unique_ptr<DesignDocument> m_document;
    PreLogic *m_logic = nullptr;
    int m_row = 0;
};

void TestEditLogicDialog::init()
{
    m_document = std::make_unique<DesignDocument>();
    m_logic = m_document->model().addPreLogic(0, 0, QStringLiteral("PreLgc0"));
    m_row = 0;
}

void TestEditLogicDialog::cleanup()
{
    m_document.reset();
}

BlockItem *TestEditLogicDialog::connectInput(int port, const QString &connector, const QString &userName)
{
    BlockItem *input = m_document->model().addInput(m_row++, 0, connector);
    input->setUserName(userName);
    m_logic->connectSource(port, input);
    return input;
}

void TestEditLogicDialog::netModeRoundTrip_data()
{
    QTest::addColumn<QStringList>("names"); // for ports A, B, C
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("netText");
    QTest::newRow("connector names") << QStringList{"", "", ""} << "_A and _C"
                                     << "NIM-IN-S0 and NIM-IN-S2";
    QTest::newRow("prefix of another name") << QStringList{"IN1", "IN10", "IN100"}
                                            << "_C or _B and not _A" << "IN100 or IN10 and not IN1";
    QTest::newRow("name inside another name") << QStringList{"S1", "NIM-IN-S1x", "xS1"}
                                              << "(_A and _B) xor _C" << "(S1 and NIM-IN-S1x) xor xS1";
    QTest::newRow("odd spacing kept") << QStringList{"a", "b", "c"} << "  _A   and(_B)\n or _C "
                                      << "  a   and(b)\n or c ";
    QTest::newRow("variable inside a word untouched") << QStringList{"one", "two", "three"}
                                                      << "_A_B and x_C" << "_A_B and x_C";
}

void TestEditLogicDialog::netModeRoundTrip()
{
    QFETCH(QStringList, names);
    QFETCH(QString, text);
    QFETCH(QString, netText);
    for (int port = 0; port < names.size(); ++port)
        connectInput(port, QStringLiteral("NIM-IN-S%1").arg(port), names.at(port));
    m_logic->setProperty(text);
    EditLogicDialog dialog(m_logic);
    netButton(dialog)->setChecked(true);
    QCOMPARE(editor(dialog)->toPlainText(), netText);
    dialog.changeNetMode(false);
    QCOMPARE(editor(dialog)->toPlainText(), text);
}

void TestEditLogicDialog::editsInNetModeKeepWholeNames_data()
{
    QTest::addColumn<QStringList>("names"); // for ports A, B, C
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("typed");     // appended in net mode
    QTest::addColumn<QString>("result");
    QTest::newRow("name inside a connector name") << QStringList{"S1", "", ""} << "_A and _B"
                                                  << " or S1" << "_A and _B or _A";
    QTest::newRow("names with blanks") << QStringList{"Detector A", "Detector", "A"} << "_A and _B or _C"
                                       << " or (Detector A)" << "_A and _B or _C or (_A)";
    QTest::newRow("unknown word kept") << QStringList{"start", "stop", ""} << "_A"
                                       << " xor started" << "_A xor started";
    QTest::newRow("names that read as something else") << QStringList{"and", "_C", "dup"} << "_A and _B"
                                                        << " or _C" << "_A and _B or _C";
    QTest::newRow("same name twice") << QStringList{"dup", "dup", "x"} << "_A xor _B"
                                     << " or x" << "_A xor _B or _C";
}

void TestEditLogicDialog::editsInNetModeKeepWholeNames()
{
    QFETCH(QStringList, names);
    QFETCH(QString, text);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    for (int port = 0; port < names.size(); ++port)
        connectInput(port, QStringLiteral("NIM-IN-S%1").arg(port), names.at(port));
    m_logic->setProperty(text);
    EditLogicDialog dialog(m_logic);
    netButton(dialog)->setChecked(true);
    editor(dialog)->moveCursor(QTextCursor::End);
    editor(dialog)->insertPlainText(typed);
    dialog.changeNetMode(false);
    QCOMPARE(editor(dialog)->toPlainText(), result);
}

void TestEditLogicDialog::portButtonsInNetMode()
{
    connectInput(0, QStringLiteral("NIM-IN-S0"), QStringLiteral("S1"));
    connectInput(1, QStringLiteral("NIM-IN-S1"), QString());
    m_logic->setProperty(QStringLiteral("_A and _B"));
    EditLogicDialog dialog(m_logic);
    netButton(dialog)->setChecked(true);
    QCOMPARE(editor(dialog)->toPlainText(), QStringLiteral("S1 and NIM-IN-S1"));
    editor(dialog)->moveCursor(QTextCursor::End);
    dialog.clicked_or();
    portButton(dialog, 'A')->click();
    dialog.changeNetMode(false);
    QCOMPARE(editor(dialog)->toPlainText(), QStringLiteral("_A and _B or  _A "));
}

void TestEditLogicDialog::okStoresVariables()
{
    connectInput(2, QStringLiteral("NIM-IN-S1"), QString());
    m_logic->setProperty(QStringLiteral("_C and true"));
    EditLogicDialog dialog(m_logic);
    netButton(dialog)->setChecked(true);
    QCOMPARE(editor(dialog)->toPlainText(), QStringLiteral("NIM-IN-S1 and true"));
    clickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.expression(), QStringLiteral("_C and true"));
}

void TestEditLogicDialog::badExpressionKeepsDialogOpen()
{
    ScriptedPrompter prompter;
    EditLogicDialog dialog(m_logic);
    dialog.setPrompter(&prompter);
    editor(dialog)->setPlainText(QStringLiteral("_A and"));
    clickOk(dialog);
    QCOMPARE(prompter.shown, QStringList{"Logic Error|invalid at EOF"});
    QVERIFY(dialog.result() != QDialog::Accepted);
    QVERIFY(dialog.expression().isEmpty());
}

void TestEditLogicDialog::selectPortAsksThePrompter_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<int>("port");
    QTest::newRow("chosen") << std::optional<QString>(QStringLiteral("port7")) << 7;
    QTest::newRow("cancelled") << std::optional<QString>() << -1;
}

void TestEditLogicDialog::selectPortAsksThePrompter()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(int, port);
    ScriptedPrompter prompter;
    prompter.itemAnswer = answer;
    EditLogicDialog dialog(m_logic);
    dialog.setPrompter(&prompter);
    QCOMPARE(dialog.selectPort(), port);
    QCOMPARE(prompter.shown, QStringList{"select|NET connect|port0,port1,port2,port3,port4,port5,"
                                         "port6,port7,port8,port9,port10"});
}

void TestEditLogicDialog::validityLineFollowsTyping()
{
    EditLogicDialog dialog(m_logic);
    auto *validity = dialog.findChild<QLabel *>(QStringLiteral("labelValidity"));
    auto *truthTable = dialog.findChild<QPushButton *>(QStringLiteral("pushButtonTruthTable"));
    QTest::keyClicks(editor(dialog), QStringLiteral("_A or (_B"));
    QVERIFY(validity->text().contains(QStringLiteral("invalid --- ')' is missimg.")));
    QVERIFY(!truthTable->isEnabled());
    QTest::keyClicks(editor(dialog), QStringLiteral(")"));
    QCOMPARE(validity->text(), QStringLiteral("Valid expression."));
    QVERIFY(truthTable->isEnabled());
}

// A paste over a selection that would make the text too long is undone
// whole, and the user is told; the selection's text comes back.
void TestEditLogicDialog::overlongPasteIsRefused()
{
    ScriptedPrompter prompter;
    EditLogicDialog dialog(m_logic);
    dialog.setPrompter(&prompter);
    QTextEdit *text = editor(dialog);
    text->setPlainText(QStringLiteral("_A or _B"));
    QTextCursor cursor(text->document());
    cursor.setPosition(6);
    cursor.setPosition(8, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
    text->insertPlainText(QStringLiteral(" _C or").repeated(LogicEvaluator::MaxExpressionLength));
    QCOMPARE(text->toPlainText(), QStringLiteral("_A or _B"));
    QCOMPARE(prompter.shown,
             QStringList{"Logic Error|The expression is longer than 16384 characters."});
    QTest::keyClicks(text, QStringLiteral(" or _C"));
    clickOk(dialog);
    QCOMPARE(dialog.expression(), QStringLiteral("_A or _B or _C"));
}

void TestEditLogicDialog::unconnectedPortInsertsVariable()
{
    connectInput(0, QStringLiteral("NIM-IN-S0"), QString());
    EditLogicDialog dialog(m_logic);
    netButton(dialog)->setChecked(true);
    portButton(dialog, 'D')->click();
    portButton(dialog, 'A')->click();
    QCOMPARE(editor(dialog)->toPlainText(), QStringLiteral(" _D  NIM-IN-S0 "));
    QCOMPARE(portButton(dialog, 'A')->text(), QStringLiteral("_A\n\nNIM-IN-S0"));
}

void TestEditLogicDialog::portMenuOnlyOnConnectedPorts()
{
    BlockItem *input = connectInput(1, QStringLiteral("NIM-IN-S3"), QString());
    m_logic->setProperty(QStringLiteral("_B"));
    BlockDialogs editor(m_document->model(), m_document->edits());
    editor.setRunner([](EditDialog &dialog) {
        auto &logic = static_cast<EditLogicDialog &>(dialog);
        if (openPortMenu(logic, 'A', false))
            return int(QDialog::Rejected);
        if (!openPortMenu(logic, 'B', true))
            return int(QDialog::Rejected);
        logic.findChild<QTextEdit *>(QStringLiteral("textEdit"))->setPlainText(QStringLiteral("true"));
        clickOk(logic);
        return logic.result();
    });
    QVERIFY(editor.edit(m_logic, nullptr));
    QCOMPARE(m_logic->source(1), nullptr);
    QVERIFY(!input->fanout().contains(m_logic));
    QCOMPARE(m_logic->property(), QStringLiteral("true"));
}

void TestEditLogicDialog::cancelLeavesBlockUntouched()
{
    BlockItem *input = connectInput(0, QStringLiteral("NIM-IN-S0"), QString());
    m_logic->setProperty(QStringLiteral("_A"));
    BlockDialogs editor(m_document->model(), m_document->edits());
    editor.setRunner([](EditDialog &dialog) {
        auto &logic = static_cast<EditLogicDialog &>(dialog);
        openPortMenu(logic, 'A', true);
        logic.clicked_and();
        logic.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
            ->button(QDialogButtonBox::Cancel)->click();
        return logic.result();
    });
    QVERIFY(!editor.edit(m_logic, nullptr));
    QCOMPARE(m_logic->property(), QStringLiteral("_A"));
    QCOMPARE(m_logic->source(0), input);
}

void TestEditLogicDialog::truthTableOverConnectedInputs()
{
    connectInput(0, QStringLiteral("NIM-IN-S0"), QStringLiteral("start"));
    connectInput(2, QStringLiteral("NIM-IN-S1"), QStringLiteral("veto"));
    m_logic->setProperty(QStringLiteral("_A and not _C"));
    TruthTableDialog dialog({{0, QStringLiteral("start")}, {2, QStringLiteral("veto")}},
                            LogicEvaluator::expressionTable(m_logic->property()));
    QTableWidget *table = dialog.table();
    QCOMPARE(table->rowCount(), 4);
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("_C\nveto"));
    QStringList outputs;
    for (int row = 0; row < 4; ++row)
        outputs << table->item(row, 0)->text() + table->item(row, 1)->text() + table->item(row, 2)->text();
    QCOMPARE(outputs, (QStringList{"000", "101", "010", "110"}));
}

void TestEditLogicDialog::truthTableShownThroughThePrompter()
{
    ScriptedPrompter prompter;
    m_logic->setProperty(QStringLiteral("_A or _B"));
    EditLogicDialog dialog(m_logic);
    dialog.setPrompter(&prompter);
    dialog.showTruthTable();
    QCOMPARE(prompter.shown, QStringList{"dialog|Truth table"});
}

KARIX_TEST(TestEditLogicDialog)
#include "tst_editlogicdialog.moc"
