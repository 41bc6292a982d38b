// SPDX-License-Identifier: GPL-3.0-or-later
#include "documenttext.h"

#include "io/designdocument.h"
#include "io/documentreader.h"
#include "model/blockitem.h"
#include "model/designmodel.h"

#include <QStringList>

QByteArray DocumentText::wrap(const QString &body)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<KaRiX addr=\"127.0.0.1\" tcpPort=\"24\" udpPort=\"4660\" "
                          "Timeout=\"1\" autoConnect=\"false\">\n%1</KaRiX>\n")
        .arg(body)
        .toUtf8();
}

QString DocumentText::entry(const QString &term, const QString &children)
{
    return QStringLiteral("<entry term=\"%1\">%2</entry>\n").arg(term, children);
}

ReadResult DocumentText::load(DesignDocument &document, const QByteArray &bytes)
{
    return DocumentReader(document.context()).read(bytes);
}

QString DocumentText::connectionsOf(DesignDocument &document, const QString &name)
{
    const BlockItem *block = document.model().findBlock(name);
    if (!block)
        return QStringLiteral("(no block)");
    QStringList items;
    const BlockItem::InputMap &inputs = block->inputs();
    for (auto it = inputs.cbegin(); it != inputs.cend(); ++it)
        items.append(QStringLiteral("%1<-%2").arg(it.key()).arg(it.value()->name()));
    return items.join(QLatin1Char(' '));
}
