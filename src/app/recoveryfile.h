// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>

class QLockFile;

// The unsaved state of the open document on disk, so that a crash loses no
// work: "recovery/<key>.rcv" under the application's data location. Every
// object has a file of its own, so two programs editing the same document
// each keep theirs (the key is the hash of the document's absolute path, or
// "untitled", and a name unique to the object). Written atomically after every
// change; removed by a clean save, by discarding the changes and by declining
// to restore them. A lock file next to it marks it as belonging to a running
// program, so that no other program offers it. Nothing in the folder is
// followed or opened unless it is a regular file within the document size
// limit: the folder may hold links, FIFOs or bombs planted by others.
class RecoveryFile
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryFile)

public:
    // A recovery file whose program ended without saving or discarding.
    struct LeftBehind
    {
        QString path;
        QString documentPath;   // absolute; empty for an untitled document
        QByteArray document;
        QDateTime written;

        // True when the document file was modified after the recovery file
        // was written.
        bool documentChangedSince() const;
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
    // False with errorString() when the file could not be written; the state
    // written before is then removed, so that it is never offered as the
    // current one.
    bool write(const QByteArray &document);
    QString errorString() const { return m_error; }
    void remove();
    QString path() const;

    // Unlocked recovery files, newest first. Unreadable ones are removed, and
    // so are partial files of programs that died while writing and anything
    // in the folder that is not a regular file.
    static QList<LeftBehind> leftBehind();
    // Moves a recovery file out of the offers, kept for inspection by hand;
    // returns its new path.
    static QString setAside(const QString &path);
    static QString directory();

private:
    QString keyFor(const QString &documentPath) const;
    static bool read(const QString &path, LeftBehind &found);
    bool lock();
    bool writeFile(const QByteArray &content);
    // Records why writing failed; always false.
    bool fail(const QString &reason);

    QString m_documentPath;
    // Unique to this object.
    QString m_instance;
    QString m_key;
    std::unique_ptr<QLockFile> m_lock;
    QString m_error;
};
