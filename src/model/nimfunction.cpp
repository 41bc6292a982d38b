// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/nimfunction.h"

namespace {
bool isDelay(const QString &name)
{
    return BlockKinds::ofGeneratedName(name) == BlockKind::DelayFunction;
}
} // namespace

NIMFunction::NIMFunction(int id, int sheet, const QString &name)
    : BlockItem(id, sheet, name, isDelay(name) ? BlockKind::DelayFunction : BlockKind::CounterFunction)
{
    setTerm(BlockKinds::traits(kind()).term);
}
