// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

struct ConnectionSettings;
class QStatusBar;

// The module the next device command goes to, always visible at the right
// of the status bar. A change is announced in the status bar's message
// line with where the new settings came from.
class TargetIndicator : public QLabel
{
    Q_OBJECT

public:
    // Adds itself to bar as a permanent widget; bar owns it.
    explicit TargetIndicator(QStatusBar &bar);

    // origin: "from the document", "from the command line", …
    void showTarget(const ConnectionSettings &settings, const QString &origin);
    const QString &target() const { return m_target; }

private:
    QStatusBar &m_bar;
    QString m_target;  // address and ports shown; empty before the first
};
