// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// Help and version texts on standard output. A full disk or a closed pipe
// must not look like success to the script that asked.
class StandardOutput
{
    Q_DECLARE_TR_FUNCTIONS(StandardOutput)

public:
    // Exit status: 0 when the whole text was written, else 1 after a message
    // on standard error.
    static int print(const QString &text);
};
