// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/documentcontext.h"

#include <QByteArray>
#include <QString>

class QTextStream;

// Writes a design as a document: declaration, root with the connection
// settings, one <tab> per sheet with its entries column by column, closing
// lines; UTF-8, line feeds only.
class DocumentWriter
{
public:
    explicit DocumentWriter(const DocumentContext &context);

    void writeXml(QTextStream &stream) const;
    QByteArray toBytes() const;
    // Saves by SafeFileWriter's rule: a regular file is replaced only when
    // the new one is complete, anything else is written through. Returns an
    // empty text on success, else "Cannot write file %1:\n%2.". notice, when
    // given, receives what the save could not keep (SafeFileWriter::notice()).
    QString save(const QString &fileName, QString *notice = nullptr) const;

private:
    void writeRoot(QTextStream &stream) const;

    DocumentContext m_context;
};
