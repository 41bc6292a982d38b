// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracesignals.h"

#include "timing/inputnames.h"

QString TraceSignals::name(int signal)
{
    if (signal < FirstUnit)
        return InputNames::connectors().at(signal - FirstInput);
    if (signal < FirstOutput)
        return QStringLiteral("unit%1").arg(signal - FirstUnit);
    if (signal < FirstCounterInput)
        return QStringLiteral("NIM-OUT%1").arg(signal - FirstOutput);
    if (signal < FirstFeedback) {
        const int index = signal - FirstCounterInput;
        return QStringLiteral("MsrCnt%1.%2")
            .arg(index / 2)
            .arg(index % 2 ? QStringLiteral("SRC") : QStringLiteral("GATE"));
    }
    return QStringLiteral("fb%1").arg(signal - FirstFeedback);
}
