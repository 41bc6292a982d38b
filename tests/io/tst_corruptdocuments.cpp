// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "consistencycheck.h"
#include "designmaker.h"
#include "documenttext.h"

#include "io/clipboardfragment.h"
#include "io/designdocument.h"
#include "io/documentreader.h"
#include "io/documentwriter.h"
#include "model/designmodel.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// Loads the bytes into a fresh design and pastes them onto it as well; the
// design must hold together whatever the outcome.
QString loadProblem(const QByteArray &bytes)
{
    DesignDocument document;
    const ReadResult result = DocumentReader(document.context()).read(bytes);
    if (!result.ok && result.parseError.isEmpty() && !result.noRoot)
        return QStringLiteral("failed without saying why");
    if (!result.parseError.isEmpty() && !result.parseError.startsWith(QStringLiteral("Parse error at line ")))
        return result.parseError;
    if (result.parseError.endsWith(QLatin1String("..")))
        return QStringLiteral("two periods: ") + result.parseError;
    QString problem = ConsistencyCheck::problem(document.context());
    if (!problem.isEmpty())
        return QStringLiteral("after load: ") + problem;
    ClipboardFragment::paste(document.context(), 0, QString::fromUtf8(bytes));
    problem = ConsistencyCheck::problem(document.context());
    return problem.isEmpty() ? problem : QStringLiteral("after paste: ") + problem;
}

QByteArray validDocument(quint32 seed)
{
    DesignDocument document;
    document.settings().address = QStringLiteral("127.0.0.1");
    DesignMaker::randomDesign(document, seed);
    return DocumentWriter(document.context()).toBytes();
}

} // namespace

class CorruptDocumentsTest : public QObject
{
    Q_OBJECT

private slots:
    void handWritten_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray valid = validDocument(11);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe\x89PNG\r\n\x1a\n", 12);
        QTest::newRow("invalid UTF-8")
            << QByteArray(valid).replace("<name>PreLgc0</name>", "<name>Pre\xc3\x28\xff</name>");
        QTest::newRow("deep nesting")
            << DocumentText::wrap(QString(QStringLiteral("<a>")).repeated(20000)
                                  + QString(QStringLiteral("</a>")).repeated(20000));
        QTest::newRow("deep entry nesting")
            << DocumentText::wrap(QString(QStringLiteral("<entry term=\"PreLogic\"><id>1</id>")).repeated(500)
                                  + QString(QStringLiteral("</entry>")).repeated(500));
        QTest::newRow("huge attribute")
            << DocumentText::wrap(QStringLiteral("<tab id=\"0\" name=\"%1\"/>")
                                      .arg(QString(2'000'000, QLatin1Char('x'))));
        QTest::newRow("huge name")
            << DocumentText::wrap(DocumentText::entry(QStringLiteral("PreLogic"),
                                                      QStringLiteral("<id>0</id><name>%1</name>")
                                                          .arg(QString(1'000'000, QLatin1Char('n')))));
        QTest::newRow("entity expansion")
            << QByteArray("<!DOCTYPE KaRiX [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaa\">"
                          "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                          "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                          "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>"
                          "<KaRiX><entry term=\"PreLogic\"><id>0</id><name>&d;</name></entry></KaRiX>");
        QTest::newRow("unknown entity") << DocumentText::wrap(QStringLiteral("<tab id=\"0\" name=\"&bogus;\"/>"));
        QTest::newRow("nets to missing and odd ports")
            << DocumentText::wrap(DocumentText::entry(
                   QStringLiteral("PreLogic"),
                   QStringLiteral("<id>0</id><name>P</name><net port=\"-4\">P</net>"
                                  "<net port=\"99999999999\">P</net><net port=\"0\">Nobody</net>")));
        QTest::newRow("driver named like itself")
            << DocumentText::wrap(DocumentText::entry(QStringLiteral("PreLogic"),
                                                      QStringLiteral("<id>0</id><name>P</name><net port=\"0\">P</net>"))
                                  + DocumentText::entry(QStringLiteral("PreLogic"),
                                                        QStringLiteral("<id>1</id><name>P</name><net port=\"0\">P</net>")));
        QTest::newRow("duplicate ids and resource names")
            << DocumentText::wrap(QString(DocumentText::entry(QStringLiteral("MsrCnt0"),
                                                              QStringLiteral("<id>0</id><name>MsrCnt0</name>")))
                                      .repeated(30));
        QTest::newRow("entry outside any root")
            << QByteArray("<entry term=\"PreLogic\"><id>0</id><name>P</name></entry>");
        QTest::newRow("truncated") << valid.left(valid.size() / 2);
    }

    void handWritten()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(loadProblem(bytes), QString());
    }

    // Valid documents cut short or with bytes changed, generated
    // deterministically so that a failure can be reproduced.
    void mutatedDocuments()
    {
        QRandomGenerator random(20261208);
        const QByteArray documents[] = {validDocument(2), validDocument(5), validDocument(9)};
        int loads = 0;
        for (const QByteArray &document : documents) {
            for (int i = 0; i < 60; ++i, ++loads) {
                const QByteArray truncated = document.left(random.bounded(int(document.size())));
                QByteArray flipped = document;
                for (int flips = 1 + random.bounded(4); flips > 0; --flips)
                    flipped[random.bounded(int(flipped.size()))] = char(random.bounded(256));
                QByteArray spliced = document;
                spliced.insert(random.bounded(int(document.size())),
                               document.mid(random.bounded(int(document.size())), random.bounded(200)));
                for (const QByteArray &bytes : {truncated, flipped, spliced}) {
                    const QString problem = loadProblem(bytes);
                    if (!problem.isEmpty())
                        QFAIL(qPrintable(QStringLiteral("%1\n--- input:\n%2")
                                             .arg(problem, QString::fromUtf8(bytes))));
                }
            }
        }
        QCOMPARE(loads, 180);
    }
};

KARIX_TEST(CorruptDocumentsTest)
#include "tst_corruptdocuments.moc"
