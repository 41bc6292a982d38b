#include "io/safefilewriter.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>

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

bool SafeFileWriter::open()
{
    if (m_mode == Mode::Replace && replacesAtomically(m_path)) {
        m_atomic = std::make_unique<QSaveFile>(m_path);
        return m_atomic->open(QIODevice::WriteOnly) || fail(*m_atomic);
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
    return m_stream.get();
}

bool SafeFileWriter::flush()
{
    if (m_error != QFileDevice::NoError)
        return false;
    // QSaveFile::commit() does not report a failed flush of its buffer.
    QFileDevice *file = m_atomic ? static_cast<QFileDevice *>(m_atomic.get()) : m_stream.get();
    return (file->flush() && file->error() == QFileDevice::NoError) || fail(*file);
}

bool SafeFileWriter::commit()
{
    if (!flush())
        return false;
    if (m_atomic)
        return m_atomic->commit() || fail(*m_atomic);
    m_stream->close();
    return m_stream->error() == QFileDevice::NoError || fail(*m_stream);
}

bool SafeFileWriter::fail(const QFileDevice &file)
{
    m_error = file.error() == QFileDevice::NoError ? QFileDevice::WriteError : file.error();
    m_errorString = file.errorString();
    return false;
}

QString SafeFileWriter::errorString() const
{
    return m_errorString;
}

QString SafeFileWriter::save(const QString &path, const QByteArray &bytes)
{
    SafeFileWriter writer(path);
    if (!writer.open())
        return writer.errorString();
    // Never committed after a short write: the old file stays as it was.
    if (writer.device()->write(bytes) != bytes.size()) {
        const QString reason = writer.device()->errorString();
        return reason.isEmpty() ? tr("Not all bytes could be written.") : reason;
    }
    return writer.commit() ? QString() : writer.errorString();
}
