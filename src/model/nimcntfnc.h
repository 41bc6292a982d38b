#pragma once

#include "model/nimfunction.h"

// Counter function; behaves as NIMFunction.
class NIMCntFnc : public NIMFunction
{
public:
    using NIMFunction::NIMFunction;
};
