// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/documentwriter.h"

#include "io/safefilewriter.h"
#include "model/blockitem.h"
#include "model/connectionsettings.h"
#include "model/sheet.h"
#include "model/sheetset.h"
#include "model/xmltext.h"

#include <QCoreApplication>
#include <QTextStream>

DocumentWriter::DocumentWriter(const DocumentContext &context) : m_context(context)
{
}

void DocumentWriter::writeXml(QTextStream &stream) const
{
    stream.setEncoding(QStringConverter::Utf8);
    stream << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    writeRoot(stream);
    const QList<Sheet *> &sheets = m_context.sheets->sheets();
    for (int index = 0; index < sheets.size(); ++index) {
        const Sheet *sheet = sheets.at(index);
        stream << "    <tab id=\"" << QString::number(index) << "\" name=\""
               << XmlText::escaped(sheet->caption()) << "\">\n";
        for (const BlockItem *block : sheet->blocks())
            block->writeEntry(stream, block->term(), 2);
        stream << "    </tab>\n";
    }
    stream << "</KaRiX>\n";
}

void DocumentWriter::writeRoot(QTextStream &stream) const
{
    const ConnectionSettings &settings = *m_context.settings;
    stream << "<KaRiX addr=\"" << XmlText::escaped(settings.address) << "\" tcpPort=\""
           << QString::number(settings.tcpPort) << "\" udpPort=\""
           << QString::number(settings.udpPort) << "\" Timeout=\""
           << QString::number(static_cast<qint32>(settings.timeout)) << "\" autoConnect=\""
           << (settings.autoConnect ? "true" : "false") << "\">\n";
}

QByteArray DocumentWriter::toBytes() const
{
    QByteArray bytes;
    QTextStream stream(&bytes, QIODevice::WriteOnly);
    writeXml(stream);
    stream.flush();
    return bytes;
}

QString DocumentWriter::save(const QString &fileName, QString *notice) const
{
    const QString problem = SafeFileWriter::save(fileName, toBytes(), notice);
    if (problem.isEmpty())
        return QString();
    return QCoreApplication::translate("DocumentWriter", "Cannot write file %1:\n%2.")
        .arg(fileName, problem);
}
