// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/inputsource.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

class InputNames;

// The stimulus text: one change a line, "TIME INPUT LEVEL" ("1.5us NIM-IN-S0
// 1"), times in order, blank lines and "#" comments allowed.
class StimulusFile
{
    Q_DECLARE_TR_FUNCTIONS(StimulusFile)

public:
    // False with a message naming the line when a line is malformed, names
    // an unknown input, has a time without unit or goes back in time.
    static bool parse(const QString &text, const InputNames &names,
                      std::vector<InputChange> &changes, QString &error);

    // Reads and parses the stimulus file at `path`. False with a message
    // naming the file when it cannot be read, is larger than MaxFileSize or
    // does not parse.
    static bool load(const QString &path, const InputNames &names,
                     std::vector<InputChange> &changes, QString &error);

    static constexpr qint64 MaxFileSize = 64 << 20;

private:
    static QString parseLine(const QString &line, const InputNames &names, qint64 &picos,
                             InputChange &change);
};
