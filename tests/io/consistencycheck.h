// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct DocumentContext;

// Checks that a design holds together after any load or paste: every block
// in exactly one model list and on exactly one sheet at its own row, every
// connection known at both ends and pointing at a block of the model.
class ConsistencyCheck
{
public:
    // A description of the first fault, or an empty text.
    static QString problem(const DocumentContext &context);
};
