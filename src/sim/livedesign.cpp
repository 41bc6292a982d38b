// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/livedesign.h"

#include "device/moduleinterface.h"
#include "sim/designrun.h"
#include "sim/simregisterspace.h"
#include "timing/simtime.h"

#include <QTimer>

using namespace ModuleInterface;

namespace {
constexpr quint64 nanosPerTick = SimTime::PicosPerTick / 1000;
// At most two slices of simulated time per advance, so that requests are
// served between slices however fast the inputs are.
constexpr quint64 maxStepTicks = 2 * LiveDesign::sliceMs * 1000000 / nanosPerTick;
}

LiveDesign::LiveDesign(SimRegisterSpace &space, const QStringList &rates, quint64 seed,
                       QObject *parent)
    : QObject(parent)
    , m_space(space)
    , m_rates(rates)
    , m_seed(seed)
    , m_timer(new QTimer(this))
{
    restart(heldImage());
    connect(m_timer, &QTimer::timeout, this, &LiveDesign::advance);
    m_timer->start(sliceMs);
}

LiveDesign::~LiveDesign() = default;

// The image as a download writes it, the counter start bytes cleared: a
// start or stop is no new design.
QByteArray LiveDesign::heldImage() const
{
    QByteArray image = m_space.peek(parameterBlock, parameterBlockSize)
                       + m_space.peek(tableArea, tableSize * tableCount);
    image.replace(int(counterControl - parameterBlock), 4, QByteArray(4, '\0'));
    return image;
}

void LiveDesign::advance()
{
    followImage();
    const quint64 wallTick = quint64(m_clock.nsecsElapsed()) / nanosPerTick;
    quint64 target = wallTick - m_lagTicks;
    if (target > m_run->endTick() + maxStepTicks) {
        m_lagTicks += target - (m_run->endTick() + maxStepTicks);
        target = m_run->endTick() + maxStepTicks;
    }
    m_run->runUntil(target);
    followCounters();
}

void LiveDesign::followImage()
{
    const QByteArray image = heldImage();
    if (image == m_image) {
        m_pending.clear();
        return;
    }
    if (image != m_pending) {
        m_pending = image;
        m_pendingSince.start();
        return;
    }
    if (m_pendingSince.elapsed() >= settleMs)
        restart(image);
}

void LiveDesign::restart(const QByteArray &image)
{
    m_run = std::make_unique<DesignRun>(image, m_rates, m_seed);
    m_image = image;
    m_pending.clear();
    m_clock.start();
    m_lagTicks = 0;
    m_startValues.fill(std::nullopt);
}

void LiveDesign::followCounters()
{
    for (int counter = 0; counter < int(m_startValues.size()); ++counter) {
        std::optional<quint64> &start = m_startValues[size_t(counter)];
        if (!m_space.counterRunning(counter))
            start.reset();
        else if (!start)
            start = m_run->value(counter).value_or(0);
    }
}

std::optional<quint32> LiveDesign::streamValue(int counter) const
{
    const std::optional<quint64> value = m_run->value(counter);
    if (m_run->isGated(counter))
        return value ? std::optional<quint32>(quint32(*value)) : std::nullopt;
    const std::optional<quint64> &start = m_startValues[size_t(counter)];
    if (!start)
        return std::nullopt;
    return quint32(value.value_or(0) - *start);
}
