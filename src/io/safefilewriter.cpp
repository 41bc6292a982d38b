// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/safefilewriter.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

bool inOwnGroups(gid_t group)
{
    if (group == ::getegid())
        return true;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(size_t(std::max(count, 0)));
    return count > 0 && ::getgroups(count, groups.data()) == count
           && std::find(groups.begin(), groups.end(), group) != groups.end();
}

// Whether a new file of this process may be given the owner and group of
// the file it replaces.
bool mayKeepOwner(const struct stat &info)
{
    return ::geteuid() == 0 || (info.st_uid == ::geteuid() && inOwnGroups(info.st_gid));
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done),
                                         off_t(done));
        if (written < 0 && errno != EINTR)
            return false;
        done += std::max<ssize_t>(written, 0);
    }
    return true;
}

} // namespace

SafeFileWriter::SafeFileWriter(const QString &path, Mode mode) : m_path(path), m_mode(mode)
{
}

SafeFileWriter::~SafeFileWriter() = default;

bool SafeFileWriter::replacesAtomically(const QString &path)
{
    // stat() follows symbolic links: a link to a device is written through.
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT;
    return S_ISREG(info.st_mode);
}

SafeFileWriter::Strategy SafeFileWriter::strategyFor(const QString &path, Mode mode)
{
    if (mode == Mode::Append || !replacesAtomically(path))
        return Strategy::Stream;
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return Strategy::Atomic;
    // A new file would break the links or change the owner.
    return info.st_nlink > 1 || !mayKeepOwner(info) ? Strategy::InPlace : Strategy::Atomic;
}

bool SafeFileWriter::open()
{
    switch (strategyFor(m_path, m_mode)) {
    case Strategy::Atomic:
        m_atomic = std::make_unique<QSaveFile>(m_path);
        return m_atomic->open(QIODevice::WriteOnly) || fail(*m_atomic);
    case Strategy::InPlace:
        if (::access(QFile::encodeName(m_path).constData(), W_OK) != 0)
            return failWith(errno);
        m_inPlace = std::make_unique<QBuffer>();
        return m_inPlace->open(QIODevice::WriteOnly);
    case Strategy::Stream:
        break;
    }
    m_stream = std::make_unique<QFile>(m_path);
    const QIODevice::OpenMode openMode =
        m_mode == Mode::Append ? QIODevice::Append : QIODevice::WriteOnly;
    return m_stream->open(openMode) || fail(*m_stream);
}

QIODevice *SafeFileWriter::device() const
{
    if (m_atomic)
        return m_atomic.get();
    if (m_inPlace)
        return m_inPlace.get();
    return m_stream.get();
}

bool SafeFileWriter::flush()
{
    if (m_error != QFileDevice::NoError)
        return false;
    if (m_inPlace)
        return true;
    // QSaveFile::commit() does not report a failed flush of its buffer.
    QFileDevice *file = m_atomic ? static_cast<QFileDevice *>(m_atomic.get()) : m_stream.get();
    return (file->flush() && file->error() == QFileDevice::NoError) || fail(*file);
}

bool SafeFileWriter::commit()
{
    if (!flush())
        return false;
    if (m_inPlace)
        return commitInPlace();
    if (m_atomic) {
        keepOwner();
        return m_atomic->commit() || fail(*m_atomic);
    }
    m_stream->close();
    return m_stream->error() == QFileDevice::NoError || fail(*m_stream);
}

bool SafeFileWriter::fail(const QFileDevice &file)
{
    m_error = file.error() == QFileDevice::NoError ? QFileDevice::WriteError : file.error();
    m_errorString = file.errorString();
    return false;
}

bool SafeFileWriter::failWith(int error)
{
    m_error = QFileDevice::WriteError;
    m_errorString = qt_error_string(error);
    return false;
}

void SafeFileWriter::keepOwner()
{
    struct stat old;
    if (::stat(QFile::encodeName(m_path).constData(), &old) != 0)
        return;
    if (::fchown(m_atomic->handle(), old.st_uid, old.st_gid) != 0)
        m_notice = tr("%1 was saved, but its owner and group could not be kept.").arg(m_path);
}

bool SafeFileWriter::commitInPlace()
{
    const QByteArray &bytes = m_inPlace->data();
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return failWith(errno);
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    // Space first: a full disk fails here, before the first old byte changes.
    if (!bytes.isEmpty()) {
        const int reserved = ::posix_fallocate(fd, 0, off_t(bytes.size()));
        if (reserved != 0)
            return failWith(reserved);
    }
    if (!writeAll(fd, bytes) || ::ftruncate(fd, off_t(bytes.size())) != 0 || ::fsync(fd) != 0)
        return failWith(errno);
    return true;
}

QString SafeFileWriter::errorString() const
{
    return m_errorString;
}

QString SafeFileWriter::save(const QString &path, const QByteArray &bytes, QString *notice)
{
    SafeFileWriter writer(path);
    if (!writer.open())
        return writer.errorString();
    // Never committed after a short write: the old file stays as it was.
    if (writer.device()->write(bytes) != bytes.size()) {
        const QString reason = writer.device()->errorString();
        return reason.isEmpty() ? tr("Not all bytes could be written.") : reason;
    }
    if (!writer.commit())
        return writer.errorString();
    if (notice)
        *notice = writer.notice();
    return QString();
}
