// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/blockitem.h"

// Feedback output (term "FeedBack"): feeds its signal back to the pre-logic column.
// Its caption carries the fixed delay of the path in front of the name.
class NIMFeedBackIN : public BlockItem
{
public:
    // A name that already carries the delay caption is drawn as it is and
    // cut back to the resource name.
    NIMFeedBackIN(int id, int sheet, const QString &name);

    // The text (the name when empty) is drawn behind the delay and becomes
    // the name.
    void setCaption(const QString &text) override;
};
