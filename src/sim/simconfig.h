// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/faultplan.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// How the module simulator is set up. Ports 0 pick any free port.
struct SimConfig
{
    quint16 udpPort = 0;
    quint16 tcpPort = 0;
    // Version block at 0x0000; byte 0 above 1 offers ROM pages and protection.
    QByteArray version = QByteArray::fromHex("02010000");
    int romCommandMs = 300;     // how long a ROM command keeps the module busy
    int streamIntervalMs = 100; // one record per running counter per interval
    QString stateFile;          // EEPROM and ROM pages; empty = not kept
    quint32 seed = 1;           // of the fault generator and the random inputs
    // Run the held register image in real time and stream what its measure
    // counters count (LiveDesign); off: made-up counter values.
    bool runsDesign = false;
    QStringList rates;          // "IN=RATE[,WIDTH]"; empty = the used inputs at 1 kHz
    QByteArray designImage;     // held from the start as if downloaded; empty = none
    FaultPlan faults;
};
