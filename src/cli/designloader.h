#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class DesignDocument;

// Opens a design document for a command: checks the path first (missing,
// a directory, unreadable) so the user gets a plain message, then reads it
// with the program's document reader.
class DesignLoader
{
    Q_DECLARE_TR_FUNCTIONS(DesignLoader)

public:
    // False with errorText when the document cannot be used. warnings gets
    // the reader's notes on a document that loaded only in part.
    static bool load(const QString &path, DesignDocument &document, QString &errorText,
                     QStringList &warnings);

private:
    static QString pathProblem(const QString &path);
};
