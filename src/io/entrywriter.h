#pragma once

#include <QString>

class BlockItem;
class QTextStream;

// Writes one block as an <entry> element: the lines of BlockItem::writeEntry,
// with every text escaped so that names and properties holding '<', '&' or
// quotes read back unchanged. Four blanks of indentation per level.
class EntryWriter
{
public:
    static void write(QTextStream &stream, const BlockItem &block, int level);
};
