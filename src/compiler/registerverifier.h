// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "compiler/registerimage.h"

#include <QCoreApplication>
#include <QString>

class DesignModel;
class QByteArray;

// Compares register areas read back from the module with the values the
// design asks for. Runs on the device worker thread; the design must stay
// unchanged until the worker is done. Expression errors of the design are
// thrown as message texts (QString), like a short read-back buffer.
class RegisterVerifier
{
    Q_DECLARE_TR_FUNCTIONS(RegisterVerifier)

public:
    explicit RegisterVerifier(const DesignModel &model);

    // Recomputes the unit placement; call once before the first comparison.
    void assignUnits();

    // bytes[0] is the register at baseAddress. Dispatches on the base address
    // of the five read-back areas (0x0004, 0x2000, 0x2800, 0x3000, 0x3800).
    // Returns true when the whole area matches; otherwise appends one entry
    // for the first difference to mismatchText and returns false.
    bool compareArea(quint32 baseAddress, const QByteArray &bytes, QString &mismatchText);

    // 100 bytes from 0x0004; 0x0064..0x0067 are not compared.
    bool compareUnitBlock(const QByteArray &bytes, QString &mismatchText);
    // 0x800 bytes from 0x2000: 1024 big-endian 16-bit entries.
    bool comparePreLogicTable(const QByteArray &bytes, QString &mismatchText);
    // 0x800 bytes each from 0x2800, 0x3000 and 0x3800.
    bool compareOutputTable(const QByteArray &bytes, QString &mismatchText);
    bool compareFeedbackTable(const QByteArray &bytes, QString &mismatchText);
    bool compareCounterTable(const QByteArray &bytes, QString &mismatchText);

    // One report entry; values are zero-padded to at least `digits` hex digits.
    static QString mismatchEntry(quint32 address, quint32 expected, quint32 read, int digits);

private:
    using ByteGenerator = quint8 (RegisterImage::*)(int) const;

    // Table entries are padded like bytes, the 16-bit pre-logic words too;
    // unit-block values by their width.
    static constexpr int TableEntryDigits = 2;

    bool compareByteTable(quint32 base, ByteGenerator generator, const QByteArray &bytes,
                          QString &mismatchText);
    bool compareValue(quint32 base, const QByteArray &bytes, quint32 address, int width,
                      quint32 expected, QString &mismatchText, int digits) const;
    void requireLength(quint32 base, const QByteArray &bytes, int length) const;

    const DesignModel &m_model;
    RegisterImage m_image;
};
