// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/commandplans.h"

#include "device/moduleinterface.h"
#include "device/modulestate.h"

#include <QCoreApplication>

using namespace ModuleInterface;

namespace {

QByteArray oneByte(int value)
{
    return QByteArray(1, char(value));
}

// Bit 0 set means writable; protecting clears it.
QByteArray flagsWith(quint8 flags, bool protect)
{
    return oneByte(protect ? (flags & ~writableFlag) : (flags | writableFlag));
}

OperationPlan romCommandPlan(quint32 command, int range)
{
    OperationPlan plan;
    plan.romCommand = command;
    plan.progressRange = range;
    return plan;
}

} // namespace

namespace CommandPlans {

OperationPlan stateRead(StateRead kind, const QByteArray &image)
{
    OperationPlan plan;
    plan.versionMode = kind == StateRead::Protection ? 5 : kind == StateRead::RomInfo ? 6 : 0;
    plan.romInfo = kind == StateRead::RomInfo;
    plan.image = image;
    return plan;
}

OperationPlan download(const QByteArray &image)
{
    OperationPlan plan;
    plan.image = image;
    return plan;
}

OperationPlan verify(const QByteArray &image)
{
    OperationPlan plan = download(image);
    plan.verify = true;
    return plan;
}

OperationPlan versionRead()
{
    OperationPlan plan;
    plan.blockAddress = versionAddress;
    plan.blockLength = versionSize;
    return plan;
}

OperationPlan networkRead()
{
    OperationPlan plan;
    plan.blockAddress = networkSettings;
    plan.blockLength = networkSettingsSize;
    return plan;
}

OperationPlan networkWrite(const HardwareSetup &setup)
{
    OperationPlan plan;
    plan.setup = setup;
    return plan;
}

OperationPlan counterControl(const QList<int> &counters, bool start)
{
    OperationPlan plan;
    for (const int counter : counters) {
        plan.commands.append(
            {ModuleInterface::counterControl + quint32(counter), oneByte(start ? 0x80 : 0x00), false});
    }
    return plan;
}

OperationPlan romSave(int page, const QByteArray &commentSlot, int bootPage)
{
    OperationPlan plan = romCommandPlan(romSaveCommand + quint32(page), romProgressRange);
    if (!commentSlot.isEmpty())
        plan.commands.append({commentArea + quint32(commentSize * page), commentSlot, false});
    if (bootPage >= 0)
        plan.commands.append({ModuleInterface::bootPage, oneByte(bootPage), true});
    return plan;
}

OperationPlan romRestore(int page)
{
    return romCommandPlan(romRestoreCommand + quint32(page), romProgressRange);
}

OperationPlan bootPage(int page)
{
    OperationPlan plan;
    plan.commands.append({ModuleInterface::bootPage, oneByte(page), true});
    return plan;
}

OperationPlan romInitialise(const ModuleState &state, const QByteArray &emptyImage)
{
    OperationPlan plan = romCommandPlan(romCommentCommand, 0);
    plan.commands.append({commentArea, QByteArray(commentAreaSize, '\0'), false});
    if (state.bootPage() != 0)
        plan.commands.append({ModuleInterface::bootPage, oneByte(0), true});
    plan.image = emptyImage;
    return plan;
}

OperationPlan protection(const ModuleState &state, bool currentProtected, bool bootProtected)
{
    OperationPlan plan;
    if (currentProtected != state.isWriteProtected())
        plan.commands.append({currentFlags, flagsWith(state.currentFlags(), currentProtected), false});
    if (bootProtected != state.isBootProtected())
        plan.commands.append({bootFlags, flagsWith(state.bootFlags(), bootProtected), true});
    return plan;
}

QByteArray commentSlot(const QString &comment)
{
    QByteArray bytes = comment.toUtf8();
    if (bytes.size() > commentSize)
        return QByteArray();
    bytes.append(QByteArray(commentSize - bytes.size(), '\0'));
    return bytes;
}

QString networkAccessFailure(const HardwareSetup &setup)
{
    return QCoreApplication::translate("NetSetupDialog", "Can't access Kovix Module(%1:%2).\n")
               .arg(setup.targetAddress)
               .arg(setup.targetPort)
           + (setup.targetIsDefault()
                  ? QCoreApplication::translate(
                      "NetSetupDialog", "Please check network connectivity, and set DIP switch to ON.")
                  : QCoreApplication::translate(
                      "NetSetupDialog",
                      "Please push Default Button, or set target address and port correctly."));
}

}
