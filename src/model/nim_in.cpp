// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/nim_in.h"

NIM_IN::NIM_IN(int id, int sheet, const QString &name)
    : BlockItem(id, sheet, name, BlockKind::Input)
{
    setTerm(QStringLiteral("Input"));
}

