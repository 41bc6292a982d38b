// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/documentcontext.h"
#include "io/driverresolver.h"
#include "io/entrykeys.h"
#include "io/loadnotes.h"
#include "model/designedits.h"

#include <QList>
#include <QString>
#include <QStringList>

class BlockItem;
class DesignModel;
class PasteSession;
class Sheet;

// Recreates one block from the keys of a document or clipboard entry: places
// it through the design edits (resource, sheet, label bar), then sets names
// and property and connects its drivers.
//
// Documents: the block goes to the entry's sheet at row `id`; an id that is
// unusable or already taken there moves the block to the column's lowest free
// row, and an entry that finds no row, no resource or an unknown term is
// dropped (settings-applied flag cleared for the first two). Each move, drop
// and resource renaming of a document entry is noted as a repair.
// Pastes: pass 1 (pastePass) only plans names in the session; pass 2 (with a
// session set) creates the blocks on the session's sheet under the new names.
class EntryBuilder
{
public:
    explicit EntryBuilder(const DocumentContext &context);

    // Non-null for the second pass of a paste.
    void setPasteSession(PasteSession *session);

    // False when the entry has no valid id or an empty term (the parse stops);
    // true when it was created, skipped or refused for lack of resources.
    bool createEntry(const QString &term, int sheetIndex, const EntryKeys::KeyMap &map,
                     bool pastePass);

    // Cleared when an entry was dropped or altered for lack of room or resources.
    bool settingsApplied() const { return m_settingsApplied; }
    void setSettingsApplied(bool applied) { m_settingsApplied = applied; }
    // Texts for the user, in order ("There is no more Input resource.", …).
    const QStringList &messages() const { return m_notes.messages; }
    // Those of the messages that say how the design now differs from the file.
    const QStringList &repairs() const { return m_notes.repairs; }
    // Blocks created so far, in document order.
    const QList<BlockItem *> &createdBlocks() const { return m_created; }

    // The next free "<prefix><n>" name for kinds the palette names by number
    // (PreLgc, PstLgc, CntFnc, DlyFnc, FeedBack, Label); empty for others.
    static QString generatedName(const DesignModel &model, const QString &term);

private:
    bool createDocumentEntry(const EntryKeys &keys, int sheetIndex);
    bool createPastedEntry(EntryKeys keys);
    bool isRefusedLabel(const EntryKeys &keys) const;
    // Row of the entry on the sheet: its id when free, else the lowest free row.
    int rowFor(const EntryKeys &keys, const Sheet &sheet);
    BlockItem *build(const EntryKeys &keys, int row, int sheetIndex);
    void applyNames(BlockItem *block, const EntryKeys &keys);
    // A name the model can create the block under, for empty or foreign names.
    QString creationName(const EntryKeys &keys) const;
    void noteRenamed(const EntryKeys &keys, const BlockItem &block);
    void noteDropped(const EntryKeys &keys, const QString &reason);
    bool hasRoom(const QString &term, int row, int sheetIndex) const;

    DocumentContext m_context;
    DesignEdits m_edits;
    bool m_settingsApplied = true;
    LoadNotes m_notes;
    DriverResolver m_drivers;
    PasteSession *m_paste = nullptr;
    QList<BlockItem *> m_created;
};
