// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/blockitem.h"

// Physical input connector; its name is the connector name ("NIM-IN-S0" ...).
class NIM_IN : public BlockItem
{
public:
    // A physical input is fed by nothing: the kind table gives it no port.
    NIM_IN(int id, int sheet, const QString &name);
};
