// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/measurecounters.h"
#include "timing/timingengine.h"
#include "timing/timingimage.h"
#include "timing/tracerecorder.h"
#include "timing/tracesummary.h"

#include <QObject>

#include <memory>

class InputSource;

// One timing simulation of a register image, keeping every change for the
// waveform view. start() runs it in slices from the event loop, so the
// window stays responsive, shows progress and can cancel; runToEnd() runs it
// at once. Lives on the GUI thread.
class SimulationRun : public QObject
{
    Q_OBJECT
public:
    // image: 8292 bytes; ticks: the run covers ticks 0 .. ticks - 1 (5 ns each).
    SimulationRun(const QByteArray &image, std::unique_ptr<InputSource> inputs, quint64 ticks,
                  QObject *parent = nullptr);
    ~SimulationRun() override;

    void start();
    void runToEnd();
    // Stops after the slice under way; cancelled() follows.
    void cancel();
    bool isFinished() const { return m_finished; }

    quint64 ticks() const { return m_ticks; }
    const TraceRecorder &trace() const { return m_trace; }
    const MeasureCounters &counters() const { return m_counters; }
    const TraceSummary &summary() const { return m_summary; }

signals:
    // percent: 0..100 of the module time simulated.
    void progress(int percent);
    void finished();
    void cancelled();

private:
    void runSlice();
    void finish();

    TimingImage m_image;
    std::unique_ptr<InputSource> m_inputs;
    TraceRecorder m_trace;
    MeasureCounters m_counters;
    TraceSummary m_summary;
    TimingEngine m_engine;
    quint64 m_ticks;
    bool m_cancelled = false;
    bool m_finished = false;
};
