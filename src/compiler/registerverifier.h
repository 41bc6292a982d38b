// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Compares register areas read back from the module with a compiled image
// (ImageLayout::imageSize bytes). A short read-back buffer or an unknown
// area is thrown as an OperationError.
class RegisterVerifier
{
    Q_DECLARE_TR_FUNCTIONS(RegisterVerifier)

public:
    explicit RegisterVerifier(const QByteArray &image);

    // bytes[0] is the register at baseAddress. Dispatches on the base address
    // of the five read-back areas (0x0004, 0x2000, 0x2800, 0x3000, 0x3800).
    // Returns true when the whole area matches; otherwise appends one entry
    // for the first difference to mismatchText and returns false.
    bool compareArea(quint32 baseAddress, const QByteArray &bytes, QString &mismatchText);

    // One report entry; values are zero-padded to at least `digits` hex digits.
    static QString mismatchEntry(quint32 address, quint32 expected, quint32 read, int digits);

private:
    // Table entries are padded like bytes, the 16-bit pre-logic words too;
    // unit-block values by their width.
    static constexpr int TableEntryDigits = 2;

    // The image's registers from base up to end, compared in address order.
    bool compareFields(quint32 base, quint32 end, const QByteArray &bytes, QString &mismatchText,
                       bool digitsByWidth) const;
    void requireLength(quint32 base, const QByteArray &bytes, int length) const;

    QByteArray m_image;
};
