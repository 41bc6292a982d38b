// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/simromstore.h"

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QtGlobal>
#include <array>

// The module's 32-bit register space as the simulator serves it. Mapped:
// 0x0000..0x3FFF (version read-only), the ROM command block 0x8000..0x807F,
// the network core's EEPROM 0xFFFFFC00..0xFFFFFCFF and its control registers
// 0xFFFFFF00..0xFFFFFFFF; anything else is a bus error. Thread-safe: the
// servers use it on the simulator thread, tests peek and poke from theirs.
class SimRegisterSpace
{
public:
    SimRegisterSpace(const QByteArray &version, int romCommandMs, const QString &stateFile);

    // False = bus error (unmapped, read-only, write-protected, EEPROM locked,
    // a ROM command while another one runs, or a save to a ROM page while the
    // saving flag, bit 1 of the current flags, is clear).
    bool read(quint32 address, int length, QByteArray &data);
    bool write(quint32 address, const QByteArray &data);

    // Test access without side effects or protection; unmapped bytes read 0.
    QByteArray peek(quint32 address, int length);
    void poke(quint32 address, const QByteArray &data);

    // Boot-time state: flags and boot page from EEPROM, comments and the boot
    // page's registers from ROM; counters stopped.
    void powerUp();
    bool counterRunning(int counter);
    bool romBusy();

private:
    char *locate(quint32 address, int length);
    bool writeApplication(quint32 address, const QByteArray &data);
    bool writeCommand(quint32 address, quint8 value);
    bool writeEeprom(quint32 address, const QByteArray &data);
    bool writeCore(quint32 address, const QByteArray &data);
    void settle();
    void finishRomCommand(quint32 command);
    void restorePage(int page);
    bool isWritable() const;
    void loadState();
    void saveState() const;

    QMutex m_mutex;
    QByteArray m_application;  // 0x0000..0x3FFF
    QByteArray m_eeprom;       // 0xFFFFFC00..0xFFFFFCFF
    QByteArray m_core;         // 0xFFFFFF00..0xFFFFFFFF
    SimRomStore m_rom;
    std::array<bool, 4> m_counters{};
    QString m_stateFile;
};
