// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/delayedoutput.h"

DelayedOutput::DelayedOutput(int id, int sheet, const QString &name, BlockKind kind)
    : BlockItem(id, sheet, name, kind, false)
{
    initDelayedCaption(delayText(), kindWord());
    setTerm(BlockKinds::isNamedByResource(kind) ? BlockItem::name() : kindWord());
}

void DelayedOutput::setCaption(const QString &text)
{
    setDelayedCaption(delayText(), kindWord(), text);
}

QString DelayedOutput::delayText() const
{
    return kind() == BlockKind::Output ? QStringLiteral("Delay 85ns     ")
                                       : QStringLiteral("Delay 45ns     ");
}
