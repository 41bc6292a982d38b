// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/blockitem.h"

// NIM output; its term is its resource name ("NIM-OUT0" .. "NIM-OUT7").
// Its caption carries the fixed delay of the path in front of the name.
class NIMOut : public BlockItem
{
public:
    // A name that already carries the delay caption is drawn as it is and
    // cut back to the resource name.
    NIMOut(int id, int sheet, const QString &name);

    // The text (the name when empty) is drawn behind the delay and becomes
    // the name.
    void setCaption(const QString &text) override;
};
