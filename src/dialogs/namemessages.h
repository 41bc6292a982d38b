// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/blocknaming.h"

#include <QCoreApplication>
#include <QString>

// The warnings of a refused user name, shared by the port naming dialog and
// the rename prompt. The box is titled with the block's display name.
class NameMessages
{
    Q_DECLARE_TR_FUNCTIONS(NameMessages)

public:
    // Empty for an accepted name.
    static QString text(BlockNaming::Verdict verdict, const QString &name);
    static QString title(const QString &displayName);
};
