// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

class DesignRun;
class QTimer;
class SimRegisterSpace;

// Runs the register image the simulated module holds, in real time: every
// 10 ms the run advances by the wall-clock time passed. A download (an image
// that differs from the one running and has stayed the same for 200 ms)
// starts a run of the new image. Gives the counter stream what the measure
// counters count: a counter over the whole run from the moment it was
// started, a gated counter its last measurement. When the engine cannot keep
// up, simulated time falls behind rather than the event loop. Lives on the
// simulator thread.
class LiveDesign : public QObject
{
    Q_OBJECT

public:
    static constexpr int sliceMs = 10;
    static constexpr int settleMs = 200;

    // rates as DesignRun takes them.
    LiveDesign(SimRegisterSpace &space, const QStringList &rates, quint64 seed,
               QObject *parent = nullptr);
    ~LiveDesign() override;

    // Brings the run up to now.
    void advance();
    // The value the counter streams now (a 32-bit count that wraps, as the
    // module's), or none: a whole-run counter that is not started, a gated
    // counter before its first measurement.
    std::optional<quint32> streamValue(int counter) const;

private:
    QByteArray heldImage() const;
    void followImage();
    void restart(const QByteArray &image);
    void followCounters();

    SimRegisterSpace &m_space;
    QStringList m_rates;
    quint64 m_seed;
    QTimer *m_timer;
    std::unique_ptr<DesignRun> m_run;
    QByteArray m_image;          // the one running
    QByteArray m_pending;        // a different one seen, not settled yet
    QElapsedTimer m_pendingSince;
    QElapsedTimer m_clock;       // since the run started
    quint64 m_lagTicks = 0;      // simulated time given up when the engine fell behind
    std::array<std::optional<quint64>, 4> m_startValues; // of the started whole-run counters
};
