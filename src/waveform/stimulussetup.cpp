// SPDX-License-Identifier: GPL-3.0-or-later
#include "stimulussetup.h"

#include "timing/changelistsource.h"
#include "timing/generatoroption.h"
#include "timing/inputmixer.h"
#include "timing/stimulusfile.h"

#include <algorithm>

void StimulusSetup::setSource(int input, Kind kind, const QString &value)
{
    m_sources[input] = {kind, value.trimmed()};
}

bool StimulusSetup::build(const InputNames &names, quint64 seed, InputMixer &mixer,
                          QString &error) const
{
    quint64 stream = 0;
    for (int input = 0; input < InputNames::Count; ++input) {
        const Source &source = m_sources[input];
        const QString option = InputNames::connectors().at(input) + QLatin1Char('=') + source.value;
        std::unique_ptr<InputSource> generator;
        switch (source.kind) {
        case Kind::Off:
            continue;
        case Kind::File:
            if (!addFile(input, names, mixer, error))
                return false;
            continue;
        case Kind::Constant:
            generator = GeneratorOption::level(option, names, error);
            break;
        case Kind::Periodic:
            generator = GeneratorOption::pulse(option, names, error);
            break;
        case Kind::Random:
            generator = GeneratorOption::rate(option, names, seed + stream++, error);
            break;
        }
        if (!generator)
            return false;
        mixer.addSource(std::move(generator));
    }
    return true;
}

bool StimulusSetup::addFile(int input, const InputNames &names, InputMixer &mixer,
                            QString &error) const
{
    std::vector<InputChange> changes;
    if (!StimulusFile::load(m_sources[input].value, names, changes, error))
        return false;
    changes.erase(std::remove_if(changes.begin(), changes.end(),
                                 [input](const InputChange &change) { return change.input != input; }),
                  changes.end());
    mixer.addSource(std::make_unique<ChangeListSource>(std::move(changes)));
    return true;
}
