// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/nimfnclabel.h"

NIMFncLabel::NIMFncLabel(int id, int sheet, const QString &name)
    : BlockItem(id, sheet, name, BlockKind::LabelReference)
{
    setTerm(name);
}
