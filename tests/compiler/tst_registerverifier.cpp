// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "compiler/imagecapture.h"
#include "compiler/registerimage.h"
#include "compiler/registerverifier.h"
#include "model/operationerror.h"
#include "designbuilder.h"
#include "model/blockitem.h"
#include "model/designmodel.h"

#include <QTest>

namespace {

struct Area
{
    quint32 base;
    int length;
};

const Area areas[] = {{0x0004, 100}, {0x2000, 0x800}, {0x2800, 0x800}, {0x3000, 0x800},
                      {0x3800, 0x800}};

// A design that fills every area: counters, a delay, outputs, a measure
// counter and a feedback path.
void buildBusyDesign(DesignModel &model)
{
    DesignBuilder design(model);
    BlockItem *logic = design.preLogic(QStringLiteral("_A xor _B"),
                                       {design.input("NIM-IN-S0"), design.input("NIM-IN-S3")});
    BlockItem *counter = design.counter(QStringLiteral("Mode=1 MainCnt=1usec SubCnt=50nsec"), logic);
    BlockItem *other = design.counter(QStringLiteral("Mode=2 MainCnt=2usec SubCnt=20nsec"), logic);
    BlockItem *feedbackDelay =
        design.delay(QStringLiteral("Delay=25ns"), design.feedbackLabel("FeedBack0"));
    BlockItem *post = design.postLogic(QStringLiteral("_A or _B"), {counter, feedbackDelay});
    BlockItem *gate = design.postLogic(QStringLiteral("not _A"), {other});
    design.nimOutput(0, post);
    design.measureCounter(0, QStringLiteral("Mode=5"), gate, post);
    design.feedback(QStringLiteral("FeedBack0"), gate);
}

// Runs the comparisons in the worker's order up to the first difference.
// Returns the index of the area that differed, or -1.
int verifyAll(const QByteArray &image, const QByteArray &module, QString &text)
{
    RegisterVerifier verifier(image);
    for (int i = 0; i < 5; ++i) {
        const int offset = ImageCapture::imageOffset(areas[i].base);
        if (!verifier.compareArea(areas[i].base, module.mid(offset, areas[i].length), text))
            return i;
    }
    return -1;
}

} // namespace

class TestRegisterVerifier : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void matchesTheWrittenImage();
    void reportsFirstDifference_data();
    void reportsFirstDifference();
    void ignoresReservedBytes();
    void formatsEntriesByWidth_data();
    void formatsEntriesByWidth();
    void refusesShortReadAndUnknownArea();

private:
    DesignModel m_model;
    QByteArray m_image;
};

void TestRegisterVerifier::initTestCase()
{
    buildBusyDesign(m_model);
    m_image = ImageCapture::compile(m_model);
}

void TestRegisterVerifier::matchesTheWrittenImage()
{
    QString text;
    QCOMPARE(verifyAll(m_image, m_image, text), -1);
    QVERIFY(text.isEmpty());
}

void TestRegisterVerifier::reportsFirstDifference_data()
{
    QTest::addColumn<quint32>("address"); // bit 0 of this byte is flipped
    QTest::addColumn<int>("area");
    QTest::addColumn<QString>("entry");
    // Delay on unit 3, counters on units 4 (mode 1) and 5. Unit 4's sub count
    // of 50 ns is 10 steps, written as 9.
    QTest::newRow("sub count of unit 4")
        << quint32(0x002e) << 0 << "address 0x0000002c\ncurrent:00000009  register:00000109\n";
    QTest::newRow("unit mode mask, 16 bits")
        << quint32(0x0007) << 0 << "address 0x00000006\ncurrent:0708  register:0709\n";
    QTest::newRow("pre-logic word")
        << quint32(0x2003) << 1 << "address 0x00002002\ncurrent:600  register:601\n";
    QTest::newRow("pre-logic word padded like a byte")
        << quint32(0x2001) << 1 << "address 0x00002000\ncurrent:00  register:01\n";
    QTest::newRow("feedback entry 5")
        << quint32(0x3005) << 3 << "address 0x00003005\ncurrent:01  register:00\n";
    QTest::newRow("measure counter entry")
        << quint32(0x3800) << 4 << "address 0x00003800\ncurrent:01  register:00\n";
}

void TestRegisterVerifier::reportsFirstDifference()
{
    QFETCH(quint32, address);
    QFETCH(int, area);
    QFETCH(QString, entry);
    QByteArray module = m_image;
    const int offset = ImageCapture::imageOffset(address);
    module[offset] = char(module.at(offset) ^ 0x01);
    // A later difference must never be reached.
    module[module.size() - 1] = char(module.at(module.size() - 1) ^ 0xff);
    QString text;
    QCOMPARE(verifyAll(m_image, module, text), area);
    QCOMPARE(text, entry);
}

void TestRegisterVerifier::ignoresReservedBytes()
{
    QByteArray module = m_image;
    for (int offset = 0x0064 - 4; offset < 0x0068 - 4; ++offset)
        module[offset] = char(0x5a);
    QString text;
    QCOMPARE(verifyAll(m_image, module, text), -1);
}

void TestRegisterVerifier::formatsEntriesByWidth_data()
{
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("entry");
    QTest::newRow("byte") << 2 << "address 0x00000010\ncurrent:0a  register:ff\n";
    QTest::newRow("short") << 4 << "address 0x00000010\ncurrent:000a  register:00ff\n";
    QTest::newRow("int") << 8 << "address 0x00000010\ncurrent:0000000a  register:000000ff\n";
}

void TestRegisterVerifier::formatsEntriesByWidth()
{
    QFETCH(int, digits);
    QFETCH(QString, entry);
    QCOMPARE(RegisterVerifier::mismatchEntry(0x10, 0x0a, 0xff, digits), entry);
}

void TestRegisterVerifier::refusesShortReadAndUnknownArea()
{
    RegisterVerifier verifier(m_image);
    QString text;
    QVERIFY_THROWS_EXCEPTION(OperationError, verifier.compareArea(0x2800, QByteArray(10, '\0'), text));
    QVERIFY_THROWS_EXCEPTION(OperationError, verifier.compareArea(0x1000, QByteArray(100, '\0'), text));
    QVERIFY(text.isEmpty());
}

KARIX_TEST(TestRegisterVerifier)
#include "tst_registerverifier.moc"
