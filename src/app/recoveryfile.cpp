#include "app/recoveryfile.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>
#include <cstdio>

namespace {

const char kSuffix[] = ".rcv";
// The file being written, renamed over the recovery file when complete.
const char kPartSuffix[] = ".part";
const quint32 kMagic = 0x4b525856; // "KRXV"
const quint16 kFormat = 1;
const QDataStream::Version kStreamVersion = QDataStream::Qt_6_4;

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

} // namespace

bool RecoveryFile::LeftBehind::isNewerThanDocument() const
{
    const QFileInfo info(documentPath);
    return documentPath.isEmpty() || !info.exists() || info.lastModified() < written;
}

RecoveryFile::RecoveryFile() : m_key(keyFor(QString()))
{
}

RecoveryFile::~RecoveryFile() = default;

QString RecoveryFile::directory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/recovery");
}

QString RecoveryFile::keyFor(const QString &documentPath)
{
    if (documentPath.isEmpty())
        return QStringLiteral("untitled-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QByteArray path = QFileInfo(documentPath).absoluteFilePath().toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex());
}

QString RecoveryFile::path() const
{
    return directory() + QLatin1Char('/') + m_key + QLatin1String(kSuffix);
}

void RecoveryFile::setDocument(const QString &documentPath)
{
    remove();
    m_documentPath = documentPath;
    m_key = keyFor(documentPath);
}

bool RecoveryFile::write(const QByteArray &document)
{
    if (!m_lock) {
        if (!QDir().mkpath(directory()))
            return false;
        auto lock = std::make_unique<QLockFile>(lockPathOf(path()));
        // Another instance editing the same document keeps its own file.
        if (!lock->tryLock(0))
            return false;
        m_lock = std::move(lock);
        keepLeftBehind();
    }
    // Written beside and renamed over the old file, so that a program that
    // dies half-way leaves the previous state readable. Not synced to disk:
    // this runs after every edit and must not wait for the disk.
    const QString partial = path() + QLatin1String(kPartSuffix);
    QFile file(partial);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QDataStream stream(&file);
    stream.setVersion(kStreamVersion);
    stream << kMagic << kFormat << m_documentPath << qCompress(document);
    file.close();
    return stream.status() == QDataStream::Ok && file.error() == QFile::NoError
           && std::rename(QFile::encodeName(partial).constData(),
                          QFile::encodeName(path()).constData())
                  == 0;
}

void RecoveryFile::keepLeftBehind() const
{
    // A file of this document left by a program that died is still to be
    // offered; it moves aside instead of being overwritten.
    if (QFile::exists(path()))
        QFile::rename(path(), directory() + QLatin1Char('/') + keyFor(QString())
                                  + QLatin1String(kSuffix));
}

void RecoveryFile::remove()
{
    if (!m_lock)
        return;
    QFile::remove(path());
    m_lock.reset();
}

bool RecoveryFile::read(const QString &path, LeftBehind &found)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QDataStream stream(&file);
    stream.setVersion(kStreamVersion);
    quint32 magic = 0;
    quint16 format = 0;
    QByteArray compressed;
    stream >> magic >> format >> found.documentPath >> compressed;
    if (stream.status() != QDataStream::Ok || magic != kMagic || format != kFormat)
        return false;
    found.document = qUncompress(compressed);
    found.path = path;
    found.written = QFileInfo(file).lastModified();
    return !found.document.isEmpty();
}

QList<RecoveryFile::LeftBehind> RecoveryFile::leftBehind()
{
    QList<LeftBehind> files;
    const QDir dir(directory());
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
