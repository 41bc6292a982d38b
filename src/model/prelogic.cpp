// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/prelogic.h"

PreLogic::PreLogic(int id, int sheet, const QString &name)
    : NIMLogic(id, sheet, name, BlockKind::PreLogic)
{
    setTerm(QStringLiteral("PreLogic"));
}
