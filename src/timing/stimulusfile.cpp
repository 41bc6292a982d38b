// SPDX-License-Identifier: GPL-3.0-or-later
#include "stimulusfile.h"

#include "timing/inputnames.h"
#include "timing/simtime.h"

#include <QFile>
#include <QRegularExpression>

QString StimulusFile::parseLine(const QString &line, const InputNames &names, qint64 &picos,
                                InputChange &change)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList words = line.split(blanks, Qt::SkipEmptyParts);
    if (words.size() != 3)
        return tr("expected \"TIME INPUT LEVEL\", found \"%1\"").arg(line.trimmed());
    QString error;
    if (!SimTime::parse(words.at(0), picos, error))
        return error;
    change.input = names.indexOf(words.at(1));
    if (change.input < 0)
        return tr("unknown input \"%1\"").arg(words.at(1));
    if (words.at(2) != QLatin1String("0") && words.at(2) != QLatin1String("1"))
        return tr("the level must be 0 or 1, not \"%1\"").arg(words.at(2));
    change.level = words.at(2) == QLatin1String("1");
    change.tick = SimTime::tickAtOrAfter(picos);
    return QString();
}

bool StimulusFile::parse(const QString &text, const InputNames &names,
                         std::vector<InputChange> &changes, QString &error)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    qint64 previous = 0;
    for (int index = 0; index < lines.size(); ++index) {
        const QString line = lines.at(index).section(QLatin1Char('#'), 0, 0);
        if (line.trimmed().isEmpty())
            continue;
        qint64 picos = 0;
        InputChange change{};
        QString problem = parseLine(line, names, picos, change);
        if (problem.isEmpty() && picos < previous)
            problem = tr("the time %1 goes back before the line above").arg(
                line.trimmed().section(QLatin1Char(' '), 0, 0));
        if (!problem.isEmpty()) {
            error = tr("line %1: %2").arg(index + 1).arg(problem);
            return false;
        }
        previous = picos;
        changes.push_back(change);
    }
    return true;
}

bool StimulusFile::load(const QString &path, const InputNames &names,
                        std::vector<InputChange> &changes, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = tr("Cannot read the stimulus file %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > MaxFileSize) {
        error = tr("%1 is too large for a stimulus file.").arg(path);
        return false;
    }
    QString problem;
    if (!parse(QString::fromUtf8(file.readAll()), names, changes, problem)) {
        error = tr("%1: %2").arg(path, problem);
        return false;
    }
    return true;
}
