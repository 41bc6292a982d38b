// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Reads a design document file for a caller that has only a path (the
// command-line tool). Only a regular file within DocumentLimits::maxBytes is
// read, so a device or FIFO given by mistake can neither block nor fill
// memory; each refusal says what is wrong with the path.
class DocumentFile
{
    Q_DECLARE_TR_FUNCTIONS(DocumentFile)

public:
    // False with errorText when the file cannot be used.
    static bool read(const QString &path, QByteArray &bytes, QString &errorText);

private:
    static QString pathProblem(const QString &path);
};
