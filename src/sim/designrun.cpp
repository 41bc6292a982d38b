// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/designrun.h"

#include "timing/generatoroption.h"
#include "timing/inputnames.h"
#include "timing/poissongenerator.h"

DesignRun::DesignRun(const QByteArray &image, const QStringList &rates, quint64 seed)
    : m_image(image)
    , m_engine(m_image)
    , m_counters(m_image, 0)
{
    addInputs(rates, seed);
    m_engine.setInputSource(&m_inputs);
    m_engine.addSink(&m_counters);
}

void DesignRun::addInputs(const QStringList &rates, quint64 seed)
{
    if (rates.isEmpty()) {
        for (const int input : usedInputs(m_image))
            m_inputs.addSource(std::make_unique<PoissonGenerator>(
                input, DefaultRate, GeneratorOption::DefaultRandomWidth, seed++));
        return;
    }
    const InputNames names;
    QString error;
    for (const QString &rate : rates)
        m_inputs.addSource(GeneratorOption::rate(rate, names, seed++, error));
}

void DesignRun::runUntil(quint64 tick)
{
    m_engine.runUntil(tick);
    m_engine.finish(); // the counters' running values reach endTick()
}

std::optional<quint64> DesignRun::value(int counter) const
{
    if (!isGated(counter))
        return m_counters.running(counter);
    const std::optional<MeasureCounters::Measurement> last = m_counters.latest(counter);
    if (!last)
        return std::nullopt;
    return last->value;
}

QList<int> DesignRun::usedInputs(const TimingImage &image)
{
    QList<int> used;
    for (int input = 0; input < InputNames::Count; ++input) {
        const int bit = 1 << input;
        for (int pattern = 0; pattern < 1024; ++pattern) {
            if (!(pattern & bit) && image.preLogicWord(pattern) != image.preLogicWord(pattern | bit)) {
                used << input;
                break;
            }
        }
    }
    return used;
}

bool DesignRun::parseRates(const QString &text, QStringList &rates, QString &error)
{
    QStringList parsed;
    for (const QString &part : text.split(QLatin1Char(','))) {
        if (part.contains(QLatin1Char('=')))
            parsed << part.trimmed();
        else if (!parsed.isEmpty())
            parsed.last() += QLatin1Char(',') + part.trimmed(); // the width of that input
        else {
            error = tr("\"%1\": each rate needs the form IN=RATE[,WIDTH].").arg(text);
            return false;
        }
    }
    const InputNames names;
    for (const QString &rate : std::as_const(parsed)) {
        if (!GeneratorOption::rate(rate, names, 0, error))
            return false;
    }
    rates += parsed;
    return true;
}
