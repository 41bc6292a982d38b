// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/designedits.h"

#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/labelregistry.h"
#include "model/resourcecounters.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QScopeGuard>

#include <algorithm>

namespace {

bool isInputConnector(const QString &name)
{
    return name.startsWith(QLatin1String("NIM-IN-")) || name == QLatin1String("BNC-IN");
}

bool namesLabel(const QString &name)
{
    return name.contains(QLatin1String("FeedBack")) || name.contains(QLatin1String("Label"));
}

} // namespace

DesignEdits::DesignEdits(DesignModel &model, ResourceCounters &counters, LabelRegistry &labels,
                         SheetSet &sheets)
    : m_model(model), m_counters(counters), m_labels(labels), m_sheets(sheets)
{
}

BlockItem *DesignEdits::placeBlock(const QString &term, int sheet, int row, const QString &name)
{
    Sheet *target = m_sheets.sheet(sheet);
    if (!target)
        return nullptr;
    const int at = row < 0 ? target->lowestFreeRow(term) : row;
    if (!target->isRowFree(term, at))
        return nullptr;
    // A new label registers on the label bar's current sheet.
    const int shownSheet = m_labels.currentSheet();
    m_labels.setCurrentSheet(sheet);
    const auto restore = qScopeGuard([&] { m_labels.setCurrentSheet(shownSheet); });
    BlockItem *block = m_model.createBlock(term, at, sheet, name, &m_counters);
    if (!block)
        return nullptr;
    if (!target->place(block)) {
        deleteBlock(block);
        return nullptr;
    }
    if (block->traits().list == BlockList::References)
        m_labels.setPresence(block->name(), true, sheet);
    return block;
}

DesignEdits::NewBlock DesignEdits::placeNew(const QString &key, int sheet)
{
    const BlockKind kind = BlockKinds::ofTerm(key);
    Sheet *target = m_sheets.sheet(sheet);
    if (kind == BlockKind::None || !target)
        return {nullptr, Refusal::NotABlock};
    const bool reference = BlockKinds::traits(kind).list == BlockList::References;
    const QString name = newBlockName(key);
    if (reference && m_labels.isPresent(name, sheet))
        return {nullptr, Refusal::AlreadyOnSheet};
    if (target->lowestFreeRow(key) < 0)
        return {nullptr, Refusal::ColumnFull};
    BlockItem *block = placeBlock(key, sheet, -1, name);
    if (!block)
        return {nullptr, Refusal::NoResource};
    if (const LabelRegistry::Entry *entry = m_labels.find(name); reference && entry
        && !entry->userName.isEmpty())
        m_model.setBlockUserName(block, entry->userName);
    return {block, Refusal::None};
}

QString DesignEdits::newBlockName(const QString &key) const
{
    const BlockKindTraits &traits = BlockKinds::traits(BlockKinds::ofTerm(key));
    if (traits.list == BlockList::References)
        return LabelRegistry::entryName(key);
    return traits.namePrefix.isEmpty() ? QString() : m_model.nextFreeName(traits.namePrefix);
}

BlockItem *DesignEdits::changeLabelSide(BlockItem *block)
{
    const BlockKind kind = block->kind();
    if (kind != BlockKind::Label && kind != BlockKind::PreLabel)
        return nullptr;
    const QString name = block->name();
    const QList<BlockItem *> &references = m_model.labelBlocks();
    const bool referenced = std::any_of(references.cbegin(), references.cend(), [&](const BlockItem *r) {
        return LabelRegistry::entryName(r->name()) == name;
    });
    const QString term = QLatin1String(kind == BlockKind::Label ? "PreLabel" : "Label");
    Sheet *sheet = m_sheets.sheet(block->sheet());
    if (referenced || !block->inputs().isEmpty() || !sheet || sheet->lowestFreeRow(term) < 0)
        return nullptr;
    const QString userName = block->userName();
    const int sheetIndex = block->sheet();
    deleteBlock(block);
    BlockItem *moved = placeBlock(term, sheetIndex, -1, name);
    if (moved && !userName.isEmpty())
        renameBlock(moved, userName);
    return moved;
}

bool DesignEdits::moveBlock(BlockItem *block, int row)
{
    Sheet *sheet = m_sheets.sheet(block->sheet());
    return sheet && sheet->moveTo(block, row);
}

WireRules::DropResult DesignEdits::connect(BlockItem *source, BlockItem *destination, int port)
{
    return WireRules(m_model, m_counters).connect(source, destination, port);
}

bool DesignEdits::disconnect(BlockItem *destination, int port)
{
    return WireRules(m_model, m_counters).disconnect(destination, port);
}

WireRules::DropResult DesignEdits::dropWire(const QString &sourceName, int sheet,
                                           const QPoint &drop)
{
    return WireRules(m_model, m_counters).dropWire(sourceName, sheet, drop);
}

bool DesignEdits::deleteWire(BlockItem *destination, const QLine &wire)
{
    return WireRules(m_model, m_counters).deleteWire(destination, wire);
}

int DesignEdits::deleteBlocksNamed(const QString &name)
{
    QList<BlockItem *> named;
    for (BlockItem *block : m_model.allBlocks()) {
        if (block->name() == name)
            named << block;
    }
    deleteBlocks(named);
    return named.size();
}

void DesignEdits::deleteBlock(BlockItem *block)
{
    forgetLabel(block);
    if (Sheet *sheet = m_sheets.sheet(block->sheet()))
        sheet->remove(block);
    WireRules(m_model, m_counters).deleteBlock(block);
}

void DesignEdits::deleteBlocks(const QList<BlockItem *> &blocks)
{
    // References go first, so that a label deleted with its references
    // leaves no entry behind.
    QList<BlockItem *> ordered = blocks;
    std::stable_partition(ordered.begin(), ordered.end(), [](const BlockItem *block) {
        return block->traits().list == BlockList::References;
    });
    for (BlockItem *block : std::as_const(ordered))
        deleteBlock(block);
}

void DesignEdits::forgetLabel(BlockItem *block)
{
    const QString entry = LabelRegistry::entryName(block->name());
    if (entry.isEmpty())
        return;
    if (block->traits().list == BlockList::References) {
        m_labels.setPresence(entry, false, block->sheet());
        return;
    }
    // While references remain, the entry stays without its source, as a
    // document holding only the references would load.
    const QList<BlockItem *> &references = m_model.labelBlocks();
    const bool referenced = std::any_of(references.cbegin(), references.cend(), [&](const BlockItem *r) {
        return LabelRegistry::entryName(r->name()) == entry;
    });
    if (!referenced)
        m_labels.removeLabel(entry);
}

void DesignEdits::renameBlock(BlockItem *block, const QString &userName)
{
    m_model.setBlockUserName(block, userName);
    spreadUserName(block->name(), userName);
}

void DesignEdits::spreadUserName(const QString &name, const QString &userName)
{
    QList<BlockItem *> sharing;
    if (namesLabel(name)) {
        m_labels.setUserName(name, userName);
        const QList<BlockItem *> &outputs = m_model.outputBlocks();
        const auto definer = std::find_if(outputs.cbegin(), outputs.cend(),
                                          [&](const BlockItem *b) { return b->name() == name; });
        if (definer != outputs.cend())
            sharing << *definer;
        sharing << m_model.labelBlocks();
    } else if (isInputConnector(name)) {
        sharing = m_model.inputBlocks();
    }
    for (BlockItem *other : std::as_const(sharing)) {
        if (other->name() == name && other->userName() != userName)
            m_model.setBlockUserName(other, userName);
    }
}

bool DesignEdits::moveInputToPort(BlockItem *block, const QString &connector)
{
    QStringList freePorts;
    m_model.freeResourceNames(QStringLiteral("Input"), freePorts, block->sheet());
    if (block->kind() != BlockKind::Input || !freePorts.contains(connector))
        return false;
    m_model.setBlockResource(block, connector);
    return true;
}

bool DesignEdits::moveToResource(BlockItem *block, const QString &resourceName)
{
    QStringList free;
    m_model.freeResourceNames(block->term(), free, block->sheet());
    if (!BlockKinds::isNamedByResource(block->kind()) || !free.contains(resourceName))
        return false;
    m_model.setBlockResource(block, resourceName);
    return true;
}

void DesignEdits::setProperty(BlockItem *block, const QString &text)
{
    m_model.setBlockProperty(block, text);
}

Sheet *DesignEdits::addSheet()
{
    return m_sheets.addSheet();
}

bool DesignEdits::renameSheet(int index, const QString &caption)
{
    Sheet *sheet = m_sheets.sheet(index);
    if (!sheet || caption.trimmed().isEmpty())
        return false;
    sheet->setCaption(caption);
    return true;
}

bool DesignEdits::deleteSheet(int index)
{
    Sheet *sheet = m_sheets.sheet(index);
    if (!sheet || m_sheets.count() < 2)
        return false;
    deleteBlocks(sheet->blocks());
    // Blocks know their sheet by index: the ones after it move down with it.
    const QList<BlockItem *> blocks = m_model.allBlocks();
    for (BlockItem *block : blocks) {
        if (block->sheet() > index)
            block->setSheet(block->sheet() - 1);
    }
    m_labels.removeSheet(index);
    return m_sheets.removeSheet(index);
}
