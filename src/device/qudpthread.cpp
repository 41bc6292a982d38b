// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/qudpthread.h"

#include "compiler/imagelayout.h"
#include "compiler/imageregisters.h"
#include "compiler/registerverifier.h"
#include "device/moduleinterface.h"
#include "model/operationerror.h"

#include <QHostAddress>
#include <QtEndian>
#include <algorithm>

using namespace ModuleInterface;

namespace {
constexpr int batchLimit = 256;  // a batch always stays below this many bytes
constexpr int romPollInterval = 100;  // ms
constexpr int commentFinalProgress = 2047;

struct VerifyArea
{
    quint32 address;
    int length;
};
constexpr VerifyArea verifyAreas[] = {
    {parameterBlock, parameterBlockSize}, {tableArea, tableSize},
    {tableArea + tableSize, tableSize},   {tableArea + 2 * tableSize, tableSize},
    {tableArea + 3 * tableSize, tableSize},
};

[[noreturn]] void fail(const QString &message)
{
    throw OperationError(message);
}

QString unableToRead()
{
    return QUdpThread::tr("TOLA: Unable to read");
}

QString unableToSend()
{
    return QUdpThread::tr("TOLA: Unable to send command");
}
}

QUdpThread::QUdpThread(QObject *parent)
    : QTola(parent)
{
}

void QUdpThread::setImage(const QByteArray &image, int verify)
{
    m_image = image;
    m_verify = verify;
}

void QUdpThread::setHardwareSetup(const HardwareSetup &setup)
{
    m_setup = setup;
    m_hasSetup = true;
}

void QUdpThread::addCommand(quint32 address, const QByteArray &bytes, bool eeprom)
{
    m_commandList.append({address, bytes});
    if (eeprom)
        m_eepromBracket = true;
}

void QUdpThread::setBlockRead(quint32 address, int length)
{
    m_nextAddress = address;
    m_bytesWritten = length;
}

void QUdpThread::setVersionRead(int mode)
{
    m_versionMode = mode;
}

void QUdpThread::setRomInfoRead(bool on)
{
    m_romInfo = on;
    m_versionMode = on ? 6 : 0;
}

void QUdpThread::setRomCommand(quint32 address, int progressRange)
{
    m_romCommand = address;
    m_progressRange = progressRange;
}

int QUdpThread::putByte(int value, quint32 address)
{
    reserve(address, 1);
    m_batch.append(char(value));
    return 1;
}

int QUdpThread::putShort(int value, quint32 address)
{
    reserve(address, 2);
    appendShort(m_batch, value);
    return 2;
}

int QUdpThread::putInt(int value, quint32 address)
{
    reserve(address, 4);
    appendInt(m_batch, value);
    return 4;
}

bool QUdpThread::reserve(quint32 address, int size)
{
    if (!m_batch.isEmpty() && (address != m_nextAddress || m_batch.size() + size >= batchLimit))
        flush();
    if (m_batch.isEmpty())
        m_batchStart = address;
    m_nextAddress = address + quint32(size);
    return true;
}

int QUdpThread::flush()
{
    if (isAborted())
        fail(tr("TOLA: Download Cancelled"));
    const int size = m_batch.size();
    if (size == 0)
        return 0;
    const int written = write(m_batchStart, m_batch.constData(), unsigned(size));
    m_batch.clear();
    if (written != size) {
        fail(written == -1 ? tr("QKvLink: %1 is not available.").arg(host().toString())
                           : tr("QKvLink: Error"));
    }
    m_bytesWritten += size;
    if (m_reportBytes)
        emit setProgress(m_bytesWritten);
    return size;
}

void QUdpThread::cancel()
{
    if (m_romCommand == 0)
        abort();
    else
        m_romCancel = true;
}

void QUdpThread::appendShort(QByteArray &bytes, int value)
{
    bytes.append(char(value >> 8));
    bytes.append(char(value));
}

void QUdpThread::appendInt(QByteArray &bytes, int value)
{
    appendShort(bytes, value >> 16);
    appendShort(bytes, value);
}

void QUdpThread::readBuffer(quint32 address, int length)
{
    m_batch.resize(length);
    readExact(address, m_batch.data(), unsigned(length));
}

void QUdpThread::run()
{
    if (!open())
        return;
    try {
        runOperation();
    } catch (const ErrSts &status) {
        m_failureStatus = status.code;
        m_detailLog += statusText(status);  // before another exchange changes the socket error
        closeEepromAfterFailure();
        emit error(&m_detailLog);
    } catch (const OperationError &failure) {
        const QString &message = failure.message();
        closeEepromAfterFailure();
        m_detailLog = message;
        emit error(&m_detailLog);
    } catch (...) {
        closeEepromAfterFailure();
        m_detailLog = tr("TOLA: Communication error");
        emit error(&m_detailLog);
    }
    close();
}

void QUdpThread::runOperation()
{
    if (m_versionMode != -1)
        readVersion();
    else if (m_bytesWritten != 0)
        readBlock();
    else if (m_hasSetup)
        writeNetworkModule();
    else if (m_romCommand != 0)
        runRomCommand();
    else if (!m_image.isEmpty() && m_verify != 0)
        return runVerify();
    else if (!m_image.isEmpty())
        download();
    else
        runCommandList();
    m_resultFlag = true;
}

void QUdpThread::readVersion()
{
    m_versionData.resize(versionSize);
    if (read(versionAddress, m_versionData.data(), versionSize) == 0)
        failRead(versionAddress, versionSize, 0);
    if (quint8(m_versionData[0]) == 0x20)
        m_versionData[0] = 0;
    if (qint8(m_versionData[0]) >= 2) {
        const quint8 flags = readFlagByte(currentFlags);
        m_versionData.append(char(flags));
        if (m_versionMode == 5) {
            m_versionData.append(char(readFlagByte(bootFlags)));
        } else if (m_romInfo && (flags & writableFlag)) {
            m_versionData.append(char(readFlagByte(bootPage)));
            QByteArray comments(commentAreaSize, '\0');
            readAll(commentArea, comments.data(), commentAreaSize);
            m_versionData.append(comments);
            if (!m_image.isEmpty())
                emit setResult(verify() ? 1 : 0);
        }
    }
    emit readData(&m_versionData);
}

void QUdpThread::readBlock()
{
    // A negative length reads nothing rather than a huge unsigned count.
    m_batch.resize(std::max(m_bytesWritten, 0));
    const int count = read(m_nextAddress, m_batch.data(), unsigned(m_batch.size()));
    if (count <= 0)
        failRead(m_nextAddress, int(m_batch.size()), count);
    // Only what the module actually returned is handed out.
    m_batch.truncate(count);
    emit readData(&m_batch);
}

void QUdpThread::download()
{
    m_batch.clear();
    m_bytesWritten = 0;
    if (m_image.size() != ImageLayout::imageSize)
        fail(tr("QKvLink: Error"));
    ImageRegisters::write(m_image, *this);
}

bool QUdpThread::verify()
{
    m_mismatchReport.clear();
    RegisterVerifier verifier(m_image);
    for (const VerifyArea &area : verifyAreas) {
        readBuffer(area.address, area.length);
        QString text;
        if (!verifier.compareArea(area.address, m_batch, text)) {
            m_mismatchReport += text;
            return true;
        }
    }
    return false;
}

void QUdpThread::runVerify()
{
    const bool matched = !verify();
    emit setHtml(&m_mismatchReport);
    m_resultFlag = matched;
    if (matched)
        fail(tr("Verify: The Register data is matched."));
    fail(tr("Verify: The Register data don't match.") + QLatin1String("\n")
         + tr("\nfirst mismatch at ") + m_mismatchReport);
}

void QUdpThread::runCommandList()
{
    if (m_eepromBracket) {
        if (!setEepromWriteEnable(true))
            fail(unableToSend());
        m_eepromOpen = true;
    }
    for (const Command &entry : std::as_const(m_commandList))
        writeCommandEntry(entry);
    if (m_eepromBracket) {
        m_eepromOpen = false;
        if (!setEepromWriteEnable(false))
            fail(unableToSend());
    }
}

bool QUdpThread::writeWhole(const Command &entry)
{
    const int size = entry.second.size();
    return write(entry.first, entry.second.constData(), unsigned(size)) == size;
}

void QUdpThread::writeCommandEntry(const Command &entry)
{
    if (!writeWhole(entry))
        fail(unableToSend());
}

void QUdpThread::writeEepromEntry(const Command &entry)
{
    if (!setEepromWriteEnable(true))
        fail(unableToSend());
    m_eepromOpen = true;
    writeCommandEntry(entry);
    m_eepromOpen = false;
    if (!setEepromWriteEnable(false))
        fail(unableToSend());
}

// Once the user cancelled, no further ROM command or boot-page write is
// started; the saving flag is still put back so that the module is left as it
// was found.
void QUdpThread::runRomCommand()
{
    m_romCancel = false;
    const quint32 command = m_romCommand;
    quint8 flags = 0;
    if (command < 0x8060)
        markSaving(flags);
    if (!m_commandList.isEmpty()) {
        const bool eepromOnly = m_eepromBracket && m_commandList.size() == 1;
        if (!eepromOnly) {
            writeCommandEntry(m_commandList.first());
            sendByte(romCommentCommand, romTrigger);
            waitReady(commentFinalProgress, m_progressRange != 0);
        }
        if (m_eepromBracket && !m_romCancel)
            writeEepromEntry(m_commandList.at(eepromOnly ? 0 : 1));
    }
    if (!m_romCancel && m_progressRange != 0)
        sendRomCommand(command, m_progressRange);
    else if (!m_romCancel)
        initialiseRom();
    if (command <= 0x806F)
        clearSaving(flags);
}

void QUdpThread::markSaving(quint8 &flags)
{
    flags = readFlagByte(currentFlags);
    if (!(flags & savingFlag))
        sendByte(currentFlags, flags | savingFlag);
}

void QUdpThread::clearSaving(quint8 flags)
{
    sendByte(currentFlags, flags & ~savingFlag);
    const quint8 boot = readFlagByte(bootFlags);
    if ((boot & savingFlag) && setEepromWriteEnable(true)) {
        m_eepromOpen = true;
        sendByte(bootFlags, boot & ~savingFlag);
        m_eepromOpen = false;
        if (!setEepromWriteEnable(false))
            fail(unableToSend());
    }
}

void QUdpThread::sendRomCommand(quint32 command, int range)
{
    sendByte(command, romTrigger);
    waitReady(range, true);
}

// Progress runs 1..17 here (image written, then one step per page), so the
// byte count of the image download is not reported.
void QUdpThread::initialiseRom()
{
    m_reportBytes = false;
    download();
    emit setProgress(1);
    for (int page = 0; page < romPageCount && !m_romCancel; ++page) {
        sendByte(romSaveCommand + quint32(page), romTrigger);
        waitReady(0x4000, false);
        emit setProgress(page + 2);
    }
}

int QUdpThread::waitReady(int finalValue, bool report)
{
    while (!m_romCancel) {
        msleep(romPollInterval);
        QByteArray status(romStatusSize, '\0');
        readAll(romStatus, status.data(), romStatusSize);
        const bool busy = status[0] != 0;
        const int progress = busy ? int(qFromBigEndian<quint32>(status.constData() + 3)) : finalValue;
        if (report)
            emit setProgress(progress);
        if (!busy)
            return progress;
    }
    sendByte(romAbort, romTrigger);
    return finalValue;
}

// Protocol failures here become the module-level messages, which tell the user
// what to check; a cancel stays a cancel.
void QUdpThread::writeNetworkModule()
{
    const QVector<Command> writes = networkWrites();
    const QString port = QString::number(m_setup.targetPort);
    if (!succeeds([this] { return setEepromWriteEnable(true); })) {
        fail(tr("Can't access Kovix Module(%1:%2).\n").arg(m_setup.targetAddress, port)
             + (m_setup.targetIsDefault()
                    ? tr("Please check network connectivity, and set DIP switch to ON.")
                    : tr("Please push Default Button, or set target address and port correctly.")));
    }
    m_eepromOpen = true;
    for (const Command &entry : writes) {
        if (!succeeds([&] { return writeWhole(entry); }))
            fail(tr("Can't Write Kovix Module(%1:%2)").arg(m_setup.targetAddress, port));
    }
    m_eepromOpen = false;
    setEepromWriteEnable(false);
}

// New IP address, TCP data port and UDP port, in the order they are written.
QVector<QUdpThread::Command> QUdpThread::networkWrites()
{
    bool valid = false;
    const quint32 address = QHostAddress(m_setup.newAddress).toIPv4Address(&valid);
    if (!valid || m_setup.newAddress.split(QLatin1Char('.')).size() != 4)
        fail(m_setup.newAddress + tr(" is invalid address."));
    QVector<Command> writes{{networkAddress, {}}, {networkTcpPort, {}}, {networkUdpPort, {}}};
    appendInt(writes[0].second, int(address));
    appendShort(writes[1].second, m_setup.newTcpPort);
    appendShort(writes[2].second, m_setup.newUdpPort);
    return writes;
}

bool QUdpThread::succeeds(const std::function<bool()> &exchange)
{
    try {
        return exchange();
    } catch (const ErrSts &status) {
        if (status.code == Aborted)
            throw;
        return false;
    }
}

// A failure inside an EEPROM write-enable bracket must not leave the EEPROM
// writable: one best-effort attempt to withdraw the enable.
void QUdpThread::closeEepromAfterFailure()
{
    if (!m_eepromOpen || isAborted())
        return;
    m_eepromOpen = false;
    const QString kept = m_detailLog;
    try {
        setEepromWriteEnable(false);
    } catch (...) {
    }
    m_detailLog = kept;
}

quint8 QUdpThread::readFlagByte(quint32 address)
{
    char value = 0;
    readAll(address, &value, 1);
    return quint8(value);
}

void QUdpThread::readAll(quint32 address, char *dest, int length)
{
    const int count = read(address, dest, unsigned(length));
    if (count != length)
        failRead(address, length, count);
}

void QUdpThread::failRead(quint32 address, int length, int count)
{
    fail(readFailureDetail(address, unsigned(std::max(length, 0)), count) + unableToRead());
}

void QUdpThread::sendByte(quint32 address, quint8 value)
{
    if (writeByte(address, char(value)) != 1)
        fail(unableToSend());
}
