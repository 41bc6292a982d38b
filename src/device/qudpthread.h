// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "compiler/batchwriter.h"
#include "device/hardwaresetup.h"
#include "device/qtola.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <functional>
#include <utility>

// Worker that runs one module operation per object: configure exactly one
// operation, setHost/setTimeout, start(), delete after closed(bool). It never
// asks the user anything. Pointer arguments of its signals point into this
// object. A design arrives as its compiled image (ImageLayout::imageSize
// bytes), so the worker never reads the document.
class QUdpThread : public QTola, public BatchWriter
{
    Q_OBJECT

public:
    explicit QUdpThread(QObject *parent = nullptr);

    // With verify 0 the image is downloaded, otherwise read back and
    // compared; with a ROM information read it is compared too.
    virtual void setImage(const QByteArray &image, int verify);
    virtual void setHardwareSetup(const HardwareSetup &setup);
    virtual void addCommand(quint32 address, const QByteArray &bytes, bool eeprom);
    virtual void setBlockRead(quint32 address, int length);
    virtual void setVersionRead(int mode);
    virtual void setRomInfoRead(bool on);
    virtual void setRomCommand(quint32 address, int progressRange);

    // BatchWriter: registers in ascending order, grouped into batches of
    // consecutive addresses below 256 bytes.
    int putByte(int value, quint32 address) override;
    int putShort(int value, quint32 address) override;
    int putInt(int value, quint32 address) override;
    int flush() override;

    int bytesWritten() const { return m_bytesWritten; }

public slots:
    void cancel();

signals:
    void setProgress(int value);
    void readData(QByteArray *data);
    void setHtml(QString *html);
    void setResult(int result);

protected:
    void run() override;

    virtual int waitReady(int finalValue, bool report);
    virtual void readBuffer(quint32 address, int length);
    virtual void appendShort(QByteArray &bytes, int value);
    virtual void appendInt(QByteArray &bytes, int value);
    virtual bool reserve(quint32 address, int size);
    virtual bool verify();

private:
    using Command = std::pair<quint32, QByteArray>;

    void runOperation();
    void readVersion();
    void readBlock();
    void download();
    void runVerify();
    void runCommandList();
    void runRomCommand();
    void sendRomCommand(quint32 command, int range);
    void initialiseRom();
    void markSaving(quint8 &flags);
    void clearSaving(quint8 flags);
    bool writeWhole(const Command &entry);
    void writeCommandEntry(const Command &entry);
    void writeEepromEntry(const Command &entry);
    void writeNetworkModule();
    QVector<Command> networkWrites();
    // False when the exchange reports failure or raises a protocol error.
    bool succeeds(const std::function<bool()> &exchange);
    void closeEepromAfterFailure();
    quint8 readFlagByte(quint32 address);
    // Fails with "TOLA: Unable to read", led by the address and lengths,
    // unless all length bytes arrive.
    void readAll(quint32 address, char *dest, int length);
    [[noreturn]] void failRead(quint32 address, int length, int count);
    void sendByte(quint32 address, quint8 value);

    QVector<Command> m_commandList;
    QByteArray m_image;
    HardwareSetup m_setup;
    bool m_hasSetup = false;
    int m_verify = 0;
    QByteArray m_batch;
    QByteArray m_versionData;
    quint32 m_batchStart = 0;
    quint32 m_nextAddress = 0;   // also the block-read address
    quint32 m_romCommand = 0;
    std::atomic<bool> m_romCancel{false};
    int m_versionMode = -1;
    bool m_romInfo = false;
    bool m_eepromBracket = false;
    bool m_eepromOpen = false;   // write enable sent and not yet withdrawn
    int m_progressRange = 0;
    int m_bytesWritten = 0;      // before start: non-zero selects a block read
    bool m_reportBytes = true;   // byte progress, off while initialising ROM pages
    QString m_mismatchReport;
};
