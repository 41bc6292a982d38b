// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "designmaker.h"
#include "documenttext.h"

#include "io/designdocument.h"
#include "io/documentreader.h"
#include "io/documentwriter.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

class DocumentWriterTest : public QObject
{
    Q_OBJECT

private:
    static QByteArray fileBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

    static QString writeOldFile(const QString &path)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("old contents\n");
        return path;
    }

private slots:
    void emptyDesignIsFiveLines()
    {
        DesignDocument document;
        document.settings().address = QStringLiteral("127.0.0.1");
        document.settings().timeout = 3;
        document.settings().autoConnect = false;
        const QByteArray expected =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<KaRiX addr=\"127.0.0.1\" tcpPort=\"24\" udpPort=\"4660\" Timeout=\"3\" autoConnect=\"false\">\n"
            "    <tab id=\"0\" name=\"Sheet1\">\n"
            "    </tab>\n"
            "</KaRiX>\n";
        QCOMPARE(DocumentWriter(document.context()).toBytes(), expected);
    }

    void entriesAreWrittenColumnByColumnInRowOrder()
    {
        DesignDocument document;
        DesignMaker maker(document);
        BlockItem *output = maker.add(0, QStringLiteral("NIM-OUT"));
        BlockItem *post = maker.add(0, QStringLiteral("PostLogic"), QString(), QString(), QString(), 3);
        maker.add(0, QStringLiteral("PostLogic"), QString(), QString(), QString(), 1);
        BlockItem *input = maker.add(0, QStringLiteral("Input"));
        maker.connect(output, 0, post);
        const QString text = QString::fromUtf8(DocumentWriter(document.context()).toBytes());
        const qsizetype inputAt = text.indexOf(QStringLiteral("<name>%1</name>").arg(input->name()));
        const qsizetype row1At = text.indexOf(QStringLiteral("<id>1</id>"));
        const qsizetype row3At = text.indexOf(QStringLiteral("<id>3</id>"));
        const qsizetype outputAt = text.indexOf(QStringLiteral("<entry term=\"NIM-OUT0\">"));
        QVERIFY(inputAt > 0);
        QVERIFY(inputAt < row1At && row1At < row3At && row3At < outputAt);
        QVERIFY(text.contains(QStringLiteral("            <net port=\"0\">PstLgc0</net>\n")));
        QVERIFY(!text.contains(QLatin1Char('\r')));
    }

    void reservedCharactersAreEscaped()
    {
        DesignDocument document;
        document.settings().address = QStringLiteral("127.0.0.1");
        DesignMaker maker(document);
        maker.setCaption(0, QStringLiteral("a\"b<c>&d"));
        maker.add(0, QStringLiteral("PreLogic"), QString(), QStringLiteral("x < y & \"z\""),
                  QStringLiteral("_A and _B"));
        const QByteArray bytes = DocumentWriter(document.context()).toBytes();
        QVERIFY(bytes.contains("<tab id=\"0\" name=\"a&quot;b&lt;c&gt;&amp;d\">"));
        QVERIFY(bytes.contains("<userName>x &lt; y &amp; &quot;z&quot;</userName>"));

        DesignDocument reread;
        QVERIFY(DocumentText::load(reread, bytes).ok);
        QCOMPARE(reread.sheets().sheet(0)->caption(), QStringLiteral("a\"b<c>&d"));
        QCOMPARE(reread.model().findBlock(QStringLiteral("PreLgc0"))->userName(),
                 QStringLiteral("x < y & \"z\""));
    }

    void roundTrip_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 40; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    // Written, read back and written again: the same bytes and the same design.
    void roundTrip()
    {
        QFETCH(quint32, seed);
        DesignDocument original;
        original.settings().address = QStringLiteral("127.0.0.1");
        DesignMaker::randomDesign(original, seed);
        const QByteArray first = DocumentWriter(original.context()).toBytes();

        DesignDocument reread;
        const ReadResult result = DocumentText::load(reread, first);
        QVERIFY2(result.ok, qPrintable(result.parseError));
        QVERIFY(result.settingsApplied);
        QVERIFY(result.messages.isEmpty());
        QCOMPARE(DocumentWriter(reread.context()).toBytes(), first);
        QCOMPARE(DesignMaker::describe(reread), DesignMaker::describe(original));
        QCOMPARE(reread.settings(), original.settings());
    }

    void saveReplacesTheFile()
    {
        QTemporaryDir dir;
        const QString path = writeOldFile(dir.filePath(QStringLiteral("design.krx")));
        DesignDocument document;
        document.settings().address = QStringLiteral("127.0.0.1");
        DesignMaker::randomDesign(document, 7);
        QCOMPARE(DocumentWriter(document.context()).save(path), QString());
        QCOMPARE(fileBytes(path), DocumentWriter(document.context()).toBytes());
    }

    // A save cut short (here: the file size limit, as on a full disk) keeps
    // the previous file as it was.
    void interruptedSaveKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString path = writeOldFile(dir.filePath(QStringLiteral("design.krx")));
        const QByteArray before = fileBytes(path);
        DesignDocument document;
        DesignMaker::randomDesign(document, 3);

        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limited = saved;
        limited.rlim_cur = 512;
        auto *previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limited);
        const QString error = DocumentWriter(document.context()).save(path);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(error.startsWith(QStringLiteral("Cannot write file %1:\n").arg(path)));
        QVERIFY(error.endsWith(QLatin1Char('.')));
        QCOMPARE(fileBytes(path), before);
    }

    void unwritableTargetKeepsOldFile_data()
    {
        QTest::addColumn<bool>("lockDirectory");
        QTest::newRow("read-only directory") << true;
        QTest::newRow("read-only file") << false;
    }

    void unwritableTargetKeepsOldFile()
    {
        QFETCH(bool, lockDirectory);
        if (geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        QTemporaryDir dir;
        const QString path = writeOldFile(dir.filePath(QStringLiteral("design.krx")));
        const QByteArray before = fileBytes(path);
        const QString locked = lockDirectory ? dir.path() : path;
        const QFile::Permissions permissions = QFile::permissions(locked);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);

        DesignDocument document;
        const QString error = DocumentWriter(document.context()).save(path);
        QFile::setPermissions(locked, permissions);
        QVERIFY(error.startsWith(QStringLiteral("Cannot write file ")));
        QCOMPARE(fileBytes(path), before);
    }
};

KARIX_TEST(DocumentWriterTest)
#include "tst_documentwriter.moc"
