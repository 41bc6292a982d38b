#pragma once

#include "model/blockitem.h"

// Reference label in the function column.
class NIMFncLabel : public BlockItem
{
public:
    NIMFncLabel(int id, int sheet, const QString &name);
};
