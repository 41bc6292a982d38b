// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/clipboardfragment.h"

#include "io/documentreader.h"
#include "io/entrybuilder.h"
#include "io/pastesession.h"
#include "io/saxhandler.h"
#include "model/blockitem.h"
#include "model/labelregistry.h"

#include <QTextStream>

namespace {

const QLatin1String openingLine("<KaRiX_Copy_Items>\n");
const QLatin1String closingLine("</KaRiX_Copy_Items>\n");

// Runs one pass over the fragment; returns the parse error text, if any.
QString runPass(const DocumentContext &context, const QByteArray &bytes, EntryBuilder &builder,
                SaxHandler::Mode mode)
{
    SaxHandler handler(context, builder, mode);
    DocumentReader::parse(bytes, handler);
    return handler.fatalErrorText();
}

} // namespace

QString ClipboardFragment::write(const QList<BlockItem *> &blocks)
{
    QString text;
    QTextStream stream(&text);
    stream << openingLine;
    for (const BlockItem *block : blocks)
        block->writeEntry(stream, block->term(), 1);
    stream << closingLine;
    stream.flush();
    return text;
}

bool ClipboardFragment::isFragment(const QString &text)
{
    return text.startsWith(openingLine);
}

PasteResult ClipboardFragment::paste(const DocumentContext &context, int sheetIndex,
                                     const QString &text)
{
    // UTF-8, so that names outside Latin-1 survive the clipboard.
    const QByteArray bytes = text.toUtf8();
    context.labels->setCurrentSheet(sheetIndex);
    PasteSession session(context, sheetIndex);

    EntryBuilder planner(context);
    planner.setPasteSession(&session);
    const QString planError = runPass(context, bytes, planner, SaxHandler::Mode::PastePlan);

    EntryBuilder creator(context);
    creator.setPasteSession(&session);
    const QString createError = runPass(context, bytes, creator, SaxHandler::Mode::PasteCreate);

    PasteResult result;
    result.parseError = planError.isEmpty() ? createError : planError;
    result.messages = creator.messages();
    result.blocks = creator.createdBlocks();
    return result;
}
