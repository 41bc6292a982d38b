// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/nimlabelin.h"

NIMLabelIN::NIMLabelIN(int id, int sheet, const QString &name)
    : BlockItem(id, sheet, name, BlockKind::Label)
{
    setTerm(QStringLiteral("Label"));
}
