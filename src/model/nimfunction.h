// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/blockitem.h"

// Counter or delay function unit; which one is told by the term ("CntFnc" or "DlyFnc").
class NIMFunction : public BlockItem
{
public:
    NIMFunction(int id, int sheet, const QString &name);
};
