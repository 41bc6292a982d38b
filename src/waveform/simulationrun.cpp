// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulationrun.h"

#include "timing/inputsource.h"

#include <QTimer>

#include <algorithm>

namespace {

// About 5 ms of module time: a slice of MHz inputs takes a few milliseconds.
constexpr quint64 TicksPerSlice = 1u << 20;

} // namespace

SimulationRun::SimulationRun(const QByteArray &image, std::unique_ptr<InputSource> inputs,
                             quint64 ticks, QObject *parent)
    : QObject(parent),
      m_image(image),
      m_inputs(std::move(inputs)),
      m_counters(m_image, TraceSummary::DefaultLimit),
      m_engine(m_image),
      m_ticks(ticks)
{
    m_engine.setInputSource(m_inputs.get());
    m_engine.addSink(&m_trace);
    m_engine.addSink(&m_counters);
    m_engine.addSink(&m_summary);
}

SimulationRun::~SimulationRun() = default;

void SimulationRun::start()
{
    QTimer::singleShot(0, this, &SimulationRun::runSlice);
}

void SimulationRun::runToEnd()
{
    m_engine.runUntil(m_ticks);
    finish();
}

void SimulationRun::cancel()
{
    m_cancelled = true;
}

void SimulationRun::runSlice()
{
    if (m_cancelled) {
        emit cancelled();
        return;
    }
    m_engine.runUntil(std::min(m_ticks, m_engine.endTick() + TicksPerSlice));
    if (m_engine.endTick() >= m_ticks) {
        finish();
        return;
    }
    emit progress(int(m_engine.endTick() * 100 / m_ticks));
    QTimer::singleShot(0, this, &SimulationRun::runSlice);
}

void SimulationRun::finish()
{
    m_engine.finish();
    m_finished = true;
    emit progress(100);
    emit finished();
}
