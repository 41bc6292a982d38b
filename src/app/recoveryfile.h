#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>

class QLockFile;

// The unsaved state of the open document on disk, so that a crash loses no
// work: "recovery/<key>.rcv" under the application's data location, one per
// open document (the key comes from the document's path; an untitled
// document gets a key of its own). Written atomically after every change;
// removed by a clean save, by discarding the changes and by declining to
// restore them. A lock file next to it marks it as belonging to a running
// program, so another instance never offers it.
class RecoveryFile
{
public:
    // A recovery file whose program ended without saving or discarding.
    struct LeftBehind
    {
        QString path;
        QString documentPath;   // empty for an untitled document
        QByteArray document;
        QDateTime written;

        // True when the document file was not changed after the recovery
        // file was written (or no longer exists).
        bool isNewerThanDocument() const;
    };

    RecoveryFile();
    // Keeps the file: a program that ends without the close path is what
    // the file is for.
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile &) = delete;
    RecoveryFile &operator=(const RecoveryFile &) = delete;

    // Switches to another document (empty: untitled); the previous file is
    // removed.
    void setDocument(const QString &documentPath);
    // False when the file could not be written (the edit goes on regardless).
    bool write(const QByteArray &document);
    void remove();
    QString path() const;
    // Whether this object has written the file at that path.
    bool holds(const QString &filePath) const { return m_lock && filePath == path(); }

    // Unlocked recovery files, newest first; unreadable ones are removed, and
    // so are partial files of programs that died while writing.
    static QList<LeftBehind> leftBehind();
    static QString directory();

private:
    static QString keyFor(const QString &documentPath);
    static bool read(const QString &path, LeftBehind &found);
    void keepLeftBehind() const;

    QString m_documentPath;
    QString m_key;
    std::unique_ptr<QLockFile> m_lock;
};
