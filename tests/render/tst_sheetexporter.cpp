// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "io/designdocument.h"
#include "io/documentreader.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/sheet.h"
#include "model/sheetset.h"
#include "render/blocktext.h"
#include "render/sheetexporter.h"
#include "render/sheetpainter.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool loadExample(DesignDocument &document, const QString &name)
{
    QFile file(QStringLiteral(KARIX_SOURCE_DIR "/examples/") + name);
    return file.open(QIODevice::ReadOnly)
           && DocumentReader(document.context()).read(file.readAll()).ok;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSheetExporter : public QObject
{
    Q_OBJECT

private slots:
    // What a block shows under its name: the settings a user set in its dialog.
    void settingsLine_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one-shot") << "CntFnc" << "Mode=0 MainCnt=100nsec SubCnt=0" << "1-shot 100 ns";
        QTest::newRow("delayed one-shot") << "CntFnc" << "Mode=2 MainCnt=50nsec SubCnt=1usec"
                                          << "delayed 1-shot 50 ns / 1 us";
        QTest::newRow("step count") << "CntFnc" << "Mode=9 MainCnt=4 SubCnt=" << "oscillator 20 ns";
        QTest::newRow("not set yet") << "CntFnc" << "" << "";
        QTest::newRow("delay") << "DlyFnc" << "Delay=2.5us" << "2.5 us";
        QTest::newRow("delay steps") << "DlyFnc" << "Delay=7" << "35 ns";
        QTest::newRow("expression") << "PreLogic" << "_A  and _B" << "_A and _B";
        QTest::newRow("measure counter") << "MsrCnt0" << "Mode=5 Unit=usec FileSave=0 PATH="
                                         << "true time, while true";
        QTest::newRow("pass-through") << "NonFnc" << "" << "";
    }

    void settingsLine()
    {
        QFETCH(QString, term);
        QFETCH(QString, property);
        QFETCH(QString, shown);
        DesignDocument document;
        BlockItem *block = document.model().createBlock(term, 0, 0, QString(), &document.resources());
        QVERIFY(block);
        QVERIFY(property.isEmpty() || block->setProperty(property));
        QCOMPARE(BlockText::settings(*block), shown);
        QCOMPARE(BlockText::lacksExpression(*block), term.contains("Logic") && property.isEmpty());
    }

    // A reference shows what the user named the label, not "Label0".
    void referencesShowTheUserName()
    {
        DesignDocument document;
        QVERIFY(loadExample(document, QStringLiteral("multisheet.krx")));
        QStringList shown;
        for (const BlockItem *block : document.sheets().sheet(1)->blocks()) {
            if (block->kind() == BlockKind::PreLabelReference || block->kind() == BlockKind::FeedBackReference)
                shown << BlockText::caption(*block, &document.model());
        }
        QCOMPARE(shown, QStringList({"Any hit", "Echo"}));
    }

    void exportFormats_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QList<int>>("sheets");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("pdf, all sheets") << "pdf" << QList<int>{0, 1} << QStringList{"out.pdf"};
        QTest::newRow("svg, one sheet") << "svg" << QList<int>{1} << QStringList{"out.svg"};
        QTest::newRow("png, all sheets") << "png" << QList<int>{0, 1}
                                         << QStringList{"out-1.png", "out-2.png"};
    }

    void exportFormats()
    {
        QFETCH(QString, format);
        QFETCH(QList<int>, sheets);
        QFETCH(QStringList, files);
        DesignDocument document;
        QVERIFY(loadExample(document, QStringLiteral("multisheet.krx")));
        QTemporaryDir dir;
        const SheetExporter::Result result =
            SheetExporter(document, QStringLiteral("multisheet.krx"))
                .write(*SheetExporter::formatNamed(format), sheets, dir.filePath("out." + format));
        QCOMPARE(result.error, QString());
        QStringList written;
        for (const QString &file : result.files)
            written << QFileInfo(file).fileName();
        QCOMPARE(written, files);
        const QByteArray first = contents(result.files.first());
        if (format == QLatin1String("pdf")) {
            // One page object per sheet.
            QCOMPARE(QString::fromLatin1(first).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b(?!s)"))),
                     int(sheets.size()));
        } else if (format == QLatin1String("svg")) {
            // Names stay text, the user's names of references included.
            for (const char *name : {"Window", "Accepted", "Any hit", "delayed 1-shot"})
                QVERIFY2(first.contains(name), name);
        } else {
            QCOMPARE(QImage(result.files.last()).size(), SheetPainter::sheetSize());
        }
    }
};

KARIX_TEST(TestSheetExporter)

#include "tst_sheetexporter.moc"
