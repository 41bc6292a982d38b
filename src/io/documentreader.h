// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/documentcontext.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class SaxHandler;

// What a document load reports to its caller, which decides how to show it.
struct ReadResult
{
    bool ok = false;
    // "Parse error at line %1, column %2:\n%3." for malformed input, or why
    // DocumentLimits refused it (shown titled "SAX Handler"); empty otherwise.
    QString parseError;
    // The parse succeeded but no known root element was seen.
    bool noRoot = false;
    // Cleared when an entry was dropped or altered (no resource, no room).
    bool settingsApplied = true;
    // "There is no more Input resource." once per such entry, and every
    // other note for the user, in order.
    QStringList messages;
    // The messages on changes that make the design differ from the file
    // (renamed, moved or left-out entries, connections left out).
    QStringList repairs;
};

// Reads documents into a design that the caller has just reset. Blocks are
// created while parsing, so after a failure the caller resets again.
class DocumentReader
{
public:
    explicit DocumentReader(const DocumentContext &context);

    // The file and history variant: root element required.
    ReadResult read(const QByteArray &bytes);

    // Runs the handler's events over the bytes; false on a parse error, a
    // refused event or bytes beyond DocumentLimits, with the handler's fatal
    // error text set.
    static bool parse(const QByteArray &bytes, SaxHandler &handler);

private:
    DocumentContext m_context;
};
