// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/documentreader.h"

#include "io/documentlimits.h"
#include "io/entrybuilder.h"
#include "io/saxhandler.h"
#include "model/labelregistry.h"

#include <QXmlStreamReader>

namespace {

bool dispatch(QXmlStreamReader &xml, SaxHandler &handler)
{
    switch (xml.tokenType()) {
    case QXmlStreamReader::StartElement:
        return handler.startElement(xml.qualifiedName().toString(), xml.attributes());
    case QXmlStreamReader::EndElement:
        return handler.endElement(xml.qualifiedName().toString());
    default:
        return true;
    }
}

} // namespace

DocumentReader::DocumentReader(const DocumentContext &context) : m_context(context)
{
}

ReadResult DocumentReader::read(const QByteArray &bytes)
{
    EntryBuilder builder(m_context);
    SaxHandler handler(m_context, builder, SaxHandler::Mode::Document);
    // Entries make their own sheet current in the label registry; the
    // caller's current sheet comes back afterwards.
    const int currentSheet = m_context.labels->currentSheet();
    const bool parsed = parse(bytes, handler);
    m_context.labels->setCurrentSheet(currentSheet);

    ReadResult result;
    result.parseError = handler.fatalErrorText();
    result.noRoot = parsed && handler.noRoot();
    result.ok = parsed && !handler.noRoot();
    result.settingsApplied = builder.settingsApplied();
    result.messages = handler.messages() + builder.messages();
    result.repairs = builder.repairs();
    return result;
}

bool DocumentReader::parse(const QByteArray &bytes, SaxHandler &handler)
{
    const QString limitProblem = DocumentLimits::problem(bytes);
    if (!limitProblem.isEmpty()) {
        handler.refuse(limitProblem);
        return false;
    }
    QXmlStreamReader xml(bytes);
    // Text arrives in pieces (around references and CDATA); the handler
    // sees each run of text once, whole.
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.tokenType() == QXmlStreamReader::Characters) {
            text += xml.text();
            continue;
        }
        bool accepted = true;
        if (!text.isEmpty()) {
            accepted = handler.characters(text);
            text.clear();
        }
        if (accepted)
            accepted = dispatch(xml, handler);
        if (!accepted)
            xml.raiseError(handler.errorString());
    }
    if (!xml.hasError())
        return true;
    handler.fatalError(xml.lineNumber(), xml.columnNumber(), xml.errorString());
    return false;
}
