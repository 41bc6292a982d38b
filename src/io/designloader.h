// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class DesignDocument;

// Opens a design document for a command: checks the path first (missing,
// a directory, not a regular file, too large, unreadable) so the user gets a
// plain message, then reads it with the program's document reader.
class DesignLoader
{
    Q_DECLARE_TR_FUNCTIONS(DesignLoader)

public:
    // False with errorText when the document cannot be used. warnings gets
    // the reader's notes on a document that loaded only in part; those that
    // made the design differ from the file are the document's load repairs.
    static bool load(const QString &path, DesignDocument &document, QString &errorText,
                     QStringList &warnings);
};
