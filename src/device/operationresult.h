// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/linkhealth.h"

#include <QByteArray>
#include <QMetaType>
#include <QString>

// What one device operation reported, copied out of its worker.
struct OperationResult
{
    bool closed = false;     // the worker ended normally (closed(bool) came)
    bool ok = false;         // its closed(bool) argument
    bool cancelled = false;  // cancel() was asked for while it ran
    QString errorText;       // failure text; empty after a completed comparison
    QByteArray data;         // state, block or version read
    int comparison = -1;     // module against design on a ROM read: 0 equal, 1 not
    int progress = 0;        // last progress value
    // Verify: the comparison ran to its end. Then verdict holds the module's
    // verdict text and mismatch the first difference (empty when matched).
    bool compared = false;
    QString verdict;
    QString mismatch;
    LinkHealth link;
    // The protocol status code that ended the operation (QTola::StatusCode),
    // 1 when none did.
    qint32 failureStatus = 1;

    bool succeeded() const { return closed && ok && !cancelled; }
    bool matched() const { return compared && ok; }
};

Q_DECLARE_METATYPE(OperationResult)
