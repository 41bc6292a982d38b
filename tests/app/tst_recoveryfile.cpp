// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recoveryfile.h"
#include "common/testrunner.h"
#include "windowhelpers.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void writeFile(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("half");
}

bool isRegularFile(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// A recovery file as another program might have left it.
void writeRecord(const QString &path, const QByteArray &compressed, qint64 size)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_6_4);
    stream << quint32(0x4b525856) << quint16(1) << QString() << compressed;
    QVERIFY(file.resize(qMax(size, file.pos())));
}

} // namespace

class TestRecoveryFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { WindowHelpers::isolatePaths(); }
    void cleanupTestCase() { WindowHelpers::isolatePaths(); }

    // The partial file of a running program is its write in progress.
    void scanRemovesOnlyPartialFilesOfEndedPrograms()
    {
        RecoveryFile running;
        QVERIFY(running.write("design"));
        const QString runningPart = running.path() + QStringLiteral(".part");
        writeFile(runningPart);
        const QString diedPart = RecoveryFile::directory() + QStringLiteral("/died.rcv.part");
        writeFile(diedPart);
        QVERIFY(RecoveryFile::leftBehind().isEmpty());
        QVERIFY(!QFile::exists(diedPart));
        QVERIFY(QFile::exists(runningPart));
        QVERIFY(QFile::exists(running.path()));
    }

    void writeFollowsNothingItFinds_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("link to a file") << "link";
        QTest::newRow("dangling link") << "dangling";
        QTest::newRow("FIFO") << "fifo";
    }

    // Whatever waits at the partial file's name, the write makes its own file.
    void writeFollowsNothingItFinds()
    {
        QFETCH(QString, kind);
        RecoveryFile running;
        QVERIFY(running.write("first"));
        QTemporaryDir outside;
        const QString target = outside.filePath(QStringLiteral("target"));
        const QByteArray planted = QFile::encodeName(running.path() + QStringLiteral(".part"));
        if (kind == "link")
            writeFile(target);
        if (kind == "fifo")
            QCOMPARE(::mkfifo(planted.constData(), 0600), 0);
        else
            QCOMPARE(::symlink(QFile::encodeName(target).constData(), planted.constData()), 0);
        QVERIFY(running.write("second"));
        QVERIFY(isRegularFile(running.path()));
        QCOMPARE(QFile::exists(target), kind == "link");
        if (kind == "link") {
            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("half"));
        }
    }

    void scanRemovesLinksAndFifos()
    {
        QVERIFY(QDir().mkpath(RecoveryFile::directory()));
        QTemporaryDir outside;
        const QByteArray fifo = QFile::encodeName(outside.filePath(QStringLiteral("fifo")));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        const QDir dir(RecoveryFile::directory());
        for (const char *name : {"link.rcv", "link.rcv.part", "link.rcv.lock"})
            QCOMPARE(::symlink(fifo.constData(), QFile::encodeName(dir.filePath(name)).constData()), 0);
        for (const char *name : {"fifo.rcv", "fifo.rcv.part", "fifo.rcv.lock"})
            QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(name)).constData(), 0600), 0);
        QVERIFY(RecoveryFile::leftBehind().isEmpty());
        QCOMPARE(dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), QStringList());
    }

    void scanRefusesOversizedFiles_data()
    {
        QTest::addColumn<qint64>("declared");
        QTest::addColumn<qint64>("fileSize");
        const qint64 sixteenMegabytes = 16 << 20;
        QTest::newRow("sparse 3 GB file") << qint64(-1) << (qint64(3) << 30);
        QTest::newRow("declares 16 MB") << sixteenMegabytes << qint64(0);
        QTest::newRow("declares 1 kB, holds 16 MB") << qint64(1024) << qint64(0);
    }

    void scanRefusesOversizedFiles()
    {
        QFETCH(qint64, declared);
        QFETCH(qint64, fileSize);
        QByteArray compressed = qCompress(QByteArray(declared < 0 ? 100 : 16 << 20, '<'));
        if (declared > 0)
            qToBigEndian(quint32(declared), compressed.data());
        QVERIFY(QDir().mkpath(RecoveryFile::directory()));
        const QString path = RecoveryFile::directory() + QStringLiteral("/planted.rcv");
        writeRecord(path, compressed, fileSize);
        QVERIFY(RecoveryFile::leftBehind().isEmpty());
        QVERIFY(!QFile::exists(path));
    }
};

KARIX_TEST(TestRecoveryFile)
#include "tst_recoveryfile.moc"
