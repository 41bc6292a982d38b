// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns Ctrl-C (SIGINT) into the Qt signal interrupted(), delivered by the
// event loop, so that a running operation can be cancelled through its
// worker. The first Ctrl-C only asks; a second one ends the process at once.
// One instance per process; it lives on the main thread.
class InterruptWatcher : public QObject
{
    Q_OBJECT

public:
    explicit InterruptWatcher(QObject *parent = nullptr);
    ~InterruptWatcher() override;

    bool isInterrupted() const { return m_interrupted; }

signals:
    void interrupted();

private:
    void onSignalByte();

    QSocketNotifier *m_notifier = nullptr;
    bool m_interrupted = false;
};
