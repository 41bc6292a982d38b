// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "compiler/batchwriter.h"
#include "compiler/imagecapture.h"
#include "compiler/imageregisters.h"
#include "compiler/registerimage.h"
#include "designbuilder.h"
#include "model/blockitem.h"
#include "model/counterparameters.h"
#include "model/delayparameters.h"
#include "model/designmodel.h"
#include "model/operationerror.h"

#include <QTest>
#include <memory>

namespace {

// Remembers every put so that order and widths can be checked.
class RecordingWriter : public BatchWriter
{
public:
    struct Put
    {
        quint32 address;
        int width;
        int value;
    };

    int putByte(int value, quint32 address) override { return record(value, address, 1); }
    int putShort(int value, quint32 address) override { return record(value, address, 2); }
    int putInt(int value, quint32 address) override { return record(value, address, 4); }
    int flush() override
    {
        flushedAfter << puts.size();
        return 0;
    }

    QList<Put> puts;
    QList<qsizetype> flushedAfter;

private:
    int record(int value, quint32 address, int width)
    {
        puts << Put{address, width, value};
        return width;
    }
};

int unitOf(const RegisterImage &image, const BlockItem *block)
{
    for (int unit = 0; unit < RegisterImage::UnitCount; ++unit) {
        if (image.unit(unit) == block)
            return unit;
    }
    return -1;
}

quint32 imageValue(const QByteArray &image, quint32 address, int width)
{
    quint32 value = 0;
    const int offset = ImageCapture::imageOffset(address);
    for (int i = 0; i < width; ++i)
        value = (value << 8) | quint8(image.at(offset + i));
    return value;
}

// Function blocks from short codes: C counter fed by pre-logic, Cf counter
// fed by a feedback label, C9 oscillator, C- counter without source, D delay
// fed by pre-logic, Dp delay fed by a label, Df delay fed by a feedback
// label, D- delay without source, N pass-through fed by pre-logic.
QList<BlockItem *> buildFunctions(DesignBuilder &design, const QStringList &codes)
{
    BlockItem *logic = design.preLogic(QStringLiteral("_A"), {design.input("NIM-IN-S0")});
    BlockItem *feedback = design.feedbackLabel(QStringLiteral("FeedBack0"));
    BlockItem *label = design.labelRef(QStringLiteral("Label0"));
    const QString counting = QStringLiteral("Mode=2 MainCnt=10nsec SubCnt=5nsec");
    QList<BlockItem *> blocks;
    for (const QString &code : codes) {
        if (code == "C")
            blocks << design.counter(counting, logic);
        else if (code == "Cf")
            blocks << design.counter(counting, feedback);
        else if (code == "C9")
            blocks << design.counter(QStringLiteral("Mode=9 MainCnt=10nsec SubCnt=5nsec"));
        else if (code == "C-")
            blocks << design.counter(counting);
        else if (code == "D")
            blocks << design.delay(QStringLiteral("Delay=10ns"), logic);
        else if (code == "Dp")
            blocks << design.delay(QStringLiteral("Delay=10ns"), label);
        else if (code == "Df")
            blocks << design.delay(QStringLiteral("Delay=10ns"), feedback);
        else if (code == "D-")
            blocks << design.delay(QStringLiteral("Delay=10ns"));
        else
            blocks << design.passThrough(logic);
    }
    return blocks;
}

QByteArray imageOf(const DesignModel &model, RegisterImage::Evaluation evaluation,
                   QString *error = nullptr)
{
    ImageCapture capture;
    RegisterImage image(evaluation);
    try {
        image.writeImage(model, capture);
    } catch (const OperationError &failure) {
        const QString &message = failure.message();
        if (!error)
            throw;
        *error = message;
    }
    return capture.bytes();
}

} // namespace

class TestRegisterImage : public QObject
{
    Q_OBJECT

private slots:
    void emptyDesignWritesOnlyTheModeMask();
    void writesInAscendingAddressOrder();
    void resendsACompiledImageAlike();
    void assignsUnits_data();
    void assignsUnits();
    void routesPreLogicToTableBits_data();
    void routesPreLogicToTableBits();
    void addressesPreLogicEntriesByInputPattern();
    void resolvesLabels();
    void fillsUnitOutputTables();
    void writesUnitRegisters();
    void convertsDelays_data();
    void convertsDelays();
    void convertsTimes_data();
    void convertsTimes();
    void adjustsSubCount_data();
    void adjustsSubCount();
    void expressionErrorsEndTheImage();
};

void TestRegisterImage::emptyDesignWritesOnlyTheModeMask()
{
    DesignModel model;
    RegisterImage image;
    image.assignUnits(model);
    QCOMPARE(image.unitModeMask(), quint16(0x0700));
    const QByteArray bytes = ImageCapture::compile(model);
    QCOMPARE(bytes.size(), 8292);
    QByteArray expected(8292, '\0');
    expected[2] = 0x07; // 0x0006, high byte first
    QCOMPARE(bytes, expected);
}

void TestRegisterImage::writesInAscendingAddressOrder()
{
    DesignModel model;
    DesignBuilder design(model);
    buildFunctions(design, {"C", "D", "N"});
    RecordingWriter writer;
    QVERIFY(RegisterImage().writeImage(model, writer));
    QCOMPARE(writer.flushedAfter, QList<qsizetype>{writer.puts.size()});
    quint32 next = 0x0004;
    int bytes = 0;
    QList<int> widths;
    for (const RecordingWriter::Put &put : writer.puts) {
        if (next == 0x0068)
            next = 0x2000;
        QCOMPARE(put.address, next);
        next += put.width;
        bytes += put.width;
        if (put.address < 0x0068)
            widths << put.width;
    }
    QCOMPARE(next, quint32(0x4000));
    QCOMPARE(bytes, 8292);
    QList<int> expectedWidths{1, 1, 2};
    expectedWidths << QList<int>(8, 1) << QList<int>(8, 2) << QList<int>(16, 4) << QList<int>(8, 1);
    QCOMPARE(widths, expectedWidths);
}

// The worker sends compiled bytes; its requests must be those of the compile.
void TestRegisterImage::resendsACompiledImageAlike()
{
    DesignModel model;
    DesignBuilder design(model);
    const QList<BlockItem *> units = buildFunctions(design, {"C", "D", "N", "C"});
    design.nimOutput(0, design.postLogic(QStringLiteral("_A or _B"), {units[0], units[1]}));
    RecordingWriter compiled;
    RegisterImage().writeImage(model, compiled);
    RecordingWriter resent;
    ImageRegisters::write(ImageCapture::compile(model), resent);
    QCOMPARE(resent.flushedAfter, compiled.flushedAfter);
    QCOMPARE(resent.puts.size(), compiled.puts.size());
    for (qsizetype i = 0; i < compiled.puts.size(); ++i) {
        const RecordingWriter::Put &want = compiled.puts.at(i);
        const RecordingWriter::Put &got = resent.puts.at(i);
        QCOMPARE(got.address, want.address);
        QCOMPARE(got.width, want.width);
        QCOMPARE(got.value, want.value);
    }
}

void TestRegisterImage::assignsUnits_data()
{
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QList<int>>("units");
    QTest::addColumn<int>("modeMask");
    QTest::addColumn<int>("cntFeedbackMask");
    QTest::addColumn<int>("dlyFeedbackMask");

    QTest::newRow("more counters, few: delays first from unit 3")
        << QStringList{"C", "C", "C", "D"} << QList<int>{4, 5, 6, 3} << 0x0708 << 0 << 0;
    QTest::newRow("few, counters not more: down from unit 7")
        << QStringList{"C", "D", "C", "D"} << QList<int>{7, 5, 6, 4} << 0x0730 << 0 << 0;
    QTest::newRow("many, more counters: down from unit 10")
        << QStringList{"C", "C", "C9", "C", "C", "C", "D", "Dp", "D", "Dp"}
        << QList<int>{9, 8, 10, 7, 6, 5, 2, 4, 1, 3} << 0x001e << 0 << 0;
    QTest::newRow("many, more delays: up from unit 0")
        << QStringList{"D", "Dp", "D", "Dp", "D", "C", "Cf", "C9", "C"}
        << QList<int>{0, 3, 1, 4, 2, 5, 7, 8, 6} << 0x061f << 0x10 << 0;
    QTest::newRow("many: blocks without source find no unit")
        << QStringList{"C", "C", "C", "C", "C", "C-", "D", "D", "D"}
        << QList<int>{10, 9, 8, 7, 6, -1, 5, 4, 3} << 0x0038 << 0 << 0;
    QTest::newRow("few: blocks without source are placed")
        << QStringList{"C-", "D-", "C-"} << QList<int>{4, 3, 5} << 0x0708 << 0 << 0;
    QTest::newRow("feedback sources set the masks")
        << QStringList{"Cf", "Df"} << QList<int>{7, 6} << 0x0740 << 0x10 << 0x08;
    QTest::newRow("feedback delays on low units")
        << QStringList{"Df", "Df", "Df", "D", "D", "C", "C", "C", "C"}
        << QList<int>{2, 3, 4, 0, 1, 5, 6, 7, 8} << 0x061f << 0 << 0x83;
    QTest::newRow("one pass-through") << QStringList{"N"} << QList<int>{0} << 0x0700 << 0 << 0;
    QTest::newRow("two pass-throughs")
        << QStringList{"N", "N"} << QList<int>{0, 1} << 0x0700 << 0 << 0;
    QTest::newRow("seventh pass-through finds no unit")
        << QStringList{"N", "N", "N", "N", "N", "N", "N"}
        << QList<int>{0, 1, 2, 8, 9, 10, -1} << 0x0700 << 0 << 0;
    QTest::newRow("pass-throughs around placed functions")
        << QStringList{"C", "C", "C", "C", "C", "C", "D", "D", "D", "N", "N", "N"}
        << QList<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 0, 1, -1} << 0x001c << 0 << 0;
}

void TestRegisterImage::assignsUnits()
{
    QFETCH(QStringList, codes);
    QFETCH(QList<int>, units);
    QFETCH(int, modeMask);
    QFETCH(int, cntFeedbackMask);
    QFETCH(int, dlyFeedbackMask);
    DesignModel model;
    DesignBuilder design(model);
    const QList<BlockItem *> blocks = buildFunctions(design, codes);
    RegisterImage image;
    image.assignUnits(model);
    QList<int> placed;
    for (const BlockItem *block : blocks)
        placed << unitOf(image, block);
    QCOMPARE(placed, units);
    QCOMPARE(int(image.unitModeMask()), modeMask);
    QCOMPARE(int(image.cntFeedbackMask()), cntFeedbackMask);
    QCOMPARE(int(image.dlyFeedbackMask()), dlyFeedbackMask);
    QCOMPARE(image.cntFncCount(), int(codes.filter(QStringLiteral("C")).size()));
    QCOMPARE(image.dlyFncCount(), int(codes.filter(QStringLiteral("D")).size()));
    QCOMPARE(image.nonFncCount(), int(codes.filter(QStringLiteral("N")).size()));
}

// Every function but the first is fed by a constant-false filler, so the
// table bits set for NIM-IN-S0 alone are those of the first block's unit.
void TestRegisterImage::routesPreLogicToTableBits_data()
{
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<int>("word");
    QTest::newRow("pass-through on unit 0") << QStringList{"N"} << 0x0001;
    QTest::newRow("pass-through on unit 10")
        << QStringList{"-", "-", "-", "-", "-", "N"} << 0x0020;
    QTest::newRow("counter on unit 3") << QStringList{"C"} << 0x0100;
    QTest::newRow("delay on unit 7") << QStringList{"D"} << 0x1000;
    QTest::newRow("delay on unit 0 uses bit 13")
        << QStringList{"D", "d", "d", "d", "d", "c", "c", "c", "Cf"} << 0x2000;
    QTest::newRow("delay on unit 0 yields to counter on unit 8")
        << QStringList{"D", "d", "d", "d", "d", "c", "c", "c", "c"} << 0;
    QTest::newRow("counter on unit 8 wins over delay on unit 0")
        << QStringList{"d", "d", "d", "d", "d", "c", "c", "c", "C"} << 0x2000;
    QTest::newRow("counter fed by feedback gives no bit") << QStringList{"Cf"} << 0;
    QTest::newRow("unconnected counter gives no bit") << QStringList{"C-"} << 0;
}

void TestRegisterImage::routesPreLogicToTableBits()
{
    QFETCH(QStringList, codes);
    QFETCH(int, word);
    DesignModel model;
    DesignBuilder design(model);
    BlockItem *logic = design.preLogic(QStringLiteral("_A"), {design.input("NIM-IN-S0")});
    BlockItem *filler = design.preLogic(QStringLiteral("false"));
    BlockItem *feedback = design.feedbackLabel(QStringLiteral("FeedBack1"));
    for (const QString &code : codes) {
        if (code == "N")
            design.passThrough(logic);
        else if (code == "-")
            design.passThrough(filler);
        else if (code == "C")
            design.counter(QStringLiteral("Mode=2"), logic);
        else if (code == "c")
            design.counter(QStringLiteral("Mode=2"), filler);
        else if (code == "Cf")
            design.counter(QStringLiteral("Mode=2"), feedback);
        else if (code == "C-")
            design.counter(QStringLiteral("Mode=2"));
        else if (code == "D")
            design.delay(QStringLiteral("Delay=5ns"), logic);
        else
            design.delay(QStringLiteral("Delay=5ns"), filler);
    }
    RegisterImage image;
    image.assignUnits(model);
    QCOMPARE(int(image.preLogicWord(0)), 0);
    QCOMPARE(int(image.preLogicWord(2)), word);
}

void TestRegisterImage::addressesPreLogicEntriesByInputPattern()
{
    DesignModel model;
    DesignBuilder design(model);
    design.passThrough(design.preLogic(QStringLiteral("_A"), {design.input("NIM-IN-S0")}));
    design.passThrough(design.preLogic(QStringLiteral("not _A"), {design.input("BNC-IN")}));
    const QByteArray bytes = ImageCapture::compile(model);
    QCOMPARE(imageValue(bytes, 0x2000, 2), 0x0002u);           // all inputs low
    QCOMPARE(imageValue(bytes, 0x2002, 2), 0x0003u);           // NIM-IN-S0 alone
    QCOMPARE(imageValue(bytes, 0x2000 + 2 * 512, 2), 0x0000u); // BNC-IN alone
    QCOMPARE(imageValue(bytes, 0x27fe, 2), 0x0001u);           // all inputs high
}

void TestRegisterImage::resolvesLabels()
{
    DesignModel model;
    DesignBuilder design(model);
    BlockItem *logic = design.preLogic(QStringLiteral("_A"), {design.input("NIM-IN-S0")});
    design.labelIn(QStringLiteral("Label3"), logic);
    BlockItem *delay = design.delay(QStringLiteral("Delay=5ns"), design.labelRef("Label3"));
    design.delay(QStringLiteral("Delay=5ns"), design.labelRef("Label9")); // names no block
    RegisterImage image;
    image.assignUnits(model);
    QCOMPARE(image.resolveLabel(delay->source(0)), logic);
    QCOMPARE(unitOf(image, delay), 7);
    QCOMPARE(int(image.preLogicWord(2)), 0x1000);

    // A post-logic block reads unit 7 through a label of the function's output.
    design.labelIn(QStringLiteral("Label4"), delay);
    design.nimOutput(0, design.postLogic(QStringLiteral("_A"), {design.labelRef("Label4")}));
    image.assignUnits(model);
    QCOMPARE(int(image.outputByte(0x80)), 1);
    QCOMPARE(int(image.outputByte(0x7f)), 0);
}

void TestRegisterImage::fillsUnitOutputTables()
{
    DesignModel model;
    DesignBuilder design(model);
    BlockItem *logic = design.preLogic(QStringLiteral("_A"), {design.input("NIM-IN-S0")});
    BlockItem *counter = design.counter(QStringLiteral("Mode=2"), logic);
    BlockItem *feedbackLabel = design.feedbackLabel(QStringLiteral("FeedBack0"));
    BlockItem *delay = design.delay(QStringLiteral("Delay=5ns"), feedbackLabel);
    BlockItem *both = design.postLogic(QStringLiteral("_A and not _B"), {counter, delay});
    BlockItem *counterOnly = design.postLogic(QStringLiteral("_A"), {counter});
    BlockItem *delayOnly = design.postLogic(QStringLiteral("_A"), {delay});
    design.nimOutput(2, both);
    design.measureCounter(1, QStringLiteral("Mode=5"), counterOnly, delayOnly);
    design.feedback(QStringLiteral("FeedBack0"), counterOnly);

    RegisterImage image;
    image.assignUnits(model);
    QCOMPARE(unitOf(image, counter), 7);
    QCOMPARE(unitOf(image, delay), 6);
    QCOMPARE(int(image.dlyFeedbackMask()), 0x08);
    for (int a = 0; a < RegisterImage::TableEntries; ++a) {
        const bool onCounter = a & 0x80;
        const bool onDelay = a & 0x40;
        QCOMPARE(int(image.outputByte(a)), onCounter && !onDelay ? 0x04 : 0);
        QCOMPARE(int(image.counterByte(a)), (onCounter ? 0x04 : 0) | (onDelay ? 0x08 : 0));
        // The delay on unit 6 takes feedback line 3 from FeedBack0.
        QCOMPARE(int(image.feedbackByte(a)), onCounter ? 0x08 : 0);
    }
}

void TestRegisterImage::writesUnitRegisters()
{
    DesignModel model;
    DesignBuilder design(model);
    BlockItem *logic = design.preLogic(QStringLiteral("_A"), {design.input("NIM-IN-S0")});
    design.counter(QStringLiteral("Mode=3 MainCnt=1usec SubCnt=100nsec"), logic);
    design.counter(QStringLiteral("Mode=1 MainCnt=2msec SubCnt=10nsec"), logic);
    design.delay(QStringLiteral("Delay=1.5us"), logic);
    design.measureCounter(2, QStringLiteral("Mode=12 FileSave=0 PATH=x"), nullptr, nullptr);
    const QByteArray bytes = ImageCapture::compile(model);
    // Delay on unit 3, counters on units 4 and 5.
    QCOMPARE(imageValue(bytes, 0x0006, 2), 0x0708u);
    QCOMPARE(imageValue(bytes, 0x0009, 1), 3u);
    QCOMPARE(imageValue(bytes, 0x000a, 1), 1u);
    QCOMPARE(imageValue(bytes, 0x0010, 2), 300u);
    QCOMPARE(imageValue(bytes, 0x0028, 4), 200u);
    QCOMPARE(imageValue(bytes, 0x002c, 4), 20u);
    QCOMPARE(imageValue(bytes, 0x0030, 4), 400000u);
    QCOMPARE(imageValue(bytes, 0x0034, 4), 1u);
    QCOMPARE(imageValue(bytes, 0x0062, 1), 12u);
    QCOMPARE(imageValue(bytes, 0x0060, 4), 0x00000c00u);
}

void TestRegisterImage::convertsDelays_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("steps");
    QTest::newRow("nanoseconds") << "Delay=100ns" << 20;
    QTest::newRow("microseconds") << "Delay=1.5us" << 300;
    QTest::newRow("bare steps") << "Delay=7" << 7;
    QTest::newRow("truncated nanoseconds") << "Delay=12ns" << 2;
    QTest::newRow("fraction without rounding loss") << "Delay=0.035us" << 7;
    QTest::newRow("fraction truncated") << "Delay=0.0123us" << 2;
    QTest::newRow("not a number") << "Delay=fast" << 0;
    QTest::newRow("unit alone") << "Delay=us" << 0;
    QTest::newRow("other key") << "Mode=3" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("huge") << "Delay=1e300us" << 0;
}

void TestRegisterImage::convertsDelays()
{
    QFETCH(QString, property);
    QFETCH(int, steps);
    DesignModel model;
    DesignBuilder design(model);
    BlockItem *delay = design.delay(property);
    QCOMPARE(DelayParameters::fromProperty(delay->property()).steps(), steps);
}

void TestRegisterImage::convertsTimes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("steps");
    QTest::newRow("microseconds") << "1usec" << 200u;
    QTest::newRow("below one step") << "3nsec" << 0u;
    QTest::newRow("nanoseconds") << "10nsec" << 2u;
    QTest::newRow("milliseconds") << "2msec" << 400000u;
    QTest::newRow("seconds") << "1sec" << 200000000u;
    QTest::newRow("fraction") << "0.3usec" << 60u;
    QTest::newRow("no unit: steps") << "25" << 25u;
    QTest::newRow("low 32 bits") << "30sec" << quint32(6000000000ull & 0xffffffffu);
    QTest::newRow("not a number") << "xusec" << 0u;
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("out of range") << "1e300sec" << 0u;
    // Whole step counts whose floating-point product falls just below them.
    QTest::newRow("large microseconds") << "17124125.88usec" << 3424825176u;
    QTest::newRow("large milliseconds") << "16924.671915msec" << 3384934383u;
    QTest::newRow("large seconds") << "8.30125062sec" << 1660250124u;
    QTest::newRow("largest count") << "21.474836475sec" << 4294967295u;
    QTest::newRow("half step still truncated") << "12.5nsec" << 2u;
}

void TestRegisterImage::convertsTimes()
{
    QFETCH(QString, text);
    QFETCH(quint32, steps);
    QCOMPARE(CounterParameters::timeSteps(text), steps);
}

void TestRegisterImage::adjustsSubCount_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("sub");
    QTest::addColumn<quint32>("written");
    QTest::newRow("mode 0 zero stays zero") << 0 << "0nsec" << 0u;
    QTest::newRow("mode 0 reduced") << 0 << "10nsec" << 1u;
    QTest::newRow("mode 1 reduced") << 1 << "10nsec" << 1u;
    QTest::newRow("mode 8 reduced") << 8 << "10nsec" << 1u;
    QTest::newRow("mode 9 zero stays zero") << 9 << "0nsec" << 0u;
    QTest::newRow("mode 2 kept") << 2 << "10nsec" << 2u;
}

void TestRegisterImage::adjustsSubCount()
{
    QFETCH(int, mode);
    QFETCH(QString, sub);
    QFETCH(quint32, written);
    DesignModel model;
    DesignBuilder design(model);
    design.counter(QStringLiteral("Mode=%1 MainCnt=10nsec SubCnt=%2").arg(mode).arg(sub),
                   design.preLogic(QStringLiteral("_A")));
    RegisterImage image;
    image.assignUnits(model);
    QCOMPARE(image.subCount(0), written);
    QCOMPARE(image.mainCount(0), 2u);
}

void TestRegisterImage::expressionErrorsEndTheImage()
{
    DesignModel model;
    DesignBuilder design(model);
    BlockItem *counter =
        design.counter(QStringLiteral("Mode=2"), design.preLogic(QStringLiteral("_A")));
    design.nimOutput(0, design.postLogic(QStringLiteral("_A and ( _B"), {counter}));
    for (auto evaluation : {RegisterImage::Evaluation::TruthTables,
                            RegisterImage::Evaluation::PerEntry}) {
        RecordingWriter writer;
        try {
            RegisterImage(evaluation).writeImage(model, writer);
            QFAIL("the faulty expression was accepted");
        } catch (const OperationError &failure) {
            const QString &message = failure.message();
            QCOMPARE(message, QStringLiteral("PstLgc0: invalid --- ')' is missimg."));
        }
        // Parameter block and pre-logic table went out before the output table.
        QCOMPARE(writer.puts.size(), qsizetype(3 + 8 + 8 + 16 + 4 + 4 + 1024));
        QVERIFY(writer.flushedAfter.isEmpty());
    }
}

KARIX_TEST(TestRegisterImage)
#include "tst_registerimage.moc"
