// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/inputmixer.h"
#include "timing/measurecounters.h"
#include "timing/timingengine.h"
#include "timing/timingimage.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <optional>

// A register image run by the timing engine with random inputs, continued
// slice by slice, and what its four measure counters have counted so far.
// Knows nothing of wall-clock time; LiveDesign paces it.
class DesignRun
{
    Q_DECLARE_TR_FUNCTIONS(DesignRun)

public:
    static constexpr double DefaultRate = 1000.0; // per second, on every used input

    // image: TimingImage::Size bytes. rates: "IN=RATE[,WIDTH]" values as
    // parseRates() returns them, already checked; empty = every input the
    // image uses at DefaultRate. The k-th random input is seeded seed + k.
    DesignRun(const QByteArray &image, const QStringList &rates, quint64 seed);

    // Simulates the ticks (5 ns) before tick not simulated yet.
    void runUntil(quint64 tick);
    quint64 endTick() const { return m_engine.endTick(); }
    bool isGated(int counter) const { return m_counters.gateMode(counter) != 0; }
    // A counter over the whole run: its count (in its source's unit) over
    // the ticks before endTick(). A gated counter: its last closed
    // measurement, none before the first.
    std::optional<quint64> value(int counter) const;

    // The inputs the pre-logic table reads.
    static QList<int> usedInputs(const TimingImage &image);
    // Splits "S0=10kHz,S3=1MHz,50ns" into one "IN=RATE[,WIDTH]" value per
    // input; false with a message when a value is malformed.
    static bool parseRates(const QString &text, QStringList &rates, QString &error);

private:
    void addInputs(const QStringList &rates, quint64 seed);

    TimingImage m_image;
    TimingEngine m_engine;
    InputMixer m_inputs;
    MeasureCounters m_counters;
};
