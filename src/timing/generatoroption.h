// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/inputsource.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class InputNames;

// Input generators written as command-line values:
//   pulse  "IN=PERIOD,WIDTH[,PHASE]"  periodic pulses;
//   rate   "IN=RATE[,WIDTH]"          Poisson pulses, RATE such as 10kHz;
//   level  "IN=0" or "IN=1"           a constant level from tick 0.
// Each returns null with a message when the value is malformed.
class GeneratorOption
{
    Q_DECLARE_TR_FUNCTIONS(GeneratorOption)

public:
    // Length of a random pulse when the value names none.
    static constexpr qint64 DefaultRandomWidth = 20000; // ps

    static std::unique_ptr<InputSource> pulse(const QString &option, const InputNames &names,
                                              QString &error);
    static std::unique_ptr<InputSource> rate(const QString &option, const InputNames &names,
                                             quint64 seed, QString &error);
    static std::unique_ptr<InputSource> level(const QString &option, const InputNames &names,
                                              QString &error);

private:
    // Splits "IN=a,b,c": the input's index and the values, or false.
    static bool split(const QString &option, const InputNames &names, int minValues,
                      int maxValues, int &input, QStringList &values, QString &error);
    static bool parseTime(const QString &option, const QString &text, qint64 &picos,
                          QString &error);
    static bool parseRate(const QString &text, double &perSecond);
};
