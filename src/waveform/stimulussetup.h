// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/inputnames.h"

#include <QString>

#include <array>

class InputMixer;

// What a simulation feeds each of the ten inputs with. Generator values are
// the texts karix-cli simulate takes after "IN=" ("1MHz,20ns" for random
// pulses, "100ns,20ns,0ns" for periodic ones, "1" for a constant level), and
// they are turned into generators by the same code, so a window run and a
// command-line run with the same seed see the same pulses.
class StimulusSetup
{
public:
    enum class Kind { Off, Constant, Periodic, Random, File };
    struct Source
    {
        Kind kind = Kind::Off;
        QString value; // generator text, or a stimulus file's path
    };

    void setSource(int input, Kind kind, const QString &value);
    const Source &source(int input) const { return m_sources[input]; }

    // Adds a generator per input that is not off. The k-th input with random
    // pulses (connector order) gets seed + k, as the k-th --rate of
    // karix-cli does. A file source contributes the file's changes of its
    // own input only. False with a message naming the input.
    bool build(const InputNames &names, quint64 seed, InputMixer &mixer, QString &error) const;

private:
    bool addFile(int input, const InputNames &names, InputMixer &mixer, QString &error) const;

    std::array<Source, InputNames::Count> m_sources;
};
