// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/documentcontext.h"

#include <QList>
#include <QString>
#include <QStringList>

class BlockItem;

// What a paste reports; the caller shows the texts and records one edit step.
struct PasteResult
{
    // The reader's parse error of a malformed fragment (titled "SAX Handler").
    QString parseError;
    // "There's not enough space." once per entry without room, and the
    // reader's other messages, in order.
    QStringList messages;
    // The blocks created on the target sheet, in fragment order.
    QList<BlockItem *> blocks;
};

// Blocks on the clipboard: a <KaRiX_Copy_Items> wrapper around their entries.
class ClipboardFragment
{
public:
    // The fragment text of these blocks, in the given (selection) order.
    static QString write(const QList<BlockItem *> &blocks);
    // Whether clipboard text is a fragment (Paste is enabled exactly then).
    static bool isFragment(const QString &text);
    // Pastes a fragment onto a sheet in two passes: the first works out new
    // names and the rename map, the second creates the blocks.
    static PasteResult paste(const DocumentContext &context, int sheetIndex, const QString &text);
};
