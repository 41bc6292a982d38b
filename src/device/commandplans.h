// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/operationplan.h"

#include <QList>
#include <QString>

class ModuleState;

// The module's command sequences, shared by the program and the command-line
// tool. Progress maxima are those the program's progress dialogs show.
namespace CommandPlans {

enum class StateRead {
    Flags,       // version and current protection flags
    Protection,  // also the boot protection flags
    RomInfo,     // also the boot page and the sixteen page comments
};

constexpr int romProgressRange = 0x4000;
constexpr int romProgressMaximum = 16385;
constexpr int initialiseSteps = 17;  // the register download and sixteen pages

// First stage of a command. With a compiled design (RomInfo only) the module
// is also compared with it and the result reports 0 (equal) or 1.
OperationPlan stateRead(StateRead kind, const QByteArray &image = QByteArray());
// image: a compiled design, ImageLayout::imageSize bytes.
OperationPlan download(const QByteArray &image);
OperationPlan verify(const QByteArray &image);
OperationPlan versionRead();
OperationPlan networkRead();
OperationPlan networkWrite(const HardwareSetup &setup);
// Starts or stops measure counters 0..3.
OperationPlan counterControl(const QList<int> &counters, bool start);

// commentSlot empty: the comment is not written. bootPage -1: unchanged.
OperationPlan romSave(int page, const QByteArray &commentSlot, int bootPage);
OperationPlan romRestore(int page);
OperationPlan bootPage(int page);
// Clears every comment, the boot page (when not 0 already) and every page,
// reloading the registers from emptyImage, the image of an empty design.
OperationPlan romInitialise(const ModuleState &state, const QByteArray &emptyImage);
// Empty plan (no command) when nothing changes.
OperationPlan protection(const ModuleState &state, bool currentProtected, bool bootProtected);

// A comment slot for page storage: UTF-8, zero-padded to 112 bytes; empty
// when the text does not fit.
QByteArray commentSlot(const QString &comment);

// "Can't access Kovix Module(…)" with the DIP-switch or Default-button hint.
QString networkAccessFailure(const HardwareSetup &setup);

}
