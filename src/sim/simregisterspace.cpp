// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/simregisterspace.h"

#include "device/moduleinterface.h"
#include "io/safefilewriter.h"

#include <QDataStream>
#include <QDebug>
#include <QFile>
#include <QMutexLocker>
#include <cstring>

using namespace ModuleInterface;

namespace {
constexpr quint32 applicationSize = 0x4000;
constexpr quint32 commandBase = 0x8000;
constexpr quint32 commandSize = 0x80;
constexpr quint32 eepromBase = 0xFFFFFC00;
constexpr quint32 coreBase = 0xFFFFFF00;
constexpr quint32 regionSize = 0x100;
constexpr quint32 stateMagic = 0x4B585331;

bool inside(quint32 address, int length, quint32 base, quint32 size)
{
    const quint64 start = address;
    return start >= base && start + quint64(length) <= quint64(base) + size;
}

// Factory settings of the network core: a locally administered MAC address,
// loopback address, data port 24, command port 23, MSS 1460, UDP port 4660,
// then keep-alive and time-out values in milliseconds (disconnect in 256 ms).
QByteArray defaultEeprom()
{
    QByteArray eeprom(regionSize, '\0');
    const QByteArray network = QByteArray::fromHex(
        "020000000001" "7f000001" "0018" "0017" "05b4" "1234"
        "03e8" "2710" "0bb8" "0002" "03e8" "01f4");
    eeprom.replace(int(networkSettings - eepromBase), network.size(), network);
    eeprom[int(bootFlags - eepromBase)] = char(writableFlag);
    eeprom[int(bootPage - eepromBase)] = 0;
    eeprom[int(eepromWriteEnable - eepromBase)] = char(0xFF);
    return eeprom;
}
}

SimRegisterSpace::SimRegisterSpace(const QByteArray &version, int romCommandMs,
                                   const QString &stateFile)
    : m_application(applicationSize, '\0')
    , m_eeprom(defaultEeprom())
    , m_core(regionSize, '\0')
    , m_rom(romCommandMs)
    , m_stateFile(stateFile)
{
    m_application.replace(0, versionSize, version.left(versionSize).leftJustified(versionSize, '\0'));
    loadState();
    powerUp();
}

char *SimRegisterSpace::locate(quint32 address, int length)
{
    if (inside(address, length, 0, applicationSize))
        return m_application.data() + address;
    if (inside(address, length, eepromBase, regionSize))
        return m_eeprom.data() + (address - eepromBase);
    if (inside(address, length, coreBase, regionSize))
        return m_core.data() + (address - coreBase);
    return nullptr;
}

bool SimRegisterSpace::read(quint32 address, int length, QByteArray &data)
{
    QMutexLocker lock(&m_mutex);
    settle();
    if (inside(address, length, commandBase, commandSize)) {
        QByteArray block(commandSize, '\0');
        block.replace(int(romStatus - commandBase), romStatusSize, m_rom.status());
        data = block.mid(int(address - commandBase), length);
        return true;
    }
    const char *source = locate(address, length);
    if (!source || length <= 0)
        return false;
    data = QByteArray(source, length);
    return true;
}

bool SimRegisterSpace::write(quint32 address, const QByteArray &data)
{
    QMutexLocker lock(&m_mutex);
    settle();
    if (data.isEmpty())
        return false;
    if (inside(address, data.size(), 0, applicationSize))
        return writeApplication(address, data);
    if (inside(address, data.size(), commandBase, commandSize))
        return data.size() == 1 && writeCommand(address, quint8(data[0]));
    if (inside(address, data.size(), eepromBase, regionSize))
        return writeEeprom(address, data);
    if (inside(address, data.size(), coreBase, regionSize))
        return writeCore(address, data);
    return false;
}

bool SimRegisterSpace::writeApplication(quint32 address, const QByteArray &data)
{
    if (address < versionSize || !isWritable())
        return false;
    std::memcpy(m_application.data() + address, data.constData(), size_t(data.size()));
    for (int n = 0; n < int(m_counters.size()); ++n)
        m_counters[size_t(n)] = quint8(m_application[int(counterControl) + n]) & 0x80;
    return true;
}

bool SimRegisterSpace::writeCommand(quint32 address, quint8 value)
{
    if (address == romAbort) {
        if (value == romTrigger)
            m_rom.abort();
        return true;
    }
    const bool isSave = address >= romSaveCommand && address < romSaveCommand + romPageCount;
    const bool isCommand = isSave || address == romCommentCommand
        || (address >= romRestoreCommand && address < romRestoreCommand + romPageCount);
    if (!isCommand || !isWritable())
        return false;
    if (value != romTrigger)
        return true;
    // Saving to a page is only taken while the saving flag is raised.
    if (isSave && !(quint8(m_core[int(currentFlags - coreBase)]) & savingFlag))
        return false;
    return m_rom.begin(address);
}

bool SimRegisterSpace::writeEeprom(quint32 address, const QByteArray &data)
{
    const bool isEnable = address == eepromWriteEnable && data.size() == 1;
    const bool locked = m_eeprom[int(eepromWriteEnable - eepromBase)] != 0;
    if (!isEnable && (locked || address + quint32(data.size()) > eepromWriteEnable))
        return false;
    std::memcpy(locate(address, data.size()), data.constData(), size_t(data.size()));
    if (!isEnable)
        saveState();
    return true;
}

bool SimRegisterSpace::writeCore(quint32 address, const QByteArray &data)
{
    if (address != currentFlags || data.size() != 1)
        return false;
    m_core[int(currentFlags - coreBase)] = data[0];
    return true;
}

QByteArray SimRegisterSpace::peek(quint32 address, int length)
{
    QMutexLocker lock(&m_mutex);
    settle();
    const char *source = locate(address, length);
    return source ? QByteArray(source, length) : QByteArray(length, '\0');
}

void SimRegisterSpace::poke(quint32 address, const QByteArray &data)
{
    QMutexLocker lock(&m_mutex);
    if (char *target = locate(address, data.size()))
        std::memcpy(target, data.constData(), size_t(data.size()));
}

void SimRegisterSpace::settle()
{
    if (const quint32 command = m_rom.takeFinished())
        finishRomCommand(command);
}

void SimRegisterSpace::finishRomCommand(quint32 command)
{
    if (command == romCommentCommand)
        m_rom.storeComments(m_application.mid(int(commentArea), commentAreaSize));
    else if (command < romRestoreCommand)
        m_rom.storePage(int(command - romSaveCommand), m_application);
    else
        restorePage(int(command - romRestoreCommand));
    saveState();
}

// The version and the page comments are not part of a page.
void SimRegisterSpace::restorePage(int page)
{
    if (!m_rom.hasPage(page))
        return;
    const QByteArray &stored = m_rom.page(page);
    const QByteArray comments = m_application.mid(int(commentArea), commentAreaSize);
    const QByteArray version = m_application.left(versionSize);
    m_application = stored;
    m_application.replace(0, versionSize, version);
    m_application.replace(int(commentArea), commentAreaSize, comments);
    for (int n = 0; n < int(m_counters.size()); ++n)
        m_counters[size_t(n)] = quint8(m_application[int(counterControl) + n]) & 0x80;
}

void SimRegisterSpace::powerUp()
{
    QMutexLocker lock(&m_mutex);
    m_rom.abort();
    const QByteArray version = m_application.left(versionSize);
    m_application.fill('\0');
    m_application.replace(0, versionSize, version);
    m_application.replace(int(commentArea), commentAreaSize, m_rom.comments());
    m_core.fill('\0');
    m_core[int(currentFlags - coreBase)] =
        char(quint8(m_eeprom[int(bootFlags - eepromBase)]) & ~savingFlag);
    m_eeprom[int(eepromWriteEnable - eepromBase)] = char(0xFF);
    m_counters.fill(false);
    restorePage(quint8(m_eeprom[int(bootPage - eepromBase)]) % romPageCount);
    m_counters.fill(false);
}

bool SimRegisterSpace::counterRunning(int counter)
{
    QMutexLocker lock(&m_mutex);
    return counter >= 0 && counter < int(m_counters.size()) && m_counters[size_t(counter)];
}

bool SimRegisterSpace::romBusy()
{
    QMutexLocker lock(&m_mutex);
    settle();
    return m_rom.isBusy();
}

bool SimRegisterSpace::isWritable() const
{
    return quint8(m_core[int(currentFlags - coreBase)]) & writableFlag;
}

void SimRegisterSpace::loadState()
{
    QFile file(m_stateFile);
    if (m_stateFile.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0;
    QByteArray eeprom;
    stream >> magic >> eeprom;
    if (magic != stateMagic || eeprom.size() != int(regionSize))
        return;
    SimRomStore rom(0);
    rom.load(stream);
    if (stream.status() != QDataStream::Ok)
        return;
    m_eeprom = eeprom;
    for (int page = 0; page < romPageCount; ++page) {
        if (rom.page(page).size() == int(applicationSize))
            m_rom.storePage(page, rom.page(page));
    }
    m_rom.storeComments(rom.comments());
}

// Saved by the program's rule, so that a crash never leaves half a state.
void SimRegisterSpace::saveState() const
{
    if (m_stateFile.isEmpty())
        return;
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_4);
    stream << stateMagic << m_eeprom;
    m_rom.save(stream);
    const QString problem = SafeFileWriter::save(m_stateFile, bytes);
    if (!problem.isEmpty())
        qWarning().noquote() << "karix-sim: cannot save" << m_stateFile << ":" << problem;
}
