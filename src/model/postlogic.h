#pragma once

#include "model/nimlogic.h"

// Logic block of the post-logic column.
class PostLogic : public NIMLogic
{
public:
    PostLogic(int id, int sheet, const QString &name);
};
