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

QString tr(const char *text)
{
    return QCoreApplication::translate("EntryBuilder", text);
}

} // namespace

EntryBuilder::EntryBuilder(const DocumentContext &context)
    : m_context(context),
      m_edits(*context.model, *context.resources, *context.labels, *context.sheets),
      m_drivers(context, m_settingsApplied)
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
        m_messages.append(tr("There's not enough space."));
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
    return sheet.lowestFreeRow(keys.term);
}

BlockItem *EntryBuilder::build(const EntryKeys &keys, int row, int sheetIndex)
{
    BlockItem *block = m_edits.placeBlock(keys.term, sheetIndex, row, creationName(keys));
    if (!block) {
        if (BlockKinds::ofTerm(keys.term) == BlockKind::Input)
            m_messages.append(tr("There is no more Input resource."));
        else
            m_settingsApplied = false;
        return nullptr;
    }
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
