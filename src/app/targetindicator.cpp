// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/targetindicator.h"

#include "device/operationoutcome.h"
#include "model/connectionsettings.h"

#include <QStatusBar>

TargetIndicator::TargetIndicator(QStatusBar &bar)
    : QLabel(&bar)
    , m_bar(bar)
{
    setObjectName(QStringLiteral("targetIndicator"));
    bar.addPermanentWidget(this);
}

void TargetIndicator::showTarget(const ConnectionSettings &settings, const QString &origin)
{
    const QString registers = OperationOutcome::target(settings.address, settings.udpPort);
    const QString target = tr("%1, counters TCP %2").arg(registers).arg(settings.tcpPort);
    setText(tr("Target %1").arg(target));
    setToolTip(tr("Device commands go to this module (%1)").arg(origin));
    if (!m_target.isEmpty() && target != m_target)
        m_bar.showMessage(tr("Target is now %1, %2").arg(registers, origin));
    m_target = target;
}
