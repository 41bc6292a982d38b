// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/nimlogic.h"

// Logic block of the post-logic column.
class PostLogic : public NIMLogic
{
public:
    PostLogic(int id, int sheet, const QString &name);
};
