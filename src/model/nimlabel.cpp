// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/nimlabel.h"

namespace {
bool refersToFeedback(const QString &name)
{
    return BlockKinds::isFeedback(BlockKinds::ofTerm(name));
}
} // namespace

NIMLabel::NIMLabel(int id, int sheet, const QString &name)
    : BlockItem(id, sheet, name,
                refersToFeedback(name) ? BlockKind::FeedBackReference : BlockKind::PreLabelReference)
{
    // A reference is dragged in under its key: the feedback name, or "Pre"
    // and the label name.
    setTerm(refersToFeedback(name) ? name : QStringLiteral("Pre") + name);
}
