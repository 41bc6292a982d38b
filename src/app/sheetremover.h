#pragma once

#include <QByteArray>

// Drops one sheet from a document as the document writer lays it out (one
// "<tab id=…>" line and one "</tab>" line per sheet) and renumbers the
// sheets after it, so that reading the result gives consecutive sheets.
class SheetRemover
{
public:
    static QByteArray removeSheet(const QByteArray &document, int index);
};
