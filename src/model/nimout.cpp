// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/nimout.h"

namespace {
const QString delayText = QStringLiteral("Delay 85ns     ");
const QString kindWord = QStringLiteral("NIM-OUT");
} // namespace

NIMOut::NIMOut(int id, int sheet, const QString &name)
    : BlockItem(id, sheet, name, BlockKind::Output, false)
{
    initDelayedCaption(delayText, kindWord);
    setTerm(BlockItem::name());
}

void NIMOut::setCaption(const QString &text)
{
    setDelayedCaption(delayText, kindWord, text);
}
