// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/operationgate.h"

#include "device/modulestate.h"

namespace {

QString firmwareRefusal(OperationGate::Command command)
{
    switch (command) {
    case OperationGate::Command::WriteProtect:
        return OperationGate::tr("This version of the FPGA doesn't support Write-Protect.");
    case OperationGate::Command::SaveAndRestore:
        return OperationGate::tr("This version of the FPGA doesn't support Save and Restore.");
    default:
        return OperationGate::tr("This version of the FPGA doesn't support ROM access.");
    }
}

} // namespace

QString OperationGate::refusal(Command command, const ModuleState &state)
{
    if (command != Command::Transfer && !state.supportsRomAndProtection())
        return firmwareRefusal(command);
    if (command != Command::WriteProtect && state.isWriteProtected())
        return tr("The Register is write-protected.");
    return QString();
}
