// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scriptedprompter.h"
#include "common/testrunner.h"
#include "compiler/imagecapture.h"
#include "dialogdriver.h"
#include "dialogs/blockdialogs.h"
#include "dialogs/editdialog.h"
#include "io/designdocument.h"
#include "io/documentreader.h"
#include "io/documentwriter.h"
#include "model/blockitem.h"
#include "model/counterparameters.h"
#include "model/designedits.h"
#include "model/designmodel.h"
#include "model/labelregistry.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace DialogDriver;

namespace {

// Answers the rename prompt from a list; cancels when it runs out.
class AnsweringPrompter : public ScriptedPrompter
{
public:
    QStringList answers;

    std::optional<QString> askText(QWidget *parent, const QString &title, const QString &label,
                                   const QString &text) override
    {
        ScriptedPrompter::askText(parent, title, label, text);
        if (answers.isEmpty())
            return std::nullopt;
        return answers.takeFirst();
    }
};

BlockItem *place(DesignDocument &document, int sheet, const QString &term, const QString &name)
{
    document.sheets().ensureSheet(sheet);
    BlockItem *block = document.edits().placeBlock(term, sheet, -1, name);
    if (!block)
        qFatal("test design: %s refused", qPrintable(name));
    return block;
}

void wire(DesignDocument &document, BlockItem *source, BlockItem *destination, int port)
{
    if (!document.edits().connect(source, destination, port).connected())
        qFatal("test design: wire into %s refused", qPrintable(destination->name()));
}

// The design of the end-to-end test; the parameters are set by the caller.
struct SmallDesign
{
    BlockItem *start, *stop, *pre, *counter, *delay, *post, *output, *measure;

    explicit SmallDesign(DesignDocument &document)
    {
        start = place(document, 0, "Input", "NIM-IN-S0");
        stop = place(document, 0, "Input", "NIM-IN-S1");
        pre = place(document, 0, "PreLogic", "PreLgc0");
        counter = place(document, 0, "CntFnc", "CntFnc0");
        delay = place(document, 0, "DlyFnc", "DlyFnc0");
        post = place(document, 0, "PostLogic", "PstLgc0");
        output = place(document, 0, "NIM-OUT", "NIM-OUT0");
        measure = place(document, 0, "MsrCnt", "MsrCnt0");
        wire(document, start, pre, 0);
        wire(document, stop, pre, 1);
        wire(document, pre, counter, 0);
        wire(document, pre, delay, 0);
        wire(document, counter, post, 0);
        wire(document, delay, post, 1);
        wire(document, post, output, 0);
        wire(document, post, measure, 0);
        wire(document, post, measure, 1);
    }
};

int clickOkResult(EditDialog &dialog)
{
    clickOk(dialog);
    return dialog.result();
}

} // namespace

class TestBlockDialogs : public QObject
{
    Q_OBJECT

private slots:
    void renameSpreadsOverSheets();
    void renamePromptAsksAgain();
    void renameKeepsReservedOwnName();
    void uneditedDialogsKeepProperty_data();
    void uneditedDialogsKeepProperty();
    void randomUneditedCounterTexts();
    void cancelLeavesBlockUntouched_data();
    void cancelLeavesBlockUntouched();
    void dialogsStandBesideTheirBlock_data() { cancelLeavesBlockUntouched_data(); }
    void dialogsStandBesideTheirBlock();
    void dialogsGiveHandWrittenImage();
};

void TestBlockDialogs::renameSpreadsOverSheets()
{
    DesignDocument document;
    BlockItem *feedback = place(document, 0, "FeedBack", "FeedBack0");
    QList<BlockItem *> references;
    for (int sheet = 0; sheet < 3; ++sheet)
        references << place(document, sheet, "FeedBack0", "FeedBack0");
    AnsweringPrompter prompter;
    prompter.answers = {QStringLiteral("gate")};
    BlockDialogs editor(document.model(), document.edits());
    editor.setPrompter(&prompter);
    QVERIFY(editor.rename(references.at(1), nullptr));
    QCOMPARE(prompter.shown, QStringList{"FeedBack0|Please enter new name.|FeedBack0"});
    QCOMPARE(feedback->displayName(), QStringLiteral("gate"));
    for (BlockItem *reference : references)
        QCOMPARE(reference->displayName(), QStringLiteral("gate"));
    QCOMPARE(document.labels().find(QStringLiteral("FeedBack0"))->userName, QStringLiteral("gate"));
}

void TestBlockDialogs::renamePromptAsksAgain()
{
    DesignDocument document;
    BlockItem *input = place(document, 0, "Input", "NIM-IN-S0");
    BlockItem *other = place(document, 1, "Input", "NIM-IN-S0");
    place(document, 0, "Input", "NIM-IN-S1")->setUserName(QStringLiteral("veto"));
    AnsweringPrompter prompter;
    prompter.answers = {QStringLiteral("a b"), QStringLiteral("veto"), QStringLiteral("start")};
    BlockDialogs editor(document.model(), document.edits());
    editor.setPrompter(&prompter);
    QVERIFY(editor.rename(input, nullptr));
    QCOMPARE(prompter.shown.size(), 5);
    QVERIFY(prompter.shown.at(1).startsWith("NIM-IN-S0|A name can consist only"));
    QCOMPARE(prompter.shown.at(3), QStringLiteral("NIM-IN-S0|\"veto\" cannot be used or it is already in use."));
    QCOMPARE(input->displayName(), QStringLiteral("start"));
    QCOMPARE(other->displayName(), QStringLiteral("start"));

    prompter.answers.clear();
    QVERIFY(!editor.rename(input, nullptr));
    QCOMPARE(input->displayName(), QStringLiteral("start"));
}

void TestBlockDialogs::renameKeepsReservedOwnName()
{
    DesignDocument document;
    BlockItem *input = place(document, 0, "Input", "NIM-IN-S0");
    input->setUserName(QStringLiteral("start"));
    AnsweringPrompter prompter;
    prompter.answers = {QStringLiteral("NIM-IN-S0")};
    BlockDialogs editor(document.model(), document.edits());
    editor.setPrompter(&prompter);
    QVERIFY(editor.rename(input, nullptr));
    QCOMPARE(prompter.shown.size(), 1);
    QCOMPARE(input->displayName(), QStringLiteral("NIM-IN-S0"));
}

void TestBlockDialogs::uneditedDialogsKeepProperty_data()
{
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("property");
    QTest::newRow("counter with bare steps") << "CntFnc" << "Mode=0 MainCnt=20 SubCnt=1";
    QTest::newRow("counter not on 5 ns") << "CntFnc" << "Mode=2 MainCnt=12nsec SubCnt=0.0100usec";
    QTest::newRow("counter frequency form") << "CntFnc" << "Mode=9 MainCnt=335nsec SubCnt=665nsec Disp=KHz";
    QTest::newRow("counter other order") << "CntFnc" << "SubCnt=5nsec Mode=1 MainCnt=1usec";
    QTest::newRow("delay with zeros") << "DlyFnc" << "Delay=0.50us";
    QTest::newRow("delay bare steps") << "DlyFnc" << "Delay=8096";
    QTest::newRow("measure counter numeric flag") << "MsrCnt" << "Mode=5 Unit=usec FileSave=1 PATH=log";
    QTest::newRow("measure counter without path") << "MsrCnt" << "Mode=12 FileSave=0 PATH=";
    QTest::newRow("logic") << "PreLogic" << "_A  and (_B)";
}

void TestBlockDialogs::uneditedDialogsKeepProperty()
{
    QFETCH(QString, term);
    QFETCH(QString, property);
    DesignDocument document;
    BlockItem *block = place(document, 0, term, QString());
    block->setProperty(property);
    BlockDialogs editor(document.model(), document.edits());
    editor.setRunner(clickOkResult);
    QVERIFY(!editor.edit(block, nullptr));
    QCOMPARE(block->property(), property);
}

void TestBlockDialogs::randomUneditedCounterTexts()
{
    DesignDocument document;
    BlockItem *block = place(document, 0, "CntFnc", "CntFnc0");
    BlockDialogs editor(document.model(), document.edits());
    editor.setRunner(clickOkResult);
    QRandomGenerator random(11);
    const QStringList units = CounterParameters::units();
    for (int i = 0; i < 200; ++i) {
        const auto count = [&] {
            const QString unit = units.at(random.bounded(int(units.size())));
            return QString::number(random.bounded(100000) / 100.0) + (random.bounded(4) ? unit : QString());
        };
        const QString property =
            QStringLiteral("Mode=%1 MainCnt=%2 SubCnt=%3").arg(random.bounded(10)).arg(count(), count());
        block->setProperty(property);
        QVERIFY(!editor.edit(block, nullptr));
        QCOMPARE(block->property(), property);
    }
}

void TestBlockDialogs::cancelLeavesBlockUntouched_data()
{
    uneditedDialogsKeepProperty_data();
    QTest::newRow("input") << "Input" << "";
    QTest::newRow("output") << "NIM-OUT" << "";
}

// Every field typed over, every combo moved, then Cancel.
void TestBlockDialogs::cancelLeavesBlockUntouched()
{
    QFETCH(QString, term);
    QFETCH(QString, property);
    DesignDocument document;
    BlockItem *block = place(document, 0, term, QString());
    block->setProperty(property);
    const QString name = block->name();
    const QString userName = block->userName();
    BlockDialogs editor(document.model(), document.edits());
    editor.setRunner([](EditDialog &dialog) {
        for (QLineEdit *edit : dialog.findChildren<QLineEdit *>())
            QTest::keyClicks(edit, QStringLiteral("7"));
        for (QComboBox *box : dialog.findChildren<QComboBox *>())
            box->setCurrentIndex(box->count() - 1);
        if (auto *text = dialog.findChild<QTextEdit *>())
            text->setPlainText(QStringLiteral("true"));
        dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
            ->button(QDialogButtonBox::Cancel)->click();
        return dialog.result();
    });
    QVERIFY(!editor.edit(block, nullptr));
    QCOMPARE(block->property(), property);
    QCOMPARE(block->name(), name);
    QCOMPARE(block->userName(), userName);
}

// The canvas asks for a spot left of the block that the wider dialogs
// would cover; inputs sit at the screen's left edge.
void TestBlockDialogs::dialogsStandBesideTheirBlock()
{
    QFETCH(QString, term);
    DesignDocument document;
    BlockItem *block = place(document, 0, term, QString());
    QWidget canvas;
    canvas.resize(800, 600);
    const QRect blockArea(canvas.mapToGlobal(block->position()), block->size());
    QRect dialogArea;
    QString title;
    BlockDialogs editor(document.model(), document.edits());
    editor.setRunner([&](EditDialog &dialog) {
        dialogArea = QRect(dialog.pos(), dialog.size());
        title = dialog.windowTitle();
        return int(QDialog::Rejected);
    });
    editor.edit(block, &canvas, blockArea.topLeft() - QPoint(100, 0));
    QVERIFY2(!dialogArea.intersects(blockArea), qPrintable(term));
    QCOMPARE(title, block->displayName());
}

// The parameters set through the dialogs compile to the image of the same
// parameters written into the blocks by hand.
void TestBlockDialogs::dialogsGiveHandWrittenImage()
{
    DesignDocument edited;
    SmallDesign design(edited);
    BlockDialogs editor(edited.model(), edited.edits());

    editor.setRunner([](EditDialog &dialog) {
        auto *text = dialog.findChild<QTextEdit *>(QStringLiteral("textEdit"));
        text->setPlainText(QStringLiteral("_A and not _B"));
        return clickOkResult(dialog);
    });
    QVERIFY(editor.edit(design.pre, nullptr));
    editor.setRunner([](EditDialog &dialog) {
        dialog.findChild<QRadioButton *>(QStringLiteral("radioButtonNet"))->setChecked(true);
        dialog.findChild<QPushButton *>(QStringLiteral("pushButton_A"))->click();
        dialog.findChild<QPushButton *>(QStringLiteral("pushButton_xor"))->click();
        dialog.findChild<QPushButton *>(QStringLiteral("pushButton_B"))->click();
        return clickOkResult(dialog);
    });
    QVERIFY(editor.edit(design.post, nullptr));
    editor.setRunner([](EditDialog &dialog) {
        comboBox(dialog, "modeComboBox")->setCurrentIndex(1);
        comboBox(dialog, "mainComboBox")->setCurrentText(QStringLiteral("usec"));
        type(dialog, "mainLineEdit", QStringLiteral("1.5"));
        type(dialog, "subLineEdit", QStringLiteral("100"));
        return clickOkResult(dialog);
    });
    QVERIFY(editor.edit(design.counter, nullptr));
    editor.setRunner([](EditDialog &dialog) {
        type(dialog, "delayEdit", QStringLiteral("35"));
        return clickOkResult(dialog);
    });
    QVERIFY(editor.edit(design.delay, nullptr));
    editor.setRunner([](EditDialog &dialog) {
        comboBox(dialog, "m_areaComboBox")->setCurrentIndex(1);
        comboBox(dialog, "m_enbComboBox")->setCurrentIndex(2);
        return clickOkResult(dialog);
    });
    QVERIFY(editor.edit(design.measure, nullptr));
    editor.setRunner([](EditDialog &dialog) {
        type(dialog, "lineEdit", QStringLiteral("start"));
        return clickOkResult(dialog);
    });
    QVERIFY(editor.edit(design.start, nullptr));

    QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("edited.krx"));
    QVERIFY(DocumentWriter(edited.context()).save(file).isEmpty());
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    DesignDocument reloaded;
    QVERIFY(DocumentReader(reloaded.context()).read(saved.readAll()).ok);

    DesignDocument byHand;
    SmallDesign written(byHand);
    written.pre->setProperty(QStringLiteral("_A and not _B"));
    written.post->setProperty(QStringLiteral(" _A  xor  _B "));
    written.counter->setProperty(QStringLiteral("Mode=1 MainCnt=1.5usec SubCnt=100nsec"));
    written.delay->setProperty(QStringLiteral("Delay=35ns"));
    written.measure->setProperty(QStringLiteral("Mode=9 FileSave=false PATH=log"));
    written.start->setUserName(QStringLiteral("start"));

    QCOMPARE(reloaded.model().findBlock(QStringLiteral("CntFnc0"))->property(),
             written.counter->property());
    QCOMPARE(ImageCapture::compile(reloaded.model()), ImageCapture::compile(byHand.model()));
    QVERIFY(ImageCapture::compile(byHand.model()) != ImageCapture::compile(DesignDocument().model()));
}

KARIX_TEST(TestBlockDialogs)
#include "tst_blockdialogs.moc"
