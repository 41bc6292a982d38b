// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/blockitem.h"

// Defining label (term "Label" or "PreLabel"): carries a signal to references of the same name.
class NIMLabelIN : public BlockItem
{
public:
    NIMLabelIN(int id, int sheet, const QString &name);
};
