// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QFileDevice>
#include <QString>

#include <memory>

class QBuffer;
class QFile;
class QSaveFile;

// The one way the program saves a file (images, documents, logs). A regular
// file, or a name that does not exist yet, is replaced atomically: a failed
// save leaves the old file whole. The replacement keeps the old file's mode,
// owner and group where the process may set them (as cp does). A file with
// other hard links, or one whose owner a new file could not keep, is instead
// rewritten in place so that it stays the same file: the new contents are
// collected first and the space reserved before the first old byte changes,
// so only a crash during that last write can leave it mixed. Anything else (a
// device such as /dev/null, a FIFO, a terminal) is written through as a stream
// and never replaced by a regular file. Any write error makes commit() fail.
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
    // After a successful commit: what the save could not keep (the owner or
    // group), for the user; empty when everything was kept.
    QString notice() const { return m_notice; }

    // True when the path may be replaced by renaming a new file over it.
    static bool replacesAtomically(const QString &path);
    // Saves bytes in one go; an empty text on success, else the reason.
    // notice, when given, receives notice().
    static QString save(const QString &path, const QByteArray &bytes, QString *notice = nullptr);

private:
    enum class Strategy { Atomic, InPlace, Stream };
    static Strategy strategyFor(const QString &path, Mode mode);
    // Records the file's error; always false.
    bool fail(const QFileDevice &file);
    bool failWith(int error);
    bool commitInPlace();
    // Gives the new file the old one's owner and group before it replaces it.
    void keepOwner();

    QString m_path;
    Mode m_mode;
    std::unique_ptr<QSaveFile> m_atomic;
    std::unique_ptr<QFile> m_stream;
    // The whole new contents of a file rewritten in place.
    std::unique_ptr<QBuffer> m_inPlace;
    QString m_notice;
    QFileDevice::FileError m_error = QFileDevice::NoError;
    QString m_errorString;
};
