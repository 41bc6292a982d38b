// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/registerverifier.h"

#include "compiler/imagelayout.h"
#include "compiler/imageregisters.h"
#include "model/operationerror.h"

RegisterVerifier::RegisterVerifier(const QByteArray &image)
    : m_image(image)
{
}

// The counter start/stop bytes that end the parameter block are not compared.
bool RegisterVerifier::compareArea(quint32 baseAddress, const QByteArray &bytes,
                                   QString &mismatchText)
{
    using namespace ImageLayout;
    if (baseAddress == parameterBlock)
        return compareFields(baseAddress, counterControl, bytes, mismatchText, true);
    for (int table = 0; table < tableCount; ++table) {
        const quint32 base = tableArea + quint32(table * tableSize);
        if (baseAddress == base)
            return compareFields(base, base + tableSize, bytes, mismatchText, false);
    }
    throw OperationError(tr("Verify: no register area starts at 0x%1.")
                             .arg(baseAddress, 8, 16, QLatin1Char('0')));
}

bool RegisterVerifier::compareFields(quint32 base, quint32 end, const QByteArray &bytes,
                                     QString &mismatchText, bool digitsByWidth) const
{
    requireLength(base, bytes, int(end - base));
    for (const ImageRegisters::Field &field : ImageRegisters::fields()) {
        if (field.address < base || field.address >= end)
            continue;
        quint32 read = 0;
        for (int i = 0; i < field.width; ++i)
            read = (read << 8) | quint8(bytes.at(int(field.address - base) + i));
        const quint32 expected = ImageRegisters::value(m_image, field);
        if (read != expected) {
            mismatchText += mismatchEntry(field.address, expected, read,
                                          digitsByWidth ? 2 * field.width : TableEntryDigits);
            return false;
        }
    }
    return true;
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
