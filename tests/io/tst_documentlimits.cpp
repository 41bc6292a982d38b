// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "documenttext.h"

#include "io/designdocument.h"
#include "io/documentlimits.h"
#include "io/documentreader.h"

#include <QTest>

namespace {

QString tabWithAttributes(int count)
{
    QString attributes;
    for (int i = 0; i < count; ++i)
        attributes += QStringLiteral(" a%1=\"\"").arg(i);
    return QStringLiteral("<tab id=\"0\" name=\"S\"%1/>\n").arg(attributes);
}

} // namespace

class DocumentLimitsTest : public QObject
{
    Q_OBJECT

private slots:
    void refusedBeforeParsing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message"); // empty: the document loads

        // The tab already has id and name: these reach the limit exactly.
        QTest::newRow("attributes at the limit")
            << DocumentText::wrap(tabWithAttributes(DocumentLimits::maxAttributes - 2)) << "";
        QTest::newRow("one attribute too many")
            << DocumentText::wrap(tabWithAttributes(DocumentLimits::maxAttributes - 1))
            << "The element at line 3 has more than 256 attributes.";
        QTest::newRow("element name too long")
            << DocumentText::wrap(QStringLiteral("<%1/>\n").arg(QString(1'000'000, QLatin1Char('n'))))
            << "The element name at line 3 is longer than 1024 characters.";
        const QString equals(5000, QLatin1Char('='));
        QTest::newRow("equals signs outside tags")
            << DocumentText::wrap(QStringLiteral("<!-- %1 -->\n<?pi %1 ?>\n<tab id=\"0\" name=\"%1\">"
                                                 "<![CDATA[%1]]>%1</tab>\n")
                                      .arg(equals))
            << "";
        QTest::newRow("larger than the cap")
            << DocumentText::wrap(QStringLiteral("<!-- %1 -->\n")
                                      .arg(QString(int(DocumentLimits::maxBytes), QLatin1Char('x'))))
            << "The document is larger than 8 MB, the most a design document may be.";
    }

    void refusedBeforeParsing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        DesignDocument document;
        const ReadResult result = DocumentText::load(document, bytes);
        QCOMPARE(result.parseError, message);
        QCOMPARE(result.ok, message.isEmpty());
    }
};

KARIX_TEST(DocumentLimitsTest)
#include "tst_documentlimits.moc"
