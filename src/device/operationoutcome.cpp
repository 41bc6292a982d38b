// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/operationoutcome.h"

#include "device/operationresult.h"
#include "device/qtola.h"

#include <QRegularExpression>

namespace {

// The worker's texts begin their last line with the name of the layer that
// failed; the user needs the rest of the line only.
QString withoutLayerNames(QString detail)
{
    static const QRegularExpression layer(QStringLiteral("(^|\\n)(QTola|TOLA|QKvLink): "));
    return detail.replace(layer, QStringLiteral("\\1")).trimmed();
}

bool moduleIsSilent(const OperationResult &result)
{
    // A worker that never closed could not even open its socket.
    return !result.closed || result.failureStatus == QTola::TimedOut
           || result.failureStatus == QTola::SocketFailure;
}

} // namespace

QString OperationOutcome::target(const QString &address, quint16 udpPort)
{
    // An IPv6 address needs brackets before its port.
    const QString host = address.contains(QLatin1Char(':'))
                             ? QLatin1Char('[') + address + QLatin1Char(']')
                             : address;
    return host + QLatin1Char(':') + QString::number(udpPort);
}

QString OperationOutcome::name(Operation operation)
{
    switch (operation) {
    case Operation::StateRead:
        return tr("Reading the module's state");
    case Operation::Download:
        return tr("Download");
    case Operation::Verify:
        return tr("Verify");
    case Operation::RomSave:
        return tr("Save to ROM");
    case Operation::RomRestore:
        return tr("Restore from ROM");
    case Operation::BootPage:
        return tr("Changing the boot ROM page");
    case Operation::RomInitialise:
        return tr("Initializing the ROM area");
    case Operation::Protection:
        return tr("Changing the write protection");
    case Operation::NetworkRead:
        return tr("Reading the network settings");
    case Operation::NetworkWrite:
        return tr("Writing the network settings");
    }
    return QString();
}

QString OperationOutcome::failure(Operation operation, const QString &target,
                                  const OperationResult &result)
{
    if (result.succeeded())
        return QString();
    if (result.cancelled)
        return tr("%1 cancelled.").arg(name(operation));
    if (moduleIsSilent(result))
        return tr("Module %1 does not answer.\n%2 failed.").arg(target, name(operation));
    if (result.failureStatus == QTola::BusError)
        return tr("Module %1 reported a bus error.\n%2 failed.").arg(target, name(operation));
    return tr("%1 failed on module %2:\n%3")
        .arg(name(operation), target, withoutLayerNames(result.errorText));
}

QString OperationOutcome::success(Operation operation, const QString &address, double seconds,
                                  bool verified)
{
    const QString time = QString::number(seconds, 'f', 1);
    switch (operation) {
    case Operation::Download:
        return verified ? tr("Design downloaded and verified to %1 in %2 s").arg(address, time)
                        : tr("Design downloaded to %1 in %2 s").arg(address, time);
    case Operation::RomSave:
        return tr("Registers saved to ROM on %1 in %2 s").arg(address, time);
    case Operation::RomRestore:
        return tr("Registers restored from ROM on %1 in %2 s").arg(address, time);
    default:
        return tr("%1 on %2 finished in %3 s").arg(name(operation), address, time);
    }
}
