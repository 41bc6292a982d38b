// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/nimlogic.h"

// Logic block of the pre-logic column.
class PreLogic : public NIMLogic
{
public:
    PreLogic(int id, int sheet, const QString &name);
};
