#pragma once

#include "model/blockitem.h"

// Pass-through function unit; shows no caption.
class NIMNonFnc : public BlockItem
{
public:
    NIMNonFnc(int id, int sheet, const QString &name);
};
