#pragma once

#include <QCoreApplication>
#include <QFileDevice>
#include <QString>

#include <memory>

class QFile;
class QSaveFile;

// The one way the program saves a file (images, documents, logs). A regular
// file, or a name that does not exist yet, is replaced atomically: a failed
// save leaves the old file whole. Anything else (a device such as /dev/null,
// a FIFO, a terminal) is written through as a stream and never replaced by a
// regular file. Any write error, in either case, makes commit() fail.
class SafeFileWriter
{
    Q_DECLARE_TR_FUNCTIONS(SafeFileWriter)

public:
    enum class Mode {
        Replace, // new contents for the whole file
        Append   // a log: opened as a stream and added to
    };

    explicit SafeFileWriter(const QString &path, Mode mode = Mode::Replace);
    ~SafeFileWriter();

    bool open();
    // Valid after a successful open() until commit().
    QIODevice *device() const;
    // Pushes buffered bytes out; false on a write error.
    bool flush();
    // Ends the save; false when anything failed on the way. Without a
    // commit, an atomic save leaves the target untouched.
    bool commit();
    QFileDevice::FileError error() const { return m_error; }
    QString errorString() const;

    // True when the path may be replaced by renaming a new file over it.
    static bool replacesAtomically(const QString &path);
    // Saves bytes in one go; an empty text on success, else the reason.
    static QString save(const QString &path, const QByteArray &bytes);

private:
    // Records the file's error; always false.
    bool fail(const QFileDevice &file);

    QString m_path;
    Mode m_mode;
    std::unique_ptr<QSaveFile> m_atomic;
    std::unique_ptr<QFile> m_stream;
    QFileDevice::FileError m_error = QFileDevice::NoError;
    QString m_errorString;
};
