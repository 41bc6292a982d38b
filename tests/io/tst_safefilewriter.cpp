// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/filesizelimit.h"
#include "common/testrunner.h"

#include "io/safefilewriter.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// The file type bits of the path, 0 when it does not exist.
mode_t typeOf(const QString &path)
{
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_mode & S_IFMT;
}

// Nodes are made only in the scratch folder: the real /dev is never touched.
bool makeNode(const QString &path, mode_t type, int minor)
{
    const QByteArray name = QFile::encodeName(path);
    if (type == S_IFIFO)
        return ::mkfifo(name.constData(), 0600) == 0;
    return ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, unsigned(minor))) == 0;
}

QByteArray readAvailable(int fd)
{
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, got);
    return bytes;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class SafeFileWriterTest : public QObject
{
    Q_OBJECT

private slots:
    void keepsWhatIsNotARegularFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<int>("typeAfter");
        QTest::newRow("new name") << "new" << true << int(S_IFREG);
        QTest::newRow("regular file") << "regular" << true << int(S_IFREG);
        QTest::newRow("FIFO") << "fifo" << true << int(S_IFIFO);
        QTest::newRow("null device") << "null" << true << int(S_IFCHR);
        QTest::newRow("full device") << "full" << false << int(S_IFCHR);
    }

    void keepsWhatIsNotARegularFile()
    {
        QFETCH(QString, kind);
        QFETCH(bool, saved);
        QFETCH(int, typeAfter);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(kind);
        // Less than a FIFO buffer holds: the reader drains it afterwards.
        const QByteArray bytes(10000, 'k');
        if (kind == QLatin1String("regular")) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old contents") > 0);
        } else if (kind == QLatin1String("fifo")) {
            QVERIFY(makeNode(path, S_IFIFO, 0));
        } else if (kind != QLatin1String("new")
                   && !makeNode(path, S_IFCHR, kind == QLatin1String("null") ? 3 : 7)) {
            QSKIP("mknod is not permitted here: device nodes cannot be made");
        }
        // Open before the save, so that opening it for writing never blocks.
        int fifoReader = -1;
        const auto closeReader = qScopeGuard([&fifoReader] {
            if (fifoReader >= 0)
                ::close(fifoReader);
        });
        if (kind == QLatin1String("fifo")) {
            fifoReader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
            QVERIFY(fifoReader >= 0);
        }

        const QString problem = SafeFileWriter::save(path, bytes);
        QCOMPARE(problem.isEmpty(), saved);
        QCOMPARE(int(typeOf(path)), typeAfter);
        if (fifoReader >= 0)
            QCOMPARE(readAvailable(fifoReader), bytes);
        else if (typeAfter == S_IFREG)
            QCOMPARE(readAll(path), bytes);
    }

    // Another user's file saved by root stays that user's, with its mode;
    // with a second link it stays one file, and a full disk leaves it whole.
    void keepsOwnerAndLinks_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("one link") << false << false;
        QTest::newRow("two links") << true << false;
        QTest::newRow("two links, disk full") << true << true;
    }

    void keepsOwnerAndLinks()
    {
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another user");
        QFETCH(bool, linked);
        QFETCH(bool, diskFull);
        const uid_t nobody = 65534;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("d.krx"));
        const QString link = dir.filePath(QStringLiteral("link.krx"));
        const QByteArray name = QFile::encodeName(path);
        QCOMPARE(SafeFileWriter::save(path, "old"), QString());
        QVERIFY(::chown(name.constData(), nobody, nobody) == 0 && ::chmod(name.constData(), 0640) == 0);
        if (linked)
            QCOMPARE(::link(name.constData(), QFile::encodeName(link).constData()), 0);
        std::optional<FileSizeLimit> full;
        if (diskFull)
            full.emplace(3);
        QString notice;
        const QString problem = SafeFileWriter::save(path, QByteArray(10000, 'n'), &notice);
        full.reset();
        QCOMPARE(problem.isEmpty(), !diskFull);
        QCOMPARE(notice, QString());
        struct stat info;
        QCOMPARE(::stat(name.constData(), &info), 0);
        QCOMPARE(info.st_uid, nobody);
        QCOMPARE(info.st_gid, gid_t(nobody));
        QCOMPARE(info.st_mode & 07777, mode_t(0640));
        QCOMPARE(info.st_nlink, nlink_t(linked ? 2 : 1));
        const QByteArray expected = diskFull ? QByteArray("old") : QByteArray(10000, 'n');
        QCOMPARE(readAll(path), expected);
        if (linked)
            QCOMPARE(readAll(link), expected);
    }
};

KARIX_TEST(SafeFileWriterTest)
#include "tst_safefilewriter.moc"
