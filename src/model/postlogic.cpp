// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/postlogic.h"

PostLogic::PostLogic(int id, int sheet, const QString &name)
    : NIMLogic(id, sheet, name, BlockKind::PostLogic)
{
    setTerm(QStringLiteral("PostLogic"));
}
