// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/documentcontext.h"
#include "io/entrykeys.h"
#include "model/blockkinds.h"
#include "io/loadnotes.h"

#include <QString>

class BlockItem;
class PasteSession;

// Connects a newly read block to the drivers its <net> lines name. Where a
// driver is searched depends on the block's term, preferring the entry's
// sheet; during a paste every name goes through the rename map first and only
// the target sheet is searched. A driver that is not found, or a port the
// block does not have, leaves the port unconnected; the latter is a repair.
class DriverResolver
{
public:
    // `settingsApplied` is cleared when a connection counter refuses a take.
    DriverResolver(const DocumentContext &context, bool &settingsApplied, LoadNotes &notes);

    void setPasteSession(const PasteSession *session) { m_paste = session; }
    void connectDrivers(BlockItem *block, const EntryKeys::KeyMap &nets, int sheet);

private:
    BlockItem *findDriver(BlockKind kind, const QString &name, int sheet) const;
    BlockItem *findOnSheet(const QString &name, int sheet) const;
    void connectFunctionInput(BlockItem *function, BlockItem *driver);
    // The port a <net> key stands for on a block of this kind, or -1.
    static int portFor(const BlockItem &block, const QString &key);

    DocumentContext m_context;
    bool &m_settingsApplied;
    LoadNotes &m_notes;
    const PasteSession *m_paste = nullptr;
};
