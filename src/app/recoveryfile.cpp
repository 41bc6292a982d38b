// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recoveryfile.h"

#include "io/documentlimits.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace {

const char kSuffix[] = ".rcv";
// The file being written, renamed over the recovery file when complete.
const char kPartSuffix[] = ".part";
const char kAsideSuffix[] = ".damaged";
const quint32 kMagic = 0x4b525856; // "KRXV"
const quint16 kFormat = 1;
const QDataStream::Version kStreamVersion = QDataStream::Qt_6_4;
// A document within the limit, compressed, with its path and the framing.
const qint64 kMaxFileBytes = DocumentLimits::maxBytes + 64 * 1024;

QString lockPathOf(const QString &recoveryPath)
{
    return recoveryPath + QStringLiteral(".lock");
}

// The lock of a recovery file, held until dropped; null while a running
// program holds it (its document is open there).
std::unique_ptr<QLockFile> claim(const QString &recoveryPath)
{
    auto lock = std::make_unique<QLockFile>(lockPathOf(recoveryPath));
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

// The program writes only regular files here: a link, FIFO, socket or
// device was put there by someone else, and following or opening it could
// write elsewhere or block for good.
void removeForeignEntries(const QDir &dir)
{
    const QStringList names =
        dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat info;
        if (::lstat(path.constData(), &info) == 0 && !S_ISREG(info.st_mode)
            && !S_ISDIR(info.st_mode))
            ::unlink(path.constData());
    }
}

// A program that died while writing leaves its partial file behind.
void removeStalePartialFiles(const QDir &dir)
{
    const QString suffix = QLatin1String(kSuffix) + QLatin1String(kPartSuffix);
    const QStringList names = dir.entryList({QLatin1Char('*') + suffix}, QDir::Files);
    for (const QString &name : names) {
        const QString partial = dir.filePath(name);
        if (claim(partial.chopped(int(qstrlen(kPartSuffix)))))
            QFile::remove(partial);
    }
}

// The bytes of a regular file within kMaxFileBytes, never through a link and
// never waiting on a FIFO put in place after the clean-up.
bool readSmallRegularFile(const QString &path, QByteArray &bytes, QDateTime &modified)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    QFile file;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxFileBytes
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    bytes = file.read(kMaxFileBytes);
    modified = QDateTime::fromMSecsSinceEpoch(qint64(info.st_mtim.tv_sec) * 1000
                                              + info.st_mtim.tv_nsec / 1000000);
    return file.error() == QFileDevice::NoError;
}

// qUncompress() trusts the data: it grows its buffer for as long as the
// stream expands. Here neither the declared size nor the output may pass
// the limit.
QByteArray uncompressWithin(const QByteArray &compressed, qint64 limit)
{
    if (compressed.size() <= 4)
        return QByteArray();
    const quint32 declared = qFromBigEndian<quint32>(compressed.constData());
    if (declared == 0 || declared > limit)
        return QByteArray();
    QByteArray document(qsizetype(declared), Qt::Uninitialized);
    uLongf length = declared;
    const int result = ::uncompress(reinterpret_cast<Bytef *>(document.data()), &length,
                                    reinterpret_cast<const Bytef *>(compressed.constData()) + 4,
                                    uLong(compressed.size() - 4));
    return result == Z_OK && length == declared ? document : QByteArray();
}

} // namespace

bool RecoveryFile::LeftBehind::documentChangedSince() const
{
    const QFileInfo info(documentPath);
    return !documentPath.isEmpty() && info.exists() && info.lastModified() > written;
}

RecoveryFile::RecoveryFile()
    : m_instance(QUuid::createUuid().toString(QUuid::WithoutBraces)), m_key(keyFor(QString()))
{
}

RecoveryFile::~RecoveryFile() = default;

QString RecoveryFile::directory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/recovery");
}

QString RecoveryFile::keyFor(const QString &documentPath) const
{
    const QString document = documentPath.isEmpty()
        ? QStringLiteral("untitled")
        : QString::fromLatin1(
              QCryptographicHash::hash(documentPath.toUtf8(), QCryptographicHash::Sha1).toHex());
    return document + QLatin1Char('-') + m_instance;
}

QString RecoveryFile::path() const
{
    return directory() + QLatin1Char('/') + m_key + QLatin1String(kSuffix);
}

void RecoveryFile::setDocument(const QString &documentPath)
{
    remove();
    // As typed it would name another file once the working folder changes.
    m_documentPath = documentPath.isEmpty() ? QString() : QFileInfo(documentPath).absoluteFilePath();
    m_key = keyFor(m_documentPath);
}

bool RecoveryFile::fail(const QString &reason)
{
    m_error = reason;
    return false;
}

bool RecoveryFile::lock()
{
    if (m_lock)
        return true;
    if (!QDir().mkpath(directory()))
        return fail(tr("The folder cannot be created."));
    auto lock = std::make_unique<QLockFile>(lockPathOf(path()));
    if (!lock->tryLock(0))
        return fail(tr("%1 cannot be created.").arg(lockPathOf(path())));
    m_lock = std::move(lock);
    return true;
}

bool RecoveryFile::write(const QByteArray &document)
{
    if (!lock())
        return false;
    QByteArray content;
    QDataStream stream(&content, QIODevice::WriteOnly);
    stream.setVersion(kStreamVersion);
    stream << kMagic << kFormat << m_documentPath << qCompress(document);
    if (!writeFile(content)) {
        QFile::remove(path());
        return false;
    }
    m_error.clear();
    return true;
}

bool RecoveryFile::writeFile(const QByteArray &content)
{
    // Written beside and renamed over the old file, so that a program that
    // dies half-way leaves the previous state readable. Whatever is at the
    // partial name was left by a failed write or put there by someone else:
    // it goes, and the file is created new, never through a link. Not synced
    // to disk: this runs after every edit and must not wait for the disk.
    const QByteArray partial = QFile::encodeName(path() + QLatin1String(kPartSuffix));
    ::unlink(partial.constData());
    const int fd =
        ::open(partial.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return fail(qt_error_string(errno));
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        ::unlink(partial.constData());
        return fail(file.errorString());
    }
    const bool written = file.write(content) == content.size() && file.flush();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        ::unlink(partial.constData());
        return fail(file.errorString());
    }
    if (::rename(partial.constData(), QFile::encodeName(path()).constData()) != 0) {
        const int error = errno;
        ::unlink(partial.constData());
        return fail(qt_error_string(error));
    }
    return true;
}

void RecoveryFile::remove()
{
    if (!m_lock)
        return;
    QFile::remove(path());
    m_lock.reset();
}

QString RecoveryFile::setAside(const QString &path)
{
    const QString aside = path + QLatin1String(kAsideSuffix);
    return QFile::rename(path, aside) ? aside : path;
}

bool RecoveryFile::read(const QString &path, LeftBehind &found)
{
    QByteArray bytes;
    if (!readSmallRegularFile(path, bytes, found.written))
        return false;
    QDataStream stream(bytes);
    stream.setVersion(kStreamVersion);
    quint32 magic = 0;
    quint16 format = 0;
    QByteArray compressed;
    stream >> magic >> format >> found.documentPath >> compressed;
    if (stream.status() != QDataStream::Ok || magic != kMagic || format != kFormat)
        return false;
    found.document = uncompressWithin(compressed, DocumentLimits::maxBytes);
    found.path = path;
    return !found.document.isEmpty();
}

QList<RecoveryFile::LeftBehind> RecoveryFile::leftBehind()
{
    QList<LeftBehind> files;
    const QDir dir(directory());
    removeForeignEntries(dir);
    removeStalePartialFiles(dir);
    const QStringList names =
        dir.entryList({QStringLiteral("*") + QLatin1String(kSuffix)}, QDir::Files);
    for (const QString &name : names) {
        const QString path = dir.filePath(name);
        const std::unique_ptr<QLockFile> lock = claim(path);
        if (!lock)
            continue;
        LeftBehind found;
        if (read(path, found))
            files.append(found);
        else
            QFile::remove(path);
    }
    std::sort(files.begin(), files.end(), [](const LeftBehind &a, const LeftBehind &b) {
        return a.written > b.written;
    });
    return files;
}
