// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class BlockItem;
class DesignModel;

// The rules a user name must pass (the port naming dialog, the rename prompt).
class BlockNaming
{
public:
    enum class Verdict { Accepted, BadCharacters, InUse };

    // Not empty; only letters, digits, "_" and "-".
    static bool hasValidCharacters(const QString &name);
    // The characters, then the model's name check (fixed output names and
    // names shown by any block are taken).
    static Verdict check(const DesignModel &model, const QString &name);
    // As check(), except that a block may take back its own reserved
    // resource name ("BNC-IN", "NIM-IN-…", "MsrCnt…").
    static Verdict checkRename(const DesignModel &model, const BlockItem *block, const QString &name);
};
