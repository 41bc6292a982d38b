// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A document with every logic row and every function row of every sheet
// filled, each block fed by the one before it: the largest designs a
// document can describe.

#include <QByteArray>
#include <QString>

namespace FullDesign {

inline QString entry(const QString &term, int id, const QString &name, const QString &net)
{
    QString text = QStringLiteral("        <entry term=\"%1\">\n            <id>%2</id>\n"
                                  "            <name>%3</name>\n")
                       .arg(term)
                       .arg(id)
                       .arg(name);
    if (!net.isEmpty())
        text += QStringLiteral("            <net port=\"0\">%1</net>\n").arg(net);
    return text + QStringLiteral("        </entry>\n");
}

inline QByteArray fullDocument(int sheets)
{
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<KaRiX addr=\"127.0.0.1\" "
                                  "tcpPort=\"24\" udpPort=\"4660\" Timeout=\"1\" autoConnect=\"false\">\n");
    for (int sheet = 0; sheet < sheets; ++sheet) {
        text += QStringLiteral("    <tab id=\"%1\" name=\"Sheet%2\">\n").arg(sheet).arg(sheet + 1);
        for (int row = 0; row < 14; ++row)
            text += entry(QStringLiteral("PreLogic"), row, QStringLiteral("PreLgc%1_%2").arg(sheet).arg(row), QString());
        for (int row = 0; row < 24; ++row)
            text += entry(QStringLiteral("Label%1").arg(row), row, QStringLiteral("Label%1").arg(row), QString());
        for (int row = 0; row < 14; ++row)
            text += entry(QStringLiteral("PostLogic"), row, QStringLiteral("PstLgc%1_%2").arg(sheet).arg(row),
                          QStringLiteral("Label%1").arg(row));
        text += QStringLiteral("    </tab>\n");
    }
    return (text + QStringLiteral("</KaRiX>\n")).toUtf8();
}

} // namespace FullDesign
