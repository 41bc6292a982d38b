// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/documentcontext.h"
#include "io/entrykeys.h"
#include "model/sheetset.h"

#include <QString>
#include <QStringList>

class EntryBuilder;
class QXmlStreamAttributes;

// Event handler of the document reader: collects the child texts of each
// <entry> under their keys and hands the complete map to the entry builder;
// applies the root's connection settings and the <tab> captions.
// The events are driven by DocumentReader from a QXmlStreamReader loop.
class SaxHandler
{
public:
    enum class Mode {
        Document,   // a file or history snapshot
        PastePlan,  // first clipboard pass: names only, nothing created
        PasteCreate // second clipboard pass
    };

    // Sheets beyond this index are refused, so a stray id cannot make a
    // document create millions of sheets.
    static constexpr int lastSheetIndex = SheetSet::maxCount - 1;

    SaxHandler(const DocumentContext &context, EntryBuilder &builder, Mode mode);

    // Each returns false to stop the parse; errorString() then says why.
    bool startElement(const QString &name, const QXmlStreamAttributes &attributes);
    bool endElement(const QString &name);
    bool characters(const QString &text);
    // The parser's own error: builds the message shown to the user.
    void fatalError(qint64 line, qint64 column, const QString &message);
    // Input refused before parsing; message is shown as it is.
    void refuse(const QString &message);

    QString errorString() const { return m_errorString; }
    // "Parse error at line %1, column %2:\n%3." after a fatal error (one
    // period at the end), the refusal message, else empty.
    QString fatalErrorText() const { return m_fatalErrorText; }
    // True until a known root element ("KaRiX", "Karix", "Tarvelon") started.
    bool noRoot() const { return m_noRoot; }
    // Notes on values of the root that were changed to be usable, in order.
    const QStringList &messages() const { return m_messages; }

private:
    static bool isRootName(const QString &name);
    void applyRoot(const QXmlStreamAttributes &attributes);
    quint32 timeoutOf(QStringView text);
    bool startTab(const QXmlStreamAttributes &attributes);
    bool expressionFits();

    DocumentContext m_context;
    EntryBuilder &m_builder;
    Mode m_mode;
    QString m_currentKey;
    QString m_currentTerm;
    int m_sheetIndex = 0;
    EntryKeys::KeyMap m_map;
    bool m_noRoot = true;
    QString m_errorString;
    QString m_fatalErrorText;
    QStringList m_messages;
};
