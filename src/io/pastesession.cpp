// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/pastesession.h"

#include "io/entrykeys.h"
#include "model/blockkinds.h"
#include "model/designmodel.h"
#include "model/sheet.h"
#include "model/sheetset.h"

namespace {

const int lastConnectorNumber = 7;

// Blocks that define a name of their own; references keep the name they refer to.
bool hasUniqueName(BlockKind kind)
{
    return kind != BlockKind::None && !BlockKinds::traits(kind).numbered;
}

bool isInputConnector(const QString &name)
{
    return name.startsWith(QLatin1String("NIM-IN-")) || name == QLatin1String("BNC-IN");
}

QString withoutTrailingDigits(const QString &name)
{
    int end = name.size();
    while (end > 0 && name.at(end - 1).isDigit())
        --end;
    return name.left(end);
}

} // namespace

PasteSession::PasteSession(const DocumentContext &context, int sheetIndex)
    : m_context(context), m_sheetIndex(sheetIndex)
{
}

int PasteSession::freeRow(const QString &term) const
{
    const Sheet *sheet = m_context.sheets->sheet(m_sheetIndex);
    return sheet ? sheet->lowestFreeRow(term) : -1;
}

int PasteSession::placeAndName(const QString &term, QString &name) const
{
    const int row = freeRow(term);
    if (row < 0)
        return -1;
    const BlockKind kind = BlockKinds::ofTerm(term);
    if (BlockKinds::isNamedByResource(kind))
        name.clear();
    else if (hasUniqueName(kind))
        name = uniqueName(name);
    return row;
}

void PasteSession::plan(const QString &term, const QString &name)
{
    QString proposed = name;
    const bool placed = placeAndName(term, proposed) >= 0;
    const BlockKind kind = BlockKinds::ofTerm(term);
    const bool ownName = placed && (hasUniqueName(kind) || BlockKinds::isNamedByResource(kind));
    m_entryNames.append(ownName ? std::optional<QString>(proposed) : std::nullopt);
    // Kept names count as taken too: a later entry of the same name moves on.
    if (ownName && !proposed.isEmpty())
        m_pastedNames.append(proposed);
    if (placed && isRename(kind, name, proposed))
        m_renameMap.insert(name, proposed);
}

bool PasteSession::isRename(BlockKind kind, const QString &name, const QString &proposed)
{
    return proposed != name || kind == BlockKind::FeedBack;
}

void PasteSession::translateEntry(EntryKeys &keys)
{
    const QString entryName = keys.name;
    // Entries may share a name: each gets the one planned for it, and a
    // driver of that name means the latest of them from here on.
    const std::optional<QString> planned = m_entryNames.value(m_translatedEntries++);
    if (planned && isRename(BlockKinds::ofTerm(keys.term), entryName, *planned))
        m_renameMap.insert(entryName, *planned);
    else if (planned)
        m_renameMap.remove(entryName);
    const auto renamed = m_renameMap.constFind(entryName);
    if (renamed != m_renameMap.cend()) {
        if (keys.userName.isEmpty() || keys.userName == entryName || isInputConnector(entryName))
            keys.userName.clear();
        else
            keys.userName = uniqueName(keys.userName);
        keys.name = renamed.value();
        // Feedback labels follow the new name of their feedback block.
        if (BlockKinds::ofTerm(keys.term) == BlockKind::FeedBackReference
            && m_pastedNames.contains(keys.name))
            keys.term = keys.name;
    }
}

QString PasteSession::translated(const QString &name) const
{
    return m_renameMap.value(name, name);
}

void PasteSession::noteCreatedName(const QString &entryName, const QString &createdName)
{
    auto renamed = m_renameMap.find(entryName);
    if (renamed != m_renameMap.end() && renamed.value().isEmpty())
        renamed.value() = createdName;
}

QString PasteSession::uniqueName(QString name) const
{
    if (name == QLatin1String("BNC-IN") || name == QLatin1String("NIM-IN-M"))
        name = QStringLiteral("NIM-IN-S0");
    if (isUsable(name))
        return name;
    const QString prefix = withoutTrailingDigits(name);
    // Every used name refuses at most one candidate; beyond that the prefix
    // itself is refused (the fixed output names) and no number helps.
    const int lastNumber = prefix.startsWith(QLatin1String("NIM-IN-"))
                               ? lastConnectorNumber
                               : int(m_context.model->allBlocks().size() + m_pastedNames.size());
    for (int number = 0; number <= lastNumber; ++number) {
        const QString candidate = prefix + QString::number(number);
        if (isUsable(candidate))
            return candidate;
    }
    return QString();
}

bool PasteSession::isUsable(const QString &name) const
{
    // A name another pasted block is about to take counts as used as well.
    return !m_pastedNames.contains(name) && m_context.model->isNameFree(name, true);
}
