// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/blockitem.h"

// Pass-through function unit; shows no caption.
class NIMNonFnc : public BlockItem
{
public:
    NIMNonFnc(int id, int sheet, const QString &name);

    // Only a user name is drawn; an empty text brings back the plain line,
    // too thin for the resource name.
    void setCaption(const QString &text) override;
};
