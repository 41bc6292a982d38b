// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "consistencycheck.h"
#include "designmaker.h"

#include "io/designdocument.h"
#include "io/documentreader.h"
#include "io/documentwriter.h"
#include "model/blockitem.h"

#include <QFile>
#include <QTest>
#include <functional>

// The documents in examples/ are built here. Set KARIX_WRITE_EXAMPLES=1 to
// write them again after a deliberate change of the format or of a design.
namespace {

using Builder = std::function<void(DesignMaker &)>;

void coincidence(DesignMaker &maker)
{
    maker.setCaption(0, QStringLiteral("Coincidence"));
    BlockItem *a = maker.add(0, QStringLiteral("Input"), QStringLiteral("NIM-IN-S0"), QStringLiteral("Detector A"));
    BlockItem *b = maker.add(0, QStringLiteral("Input"), QStringLiteral("NIM-IN-S1"), QStringLiteral("Detector B"));
    BlockItem *veto = maker.add(0, QStringLiteral("Input"), QStringLiteral("NIM-IN-S2"), QStringLiteral("Veto"));
    BlockItem *both = maker.add(0, QStringLiteral("PreLogic"), QStringLiteral("PreLgc0"),
                                QStringLiteral("A and B"), QStringLiteral("_A and _B and not _C"));
    maker.connect(both, 0, a);
    maker.connect(both, 1, b);
    maker.connect(both, 2, veto);
    BlockItem *gate = maker.add(0, QStringLiteral("CntFnc"), QStringLiteral("CntFnc0"),
                                QStringLiteral("Gate"), QStringLiteral("Mode=0 MainCnt=200nsec SubCnt=50nsec"));
    maker.connect(gate, 0, both);
    BlockItem *out = maker.add(0, QStringLiteral("PostLogic"), QStringLiteral("PstLgc0"),
                               QStringLiteral("Trigger"), QStringLiteral("_A"));
    maker.connect(out, 0, gate);
    maker.connect(maker.add(0, QStringLiteral("NIM-OUT")), 0, out);
    BlockItem *counter = maker.add(0, QStringLiteral("MsrCnt"), QString(), QStringLiteral("Coincidences"),
                                   QStringLiteral("Mode=8 FileSave=false PATH=/tmp"));
    maker.connect(counter, 1, out);
}

void prescaler(DesignMaker &maker)
{
    maker.setCaption(0, QStringLiteral("Prescaler"));
    BlockItem *clock = maker.add(0, QStringLiteral("Input"), QStringLiteral("NIM-IN-S0"), QStringLiteral("Clock in"));
    BlockItem *pass = maker.add(0, QStringLiteral("PreLogic"), QStringLiteral("PreLgc0"), QString(), QStringLiteral("_A"));
    maker.connect(pass, 0, clock);
    BlockItem *divider = maker.add(0, QStringLiteral("CntFnc"), QStringLiteral("CntFnc0"), QStringLiteral("Divider"),
                                   QStringLiteral("Mode=1 MainCnt=1usec SubCnt=5nsec"));
    maker.connect(divider, 0, pass);
    BlockItem *deadTime = maker.add(0, QStringLiteral("CntFnc"), QStringLiteral("CntFnc1"), QStringLiteral("Dead time"),
                                    QStringLiteral("Mode=0 MainCnt=100nsec SubCnt=10usec"));
    maker.connect(deadTime, 0, pass);
    BlockItem *oscillator = maker.add(0, QStringLiteral("CntFnc"), QStringLiteral("CntFnc2"),
                                      QStringLiteral("Pulser 1 kHz"),
                                      QStringLiteral("Mode=9 MainCnt=500usec SubCnt=500usec Disp=DutyKHz"));
    BlockItem *delay = maker.add(0, QStringLiteral("DlyFnc"), QStringLiteral("DlyFnc0"), QString(),
                                 QStringLiteral("Delay=0.5us"));
    maker.connect(delay, 0, pass);
    BlockItem *prescaled = maker.add(0, QStringLiteral("PostLogic"), QStringLiteral("PstLgc0"),
                                     QStringLiteral("Prescaled"), QStringLiteral("_A and not _B"));
    maker.connect(prescaled, 0, divider);
    maker.connect(prescaled, 1, deadTime);
    BlockItem *pulser = maker.add(0, QStringLiteral("PostLogic"), QStringLiteral("PstLgc1"),
                                  QStringLiteral("Pulser or delayed clock"), QStringLiteral("_A or _B"));
    maker.connect(pulser, 0, oscillator);
    maker.connect(pulser, 1, delay);
    maker.connect(maker.add(0, QStringLiteral("NIM-OUT")), 0, prescaled);
    maker.connect(maker.add(0, QStringLiteral("NIM-OUT")), 0, pulser);
}

void multisheet(DesignMaker &maker)
{
    maker.setCaption(0, QStringLiteral("Inputs"));
    BlockItem *s0 = maker.add(0, QStringLiteral("Input"), QStringLiteral("NIM-IN-S0"), QStringLiteral("Start"));
    BlockItem *s1 = maker.add(0, QStringLiteral("Input"), QStringLiteral("NIM-IN-S1"), QStringLiteral("Stop"));
    BlockItem *any = maker.add(0, QStringLiteral("PreLogic"), QStringLiteral("PreLgc0"), QString(),
                               QStringLiteral("_A or _B"));
    maker.connect(any, 0, s0);
    maker.connect(any, 1, s1);
    BlockItem *toNextSheet = maker.add(0, QStringLiteral("PreLabel"), QStringLiteral("Label0"), QStringLiteral("Any hit"));
    maker.connect(toNextSheet, 0, any);
    BlockItem *width = maker.add(0, QStringLiteral("CntFnc"), QStringLiteral("CntFnc0"), QString(),
                                 QStringLiteral("Mode=0 MainCnt=50nsec SubCnt=5nsec"));
    maker.connect(width, 0, any);
    BlockItem *shaped = maker.add(0, QStringLiteral("PostLogic"), QStringLiteral("PstLgc0"), QString(), QStringLiteral("_A"));
    maker.connect(shaped, 0, width);
    BlockItem *functionLabel = maker.add(0, QStringLiteral("Label"), QStringLiteral("Label1"), QStringLiteral("Shaped"));
    maker.connect(functionLabel, 0, width);
    BlockItem *feedback = maker.add(0, QStringLiteral("FeedBack"), QStringLiteral("FeedBack0"), QStringLiteral("Echo"));
    maker.connect(feedback, 0, shaped);

    maker.setCaption(1, QStringLiteral("Processing"));
    BlockItem *anyHit = maker.add(1, QStringLiteral("PreLabel0"), QStringLiteral("Label0"));
    BlockItem *echo = maker.add(1, QStringLiteral("FeedBack0"), QStringLiteral("FeedBack0"));
    BlockItem *delayed = maker.add(1, QStringLiteral("DlyFnc"), QStringLiteral("DlyFnc0"), QStringLiteral("Echo delayed"),
                                   QStringLiteral("Delay=100ns"));
    maker.connect(delayed, 0, echo);
    BlockItem *window = maker.add(1, QStringLiteral("CntFnc"), QStringLiteral("CntFnc1"), QStringLiteral("Window"),
                                  QStringLiteral("Mode=2 MainCnt=1usec SubCnt=100nsec"));
    maker.connect(window, 0, anyHit);
    BlockItem *shapedHere = maker.add(1, QStringLiteral("Label1"), QStringLiteral("Label1"));
    BlockItem *result = maker.add(1, QStringLiteral("PostLogic"), QStringLiteral("PstLgc1"), QStringLiteral("Accepted"),
                                  QStringLiteral("( _A and _B ) or _C"));
    maker.connect(result, 0, delayed);
    maker.connect(result, 1, window);
    maker.connect(result, 2, shapedHere);
    maker.connect(maker.add(1, QStringLiteral("NIM-OUT")), 0, result);
}

void counters(DesignMaker &maker)
{
    maker.setCaption(0, QStringLiteral("Counters"));
    const QStringList signalNames = {QStringLiteral("Beam"), QStringLiteral("Detector"), QStringLiteral("Gate in")};
    QList<BlockItem *> posts;
    for (int i = 0; i < signalNames.size(); ++i) {
        BlockItem *input = maker.add(0, QStringLiteral("Input"), QStringLiteral("NIM-IN-S%1").arg(i), signalNames.at(i));
        BlockItem *pre = maker.add(0, QStringLiteral("PreLogic"), QStringLiteral("PreLgc%1").arg(i), QString(), QStringLiteral("_A"));
        maker.connect(pre, 0, input);
        BlockItem *through = maker.add(0, QStringLiteral("NonFnc"), QStringLiteral("NonFnc%1").arg(i));
        maker.connect(through, 0, pre);
        BlockItem *post = maker.add(0, QStringLiteral("PostLogic"), QStringLiteral("PstLgc%1").arg(i), QString(), QStringLiteral("_A"));
        maker.connect(post, 0, through);
        posts.append(post);
    }
    maker.add(0, QStringLiteral("MsrCnt"), QString(), QStringLiteral("Run time"),
              QStringLiteral("Mode=0 Unit=sec FileSave=true PATH=/tmp"));
    BlockItem *beamTime = maker.add(0, QStringLiteral("MsrCnt"), QString(), QStringLiteral("Beam on"),
                                    QStringLiteral("Mode=5 Unit=usec FileSave=false PATH=/tmp"));
    maker.connect(beamTime, 0, posts.at(2));
    maker.connect(beamTime, 1, posts.at(0));
    BlockItem *hits = maker.add(0, QStringLiteral("MsrCnt"), QString(), QStringLiteral("Hits"),
                                QStringLiteral("Mode=8 FileSave=true PATH=/tmp"));
    maker.connect(hits, 1, posts.at(1));
    BlockItem *changes = maker.add(0, QStringLiteral("MsrCnt"), QString(), QStringLiteral("Changes"),
                                   QStringLiteral("Mode=14 FileSave=false PATH=/tmp"));
    maker.connect(changes, 0, posts.at(2));
    maker.connect(changes, 1, posts.at(1));
}

QByteArray build(const Builder &builder, bool autoConnect)
{
    DesignDocument document;
    ConnectionSettings &settings = document.settings();
    settings.address = QStringLiteral("127.0.0.1");
    settings.autoConnect = autoConnect;
    DesignMaker maker(document);
    builder(maker);
    return DocumentWriter(document.context()).toBytes();
}

QString examplePath(const QString &name)
{
    return QStringLiteral(KARIX_SOURCE_DIR "/examples/%1.krx").arg(name);
}

} // namespace

class ExampleDocumentsTest : public QObject
{
    Q_OBJECT

private slots:
    void examples_data()
    {
        QTest::addColumn<QByteArray>("generated");
        QTest::newRow("coincidence") << build(coincidence, true);
        QTest::newRow("prescaler") << build(prescaler, false);
        QTest::newRow("multisheet") << build(multisheet, true);
        QTest::newRow("counters") << build(counters, true);
    }

    // The committed example is what the generator writes, and it loads
    // into a consistent design that writes back unchanged.
    void examples()
    {
        QFETCH(QByteArray, generated);
        const QString path = examplePath(QString::fromLatin1(QTest::currentDataTag()));
        if (qEnvironmentVariableIntValue("KARIX_WRITE_EXAMPLES")) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(generated);
        }
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray stored = file.readAll();
        QCOMPARE(stored, generated);

        DesignDocument document;
        const ReadResult result = DocumentReader(document.context()).read(stored);
        QVERIFY(result.ok);
        QVERIFY(result.settingsApplied);
        QCOMPARE(result.repairs, QStringList());
        QCOMPARE(document.settings().address, QStringLiteral("127.0.0.1"));
        QCOMPARE(ConsistencyCheck::problem(document.context()), QString());
        QCOMPARE(DocumentWriter(document.context()).toBytes(), stored);
    }
};

KARIX_TEST(ExampleDocumentsTest)
#include "tst_exampledocuments.moc"
