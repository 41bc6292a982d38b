// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

class ModuleState;

// The checks between a command's state read and its operation. Each returns
// the refusal text to show, or an empty text when the command may go on.
class OperationGate
{
    Q_DECLARE_TR_FUNCTIONS(OperationGate)

public:
    enum class Command {
        Transfer,        // download and verify: only the protection flag
        WriteProtect,    // needs firmware with protection
        SaveAndRestore,  // ROM pages: firmware and protection flag
        RomAccess,       // initialising the ROM area: likewise
    };

    static QString refusal(Command command, const ModuleState &state);
};
