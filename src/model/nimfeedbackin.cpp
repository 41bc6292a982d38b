// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/nimfeedbackin.h"

namespace {
const QString delayText = QStringLiteral("Delay 45ns     ");
const QString kindWord = QStringLiteral("FeedBack");
} // namespace

NIMFeedBackIN::NIMFeedBackIN(int id, int sheet, const QString &name)
    : BlockItem(id, sheet, name, BlockKind::FeedBack, false)
{
    initDelayedCaption(delayText, kindWord);
    setTerm(kindWord);
}

void NIMFeedBackIN::setCaption(const QString &text)
{
    setDelayedCaption(delayText, kindWord, text);
}
