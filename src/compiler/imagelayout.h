// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Where the compiled image lies in the module's register space (byte
// addresses). The image is the parameter block followed by the four tables;
// the compiler writes it, the device worker sends and reads it back.
namespace ImageLayout {
constexpr quint32 parameterBlock = 0x0004;
constexpr int parameterBlockSize = 100;
// The last four bytes of the parameter block: the counters' start/stop
// control, written as zeros with the image.
constexpr quint32 counterControl = 0x0064;
constexpr quint32 tableArea = 0x2000;
constexpr int tableSize = 0x800;
constexpr int tableCount = 4;
// The four tables in address order: pre-logic (1024 16-bit words), NIM
// outputs, feedback lines, measure counters (2048 bytes each).
constexpr quint32 preLogicTable = tableArea;
constexpr quint32 outputTable = tableArea + tableSize;
constexpr quint32 feedbackTable = tableArea + 2 * tableSize;
constexpr quint32 counterTable = tableArea + 3 * tableSize;
// The parameter block, then the tables: 8292 bytes.
constexpr int imageSize = parameterBlockSize + tableSize * tableCount;
}
