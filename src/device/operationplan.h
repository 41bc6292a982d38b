// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/hardwaresetup.h"

#include <QByteArray>
#include <QVector>
#include <optional>

class QUdpThread;

// One module operation as a plain value: what a fresh device worker is
// configured with. Exactly one kind of operation is set; the worker picks
// the first of: state read, block read, network write, ROM command,
// design transfer, command list.
struct OperationPlan
{
    struct Command
    {
        quint32 address = 0;
        QByteArray bytes;
        bool eeprom = false;  // written inside the EEPROM write-enable bracket
    };

    int versionMode = -1;  // 0, 5 or 6: state read
    bool romInfo = false;  // with mode 6: boot page and comments too
    quint32 blockAddress = 0;
    int blockLength = 0;   // non-zero: block read
    // A compiled design (ImageLayout::imageSize bytes); empty: none.
    QByteArray image;
    bool verify = false;
    QVector<Command> commands;
    quint32 romCommand = 0;
    int progressRange = 0;
    std::optional<HardwareSetup> setup;

    void configure(QUdpThread &worker) const;
};
