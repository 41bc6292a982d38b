// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/entrybuilder.h"

#include "io/pastesession.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/labelregistry.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QCoreApplication>

namespace {

bool isFeedbackOrLabel(BlockKind kind)
{
    return BlockKinds::isFeedback(kind) || BlockKinds::isLabel(kind);
}

// Outputs and counters are named after their resource in messages, whatever
// number their term carries.
QString kindWord(const QString &term)
{
    const BlockKindTraits &traits = BlockKinds::traits(BlockKinds::ofTerm(term));
    return BlockKinds::isNamedByResource(traits.kind) ? QString(traits.term) : term;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("EntryBuilder", text);
}

} // namespace

EntryBuilder::EntryBuilder(const DocumentContext &context)
    : m_context(context),
      m_edits(*context.model, *context.resources, *context.labels, *context.sheets),
      m_drivers(context, m_settingsApplied, m_notes)
{
}

void EntryBuilder::setPasteSession(PasteSession *session)
{
    m_paste = session;
    m_drivers.setPasteSession(session);
}

bool EntryBuilder::createEntry(const QString &term, int sheetIndex, const EntryKeys::KeyMap &map,
                               bool pastePass)
{
    const EntryKeys keys = EntryKeys::fromMap(term, map);
    if (!keys.isValid())
        return false;
    if (pastePass) {
        if (m_paste)
            m_paste->plan(keys.term, keys.name);
        return true;
    }
    return m_paste ? createPastedEntry(keys) : createDocumentEntry(keys, sheetIndex);
}

bool EntryBuilder::createDocumentEntry(const EntryKeys &keys, int sheetIndex)
{
    Sheet *sheet = m_context.sheets->sheet(sheetIndex);
    if (!sheet || BlockKinds::ofTerm(keys.term) == BlockKind::None)
        return true;
    m_context.labels->setCurrentSheet(sheetIndex);
    const int row = rowFor(keys, *sheet);
    if (row < 0) {
        m_settingsApplied = false;
        noteDropped(keys, tr("no free row"));
        return true;
    }
    build(keys, row, sheetIndex);
    return true;
}

bool EntryBuilder::createPastedEntry(EntryKeys keys)
{
    const QString entryName = keys.name;
    m_paste->translateEntry(keys);
    const int row = m_paste->freeRow(keys.term);
    if (row < 0) {
        m_notes.note(tr("There's not enough space."));
        return true;
    }
    if (isRefusedLabel(keys))
        return true;
    if (const BlockItem *block = build(keys, row, m_paste->sheetIndex()))
        m_paste->noteCreatedName(entryName, block->name());
    return true;
}

bool EntryBuilder::isRefusedLabel(const EntryKeys &keys) const
{
    if (!BlockKinds::isReference(BlockKinds::ofTerm(keys.term)))
        return false;
    // The feedback block of a pasted label is created after it, in pass 2.
    const bool followsPastedFeedback = BlockKinds::ofTerm(keys.term) == BlockKind::FeedBackReference
                                       && m_paste->pastedNames().contains(keys.term);
    return !followsPastedFeedback
           && m_context.labels->isPresent(keys.name, m_paste->sheetIndex());
}

int EntryBuilder::rowFor(const EntryKeys &keys, const Sheet &sheet)
{
    if (sheet.isRowFree(keys.term, keys.id))
        return keys.id;
    // Rows beyond the canvas or taken twice: keep the block, not the row.
    m_settingsApplied = false;
    const int row = sheet.lowestFreeRow(keys.term);
    if (row >= 0 && !m_paste)
        m_notes.repair(tr("%1 entry '%2' moved from row %3 to row %4")
                           .arg(kindWord(keys.term), keys.name)
                           .arg(keys.id)
                           .arg(row));
    return row;
}

BlockItem *EntryBuilder::build(const EntryKeys &keys, int row, int sheetIndex)
{
    BlockItem *block = m_edits.placeBlock(keys.term, sheetIndex, row, creationName(keys));
    if (!block) {
        if (BlockKinds::ofTerm(keys.term) == BlockKind::Input) {
            m_notes.repair(tr("There is no more Input resource."));
        } else {
            m_settingsApplied = false;
            noteDropped(keys, hasRoom(keys.term, row, sheetIndex) ? tr("no free resource")
                                                                   : tr("no room on the sheet"));
        }
        return nullptr;
    }
    noteRenamed(keys, *block);
    applyNames(block, keys);
    if (!keys.property.isEmpty())
        m_context.model->setBlockProperty(block, keys.property);
    m_drivers.connectDrivers(block, keys.nets, sheetIndex);
    m_created.append(block);
    return block;
}

void EntryBuilder::applyNames(BlockItem *block, const EntryKeys &keys)
{
    if (keys.userName.isEmpty())
        return;
    m_context.model->setBlockUserName(block, keys.userName);
    if (isFeedbackOrLabel(block->kind()))
        m_context.labels->setUserName(block->name(), keys.userName);
}

QString EntryBuilder::creationName(const EntryKeys &keys) const
{
    const BlockKind kind = BlockKinds::ofTerm(keys.term);
    // Outputs and counters are named by their resource; a foreign name would
    // leave the block with a term that has no place on the sheet.
    if (BlockKinds::isNamedByResource(kind))
        return BlockKinds::ofTerm(keys.name) == kind ? keys.name : QString();
    return keys.name.isEmpty() ? generatedName(*m_context.model, keys.term) : keys.name;
}

QString EntryBuilder::generatedName(const DesignModel &model, const QString &term)
{
    const QString prefix = BlockKinds::traits(BlockKinds::ofTerm(term)).namePrefix;
    return prefix.isEmpty() ? QString() : model.nextFreeName(prefix);
}

void EntryBuilder::noteRenamed(const EntryKeys &keys, const BlockItem &block)
{
    // A paste renames on purpose; a document must load as written.
    if (m_paste || keys.name.isEmpty() || keys.name == block.name())
        return;
    m_notes.repair(tr("%1 entry '%2' renamed to %3")
                       .arg(kindWord(keys.term), keys.name, block.name()));
}

void EntryBuilder::noteDropped(const EntryKeys &keys, const QString &reason)
{
    if (!m_paste)
        m_notes.repair(tr("%1 entry '%2' left out: %3").arg(kindWord(keys.term), keys.name, reason));
}

bool EntryBuilder::hasRoom(const QString &term, int row, int sheetIndex) const
{
    const Sheet *sheet = m_context.sheets->sheet(sheetIndex);
    return sheet && sheet->isRowFree(term, row < 0 ? sheet->lowestFreeRow(term) : row);
}
