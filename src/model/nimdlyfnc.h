#pragma once

#include "model/nimfunction.h"

// Delay function; behaves as NIMFunction.
class NIMDlyFnc : public NIMFunction
{
public:
    using NIMFunction::NIMFunction;
};
