// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/blockitem.h"

// Reference label in the pre-logic column: a feedback path or a "PreLabel" signal.
class NIMLabel : public BlockItem
{
public:
    NIMLabel(int id, int sheet, const QString &name);
};
