// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/moduleinterface.h"

#include <QByteArray>

// Read-only view of a compiled register image: the 100 bytes of
// 0x0004..0x0067 followed by the four tables of 0x2000..0x3FFF (8292 bytes,
// multi-byte registers most significant byte first), as the compiler
// captures it, a module returns it or a hex dump holds it.
class TimingImage
{
public:
    static constexpr int Size = ModuleInterface::imageSize;

    // bytes must hold exactly Size bytes (see isValid()).
    explicit TimingImage(const QByteArray &bytes);

    bool isValid() const { return m_bytes.size() == Size; }
    const QByteArray &bytes() const { return m_bytes; }

    quint8 dlyFeedbackMask() const;
    quint8 cntFeedbackMask() const;
    quint16 unitModeMask() const;
    // k = 0..7: the counter function on unit 3 + k.
    quint8 counterMode(int k) const;
    quint32 mainCount(int k) const;
    // As written: one lower than the length in modes 0, 1, 8 and 9.
    quint32 subCount(int k) const;
    // k = 0..7: the delay register of unit delayUnitOrder[k], in 5 ns steps.
    quint16 delayValue(int k) const;
    quint8 measureCounterMode(int k) const;

    // p: input pattern, bit j = connector j.
    quint16 preLogicWord(int p) const;
    // a: unit-output pattern, bit u = output of unit u.
    quint8 outputByte(int a) const;
    quint8 feedbackByte(int a) const;
    quint8 counterByte(int a) const;

private:
    quint32 value(quint32 address, int width) const;

    QByteArray m_bytes;
};
