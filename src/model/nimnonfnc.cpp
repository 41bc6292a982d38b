// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/nimnonfnc.h"

NIMNonFnc::NIMNonFnc(int id, int sheet, const QString &name)
    : BlockItem(id, sheet, name, BlockKind::PassThrough, false)
{
    setTerm(QStringLiteral("NonFnc"));
}

void NIMNonFnc::setCaption(const QString &text)
{
    if (text.isEmpty())
        clearCaption();
    else
        BlockItem::setCaption(text);
}
