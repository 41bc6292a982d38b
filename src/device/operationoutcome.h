// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

struct OperationResult;

// The sentences a user reads at the end of a module operation: they name
// the module and the operation, never the protocol classes. The worker's
// own failure texts stay as they are for the command-line tool and logs.
class OperationOutcome
{
    Q_DECLARE_TR_FUNCTIONS(OperationOutcome)

public:
    enum class Operation {
        StateRead,
        Download,
        Verify,
        RomSave,
        RomRestore,
        BootPage,
        RomInitialise,
        Protection,
        NetworkRead,
        NetworkWrite,
    };

    // "192.0.2.7:4660": the register target.
    static QString target(const QString &address, quint16 udpPort);
    // "Download", "Save to ROM", …
    static QString name(Operation operation);
    // Empty when the operation succeeded. "Download cancelled.",
    // "Module 127.0.0.1:44531 does not answer.\nDownload failed.", …
    static QString failure(Operation operation, const QString &target,
                           const OperationResult &result);
    // "Design downloaded and verified to 192.0.2.7 in 0.4 s", …
    static QString success(Operation operation, const QString &address, double seconds,
                           bool verified = false);
};
