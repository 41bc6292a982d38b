// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/blockitem.h"

// Measure counter; its term is its resource name ("MsrCnt0" .. "MsrCnt3").
// Port 0 is the GATE input, port 1 the SRC input.
class NIMMsrCnt : public BlockItem
{
public:
    NIMMsrCnt(int id, int sheet, const QString &name);

    // Inputs lie 16 pixels apart from the image top + 6.
    QPoint inputPoint(int port) const override;
};
