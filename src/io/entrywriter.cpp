#include "io/entrywriter.h"

#include "io/xmltext.h"
#include "model/blockitem.h"

#include <QTextStream>

namespace {

void writeElement(QTextStream &stream, const QString &indent, const QString &tag,
                  const QString &text)
{
    stream << indent << '<' << tag << '>' << XmlText::escaped(text) << "</" << tag << ">\n";
}

} // namespace

void EntryWriter::write(QTextStream &stream, const BlockItem &block, int level)
{
    const QString outer = block.indent(level);
    const QString inner = block.indent(level + 1);
    stream << outer << "<entry term=\"" << XmlText::escaped(block.term()) << "\">\n";
    stream << inner << "<id>" << QString::number(block.id()) << "</id>\n";
    writeElement(stream, inner, QStringLiteral("name"), block.name());
    if (!block.userName().isEmpty())
        writeElement(stream, inner, QStringLiteral("userName"), block.userName());
    const BlockItem::InputMap &inputs = block.inputs();
    for (auto it = inputs.cbegin(); it != inputs.cend(); ++it) {
        stream << inner << "<net port=\"" << QString::number(it.key()) << "\">"
               << XmlText::escaped(it.value()->name()) << "</net>\n";
    }
    if (!block.property().isEmpty())
        writeElement(stream, inner, QStringLiteral("property"), block.property());
    stream << outer << "</entry>\n";
}
