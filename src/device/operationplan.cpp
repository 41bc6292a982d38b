// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/operationplan.h"

#include "device/qudpthread.h"

void OperationPlan::configure(QUdpThread &worker) const
{
    if (versionMode >= 0)
        worker.setVersionRead(versionMode);
    if (romInfo)
        worker.setRomInfoRead(true);
    if (blockLength != 0)
        worker.setBlockRead(blockAddress, blockLength);
    if (!image.isEmpty())
        worker.setImage(image, verify ? 1 : 0);
    for (const Command &command : commands)
        worker.addCommand(command.address, command.bytes, command.eeprom);
    if (romCommand != 0)
        worker.setRomCommand(romCommand, progressRange);
    if (setup)
        worker.setHardwareSetup(*setup);
}
