// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/registerverifier.h"
#include "model/operationerror.h"

#include <QByteArray>

RegisterVerifier::RegisterVerifier(const DesignModel &model)
    : m_model(model)
{
}

void RegisterVerifier::assignUnits()
{
    m_image.assignUnits(m_model);
}

bool RegisterVerifier::compareArea(quint32 baseAddress, const QByteArray &bytes,
                                   QString &mismatchText)
{
    switch (baseAddress) {
    case RegisterImage::ParameterBase:
        return compareUnitBlock(bytes, mismatchText);
    case RegisterImage::PreLogicBase:
        return comparePreLogicTable(bytes, mismatchText);
    case RegisterImage::OutputTableBase:
        return compareOutputTable(bytes, mismatchText);
    case RegisterImage::FeedbackTableBase:
        return compareFeedbackTable(bytes, mismatchText);
    case RegisterImage::CounterTableBase:
        return compareCounterTable(bytes, mismatchText);
    default:
        throw OperationError(tr("Verify: no register area starts at 0x%1.")
                                 .arg(baseAddress, 8, 16, QLatin1Char('0')));
    }
}

bool RegisterVerifier::compareUnitBlock(const QByteArray &bytes, QString &mismatchText)
{
    const quint32 base = RegisterImage::ParameterBase;
    requireLength(base, bytes, int(RegisterImage::ReservedBase - base));
    for (const RegisterImage::Register &reg : m_image.parameterRegisters()) {
        if (!compareValue(base, bytes, reg.address, reg.width, reg.value, mismatchText,
                          2 * reg.width))
            return false;
    }
    return true;
}

bool RegisterVerifier::comparePreLogicTable(const QByteArray &bytes, QString &mismatchText)
{
    const quint32 base = RegisterImage::PreLogicBase;
    requireLength(base, bytes, 2 * RegisterImage::PreLogicEntries);
    for (int offset = 0; offset < 2 * RegisterImage::PreLogicEntries; offset += 2) {
        if (!compareValue(base, bytes, base + quint32(offset), 2, m_image.preLogicWord(offset),
                          mismatchText, TableEntryDigits))
            return false;
    }
    return true;
}

bool RegisterVerifier::compareOutputTable(const QByteArray &bytes, QString &mismatchText)
{
    return compareByteTable(RegisterImage::OutputTableBase, &RegisterImage::outputByte, bytes,
                            mismatchText);
}

bool RegisterVerifier::compareFeedbackTable(const QByteArray &bytes, QString &mismatchText)
{
    return compareByteTable(RegisterImage::FeedbackTableBase, &RegisterImage::feedbackByte, bytes,
                            mismatchText);
}

bool RegisterVerifier::compareCounterTable(const QByteArray &bytes, QString &mismatchText)
{
    return compareByteTable(RegisterImage::CounterTableBase, &RegisterImage::counterByte, bytes,
                            mismatchText);
}

bool RegisterVerifier::compareByteTable(quint32 base, ByteGenerator generator,
                                        const QByteArray &bytes, QString &mismatchText)
{
    requireLength(base, bytes, RegisterImage::TableEntries);
    for (int a = 0; a < RegisterImage::TableEntries; ++a) {
        if (!compareValue(base, bytes, base + quint32(a), 1, (m_image.*generator)(a),
                          mismatchText, TableEntryDigits))
            return false;
    }
    return true;
}

bool RegisterVerifier::compareValue(quint32 base, const QByteArray &bytes, quint32 address,
                                    int width, quint32 expected, QString &mismatchText,
                                    int digits) const
{
    quint32 read = 0;
    const int offset = int(address - base);
    for (int i = 0; i < width; ++i)
        read = (read << 8) | quint8(bytes.at(offset + i));
    if (read == expected)
        return true;
    mismatchText += mismatchEntry(address, expected, read, digits);
    return false;
}

// A short read-back is a transfer fault, not a difference: comparing past the
// end would invent register contents.
void RegisterVerifier::requireLength(quint32 base, const QByteArray &bytes, int length) const
{
    if (bytes.size() < length) {
        throw OperationError(tr("Verify: only %1 of %2 bytes were read at 0x%3.")
                                 .arg(bytes.size())
                                 .arg(length)
                                 .arg(base, 8, 16, QLatin1Char('0')));
    }
}

QString RegisterVerifier::mismatchEntry(quint32 address, quint32 expected, quint32 read, int digits)
{
    return tr("address 0x%1\n").arg(address, 8, 16, QLatin1Char('0'))
           + tr("current:%1  ").arg(expected, digits, 16, QLatin1Char('0'))
           + tr("register:%1\n").arg(read, digits, 16, QLatin1Char('0'));
}
