// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/blockitem.h"

// Reference label in the function column.
class NIMFncLabel : public BlockItem
{
public:
    NIMFncLabel(int id, int sheet, const QString &name);
};
