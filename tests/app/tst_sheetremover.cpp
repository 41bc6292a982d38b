#include "app/sheetremover.h"
#include "common/testrunner.h"

#include <QTest>

namespace {

QByteArray document(const QList<QByteArray> &tabs)
{
    QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<KaRiX addr=\"a\">\n";
    for (int i = 0; i < tabs.size(); ++i) {
        text += "    <tab id=\"" + QByteArray::number(i) + "\" name=\"" + tabs.at(i) + "\">\n";
        text += "        <entry term=\"Input\">\n            <id>0</id>\n"
                "            <name>" + tabs.at(i) + "</name>\n        </entry>\n";
        text += "    </tab>\n";
    }
    return text + "</KaRiX>\n";
}

} // namespace

class TestSheetRemover : public QObject
{
    Q_OBJECT

private slots:
    void removesOneSheetAndRenumbers_data()
    {
        QTest::addColumn<QList<QByteArray>>("before");
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<QByteArray>>("after");
        QTest::newRow("first") << QList<QByteArray>{"A", "B", "C"} << 0 << QList<QByteArray>{"B", "C"};
        QTest::newRow("middle") << QList<QByteArray>{"A", "B", "C"} << 1 << QList<QByteArray>{"A", "C"};
        QTest::newRow("last") << QList<QByteArray>{"A", "B", "C"} << 2 << QList<QByteArray>{"A", "B"};
        QTest::newRow("absent index") << QList<QByteArray>{"A", "B"} << 5 << QList<QByteArray>{"A", "B"};
        QTest::newRow("caption looks like a tab") << QList<QByteArray>{"A", "&lt;tab id=&quot;0&quot;"}
                                                  << 0 << QList<QByteArray>{"&lt;tab id=&quot;0&quot;"};
    }

    void removesOneSheetAndRenumbers()
    {
        QFETCH(QList<QByteArray>, before);
        QFETCH(int, index);
        QFETCH(QList<QByteArray>, after);
        QCOMPARE(SheetRemover::removeSheet(document(before), index), document(after));
    }
};

KARIX_TEST(TestSheetRemover)
#include "tst_sheetremover.moc"
