// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/blockitem.h"

// A block of the output column whose caption carries the fixed delay of its
// path in front of the name: a NIM output (term: its resource name,
// "NIM-OUT0" .. "NIM-OUT7", 85 ns) or a feedback path (term "FeedBack", 45 ns).
class DelayedOutput : public BlockItem
{
public:
    // `kind` is BlockKind::Output or BlockKind::FeedBack. A name that already
    // carries the delay caption is drawn as it is and cut back to the
    // resource name.
    DelayedOutput(int id, int sheet, const QString &name, BlockKind kind);

    // The text (the name when empty) is drawn behind the delay and becomes
    // the name.
    void setCaption(const QString &text) override;

private:
    QString delayText() const;
    QString kindWord() const { return BlockKinds::traits(kind()).term; }
};
