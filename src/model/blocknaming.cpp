// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/blocknaming.h"

#include "model/blockitem.h"
#include "model/designmodel.h"

namespace {

bool isConnectorName(const QString &name)
{
    return name.startsWith(QLatin1String("NIM-IN-")) || name == QLatin1String("BNC-IN");
}

} // namespace

bool BlockNaming::hasValidCharacters(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('_') && c != QLatin1Char('-'))
            return false;
    }
    return true;
}

BlockNaming::Verdict BlockNaming::check(const DesignModel &model, const QString &name)
{
    if (!hasValidCharacters(name))
        return Verdict::BadCharacters;
    return model.isNameFree(name, false) ? Verdict::Accepted : Verdict::InUse;
}

BlockNaming::Verdict BlockNaming::checkRename(const DesignModel &model, const BlockItem *block,
                                              const QString &name)
{
    if (!hasValidCharacters(name))
        return Verdict::BadCharacters;
    const bool reserved = isConnectorName(name) || BlockKinds::ofTerm(name) == BlockKind::MeasureCounter;
    if (reserved && name == block->name())
        return Verdict::Accepted;
    return check(model, name);
}
