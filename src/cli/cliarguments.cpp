// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliarguments.h"

namespace {

const CliOption *findLong(const QList<CliOption> &options, const QString &name)
{
    for (const CliOption &option : options) {
        if (!option.longName.isEmpty() && option.longName == name)
            return &option;
    }
    return nullptr;
}

const CliOption *findShort(const QList<CliOption> &options, QChar letter)
{
    for (const CliOption &option : options) {
        if (!option.shortName.isNull() && option.shortName == letter)
            return &option;
    }
    return nullptr;
}

bool isOptionWord(const QString &word)
{
    // A lone "-" is an operand (conventionally standard input/output).
    return word.size() > 1 && word.startsWith(QLatin1Char('-'));
}

} // namespace

CliArguments CliArguments::parse(const QStringList &words, const QList<CliOption> &options)
{
    CliArguments result;
    int index = 0;
    bool optionsEnded = false;
    while (index < words.size()) {
        const QString &word = words.at(index++);
        if (optionsEnded || !isOptionWord(word)) {
            result.m_operands << word;
            continue;
        }
        if (word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const bool ok = word.startsWith(QLatin1String("--"))
                            ? result.takeLong(word, words, index, options)
                            : result.takeShort(word, words, index, options);
        if (!ok)
            return result;
    }
    return result;
}

QString CliArguments::value(const QString &key, const QString &fallback) const
{
    return m_values.value(key, fallback);
}

bool CliArguments::takeLong(const QString &word, const QStringList &words, int &index,
                            const QList<CliOption> &options)
{
    const int equals = word.indexOf(QLatin1Char('='));
    const QString name = word.mid(2, equals < 0 ? -1 : equals - 2);
    const CliOption *option = findLong(options, name);
    if (!option) {
        m_errorText = tr("Unknown option: %1").arg(word.left(equals < 0 ? word.size() : equals));
        return false;
    }
    const QString attached = word.mid(equals + 1);
    return store(*option, QStringLiteral("--") + name, equals < 0 ? nullptr : &attached, words,
                 index);
}

bool CliArguments::takeShort(const QString &word, const QStringList &words, int &index,
                             const QList<CliOption> &options)
{
    // Flags may be grouped ("-fx"); a value may be attached ("-u4660").
    for (int pos = 1; pos < word.size(); ++pos) {
        const CliOption *option = findShort(options, word.at(pos));
        const QString shown = QStringLiteral("-") + word.at(pos);
        if (!option) {
            m_errorText = tr("Unknown option: %1").arg(shown);
            return false;
        }
        if (option->takesValue()) {
            const QString attached = word.mid(pos + 1);
            return store(*option, shown, attached.isEmpty() ? nullptr : &attached, words, index);
        }
        m_values.insert(option->key(), QString());
    }
    return true;
}

bool CliArguments::store(const CliOption &option, const QString &shown, const QString *attached,
                         const QStringList &words, int &index)
{
    if (!option.takesValue()) {
        if (attached) {
            m_errorText = tr("Option %1 takes no value.").arg(shown);
            return false;
        }
        m_values.insert(option.key(), QString());
        return true;
    }
    if (attached) {
        m_values.insert(option.key(), *attached);
        m_lists[option.key()] << *attached;
        return true;
    }
    if (index >= words.size()) {
        m_errorText = tr("Option %1 needs a value (%2).").arg(shown, option.valueName);
        return false;
    }
    m_values.insert(option.key(), words.at(index));
    m_lists[option.key()] << words.at(index++);
    return true;
}
