// SPDX-License-Identifier: GPL-3.0-or-later
#include "generatoroption.h"

#include "timing/changelistsource.h"
#include "timing/inputnames.h"
#include "timing/poissongenerator.h"
#include "timing/pulsegenerator.h"
#include "timing/simtime.h"

#include <QRegularExpression>

bool GeneratorOption::split(const QString &option, const InputNames &names, int minValues,
                          int maxValues, int &input, QStringList &values, QString &error)
{
    const int equals = option.indexOf(QLatin1Char('='));
    input = names.indexOf(option.left(equals).trimmed());
    values = option.mid(equals + 1).split(QLatin1Char(','));
    if (equals < 0 || values.size() < minValues || values.size() > maxValues) {
        error = tr("\"%1\" does not have the form the option expects.").arg(option);
        return false;
    }
    if (input < 0) {
        error = tr("\"%1\": unknown input \"%2\".").arg(option, option.left(equals).trimmed());
        return false;
    }
    return true;
}

bool GeneratorOption::parseTime(const QString &option, const QString &text, qint64 &picos,
                              QString &error)
{
    QString problem;
    if (SimTime::parse(text, picos, problem))
        return true;
    error = tr("\"%1\": %2").arg(option, problem);
    return false;
}

bool GeneratorOption::parseRate(const QString &text, double &perSecond)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d+(?:\\.\\d*)?)\\s*(Hz|kHz|MHz)\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const QString unit = match.captured(2);
    const double scale = unit == QLatin1String("Hz") ? 1 : unit == QLatin1String("kHz") ? 1e3 : 1e6;
    perSecond = match.captured(1).toDouble() * scale;
    return perSecond > 0;
}

std::unique_ptr<InputSource> GeneratorOption::pulse(const QString &option, const InputNames &names,
                                                  QString &error)
{
    int input = -1;
    QStringList values;
    if (!split(option, names, 2, 3, input, values, error))
        return nullptr;
    qint64 period = 0, width = 0, phase = 0;
    if (!parseTime(option, values.at(0), period, error) || !parseTime(option, values.at(1), width, error)
        || (values.size() == 3 && !parseTime(option, values.at(2), phase, error)))
        return nullptr;
    if (width <= 0 || width >= period) {
        error = tr("\"%1\": the width must be longer than 0 and shorter than the period.")
                    .arg(option);
        return nullptr;
    }
    return std::make_unique<PulseGenerator>(input, period, width, phase);
}

std::unique_ptr<InputSource> GeneratorOption::rate(const QString &option, const InputNames &names,
                                                 quint64 seed, QString &error)
{
    int input = -1;
    QStringList values;
    if (!split(option, names, 1, 2, input, values, error))
        return nullptr;
    double perSecond = 0;
    if (!parseRate(values.at(0), perSecond)) {
        error = tr("\"%1\": \"%2\" is not a rate (such as 500Hz, 10kHz, 1.5MHz).")
                    .arg(option, values.at(0));
        return nullptr;
    }
    qint64 width = DefaultRandomWidth;
    if (values.size() == 2 && !parseTime(option, values.at(1), width, error))
        return nullptr;
    // Beyond one pulse per width the pulses merge into an almost constant level.
    if (width <= 0 || perSecond * double(width) > 1e12) {
        error = tr("\"%1\": the width must be longer than 0 and at most the mean spacing of "
                   "the pulses.").arg(option);
        return nullptr;
    }
    return std::make_unique<PoissonGenerator>(input, perSecond, width, seed);
}

std::unique_ptr<InputSource> GeneratorOption::level(const QString &option, const InputNames &names,
                                                  QString &error)
{
    int input = -1;
    QStringList values;
    if (!split(option, names, 1, 1, input, values, error))
        return nullptr;
    const QString value = values.at(0).trimmed();
    if (value != QLatin1String("0") && value != QLatin1String("1")) {
        error = tr("\"%1\": the level must be 0 or 1.").arg(option);
        return nullptr;
    }
    return std::make_unique<ChangeListSource>(
        std::vector<InputChange>{{0, input, value == QLatin1String("1")}});
}
