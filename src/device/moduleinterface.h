// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "compiler/imagelayout.h"

#include <QtGlobal>

// Register addresses the program relies on in the module. Values are big-endian
// on the wire; the 0xFFFFFCxx range is the network core's EEPROM and the
// 0xFFFFFFxx range its live control registers.
namespace ModuleInterface {
// Register access datagram: version/type, command/flags, id, length, 32-bit
// address, then the data of a write or of a read reply.
constexpr int tolaHeaderSize = 8;
constexpr quint8 tolaVersion = 0xFF;
constexpr quint8 tolaReadCommand = 0xC0;
constexpr quint8 tolaWriteCommand = 0x80;
constexpr quint8 tolaBusErrorBit = 0x01;  // in the command byte of a reply
constexpr int tolaIdCount = 128;          // request ids run 0..127

constexpr quint32 versionAddress = 0x0000;
constexpr int versionSize = 4;
constexpr quint32 parameterBlock = ImageLayout::parameterBlock;
constexpr int parameterBlockSize = ImageLayout::parameterBlockSize;
constexpr quint32 counterControl = ImageLayout::counterControl; // + counter 0..3: 0x80 start, 0x00 stop
constexpr quint32 commentArea = 0x0100;
constexpr int commentSize = 112;             // bytes per ROM page comment
constexpr int romPageCount = 16;
constexpr int commentAreaSize = commentSize * romPageCount;
constexpr quint32 tableArea = ImageLayout::tableArea;
constexpr int tableSize = ImageLayout::tableSize;
constexpr int tableCount = ImageLayout::tableCount;
constexpr quint32 preLogicTable = ImageLayout::preLogicTable;
constexpr quint32 outputTable = ImageLayout::outputTable;
constexpr quint32 feedbackTable = ImageLayout::feedbackTable;
constexpr quint32 counterTable = ImageLayout::counterTable;
constexpr int imageSize = ImageLayout::imageSize;

constexpr quint32 romAbort = 0x8000;
constexpr quint32 romStatus = 0x8001;        // byte 0 busy, bytes 3..6 progress
constexpr int romStatusSize = 7;
constexpr quint32 romCommentCommand = 0x8040;
constexpr quint32 romSaveCommand = 0x8050;   // + page
constexpr quint32 romRestoreCommand = 0x8070; // + page
constexpr quint8 romTrigger = 0xFF;

constexpr quint32 currentFlags = 0xFFFFFF3C; // bit 0 set = writable, bit 1 = saving
constexpr quint32 bootFlags = 0xFFFFFC3C;
constexpr quint32 bootPage = 0xFFFFFC3E;
constexpr quint32 networkSettings = 0xFFFFFC12;
constexpr int networkSettingsSize = 30;
constexpr quint32 networkAddress = 0xFFFFFC18;
constexpr quint32 networkTcpPort = 0xFFFFFC1C;
constexpr quint32 networkUdpPort = 0xFFFFFC22;
constexpr quint32 eepromWriteEnable = 0xFFFFFCFF; // 0x00 enabled, 0xFF disabled

constexpr quint8 writableFlag = 0x01;
constexpr quint8 savingFlag = 0x02;
}
