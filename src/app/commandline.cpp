// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "model/connectionvalues.h"

#include <QCoreApplication>

namespace {

bool takesArgument(QChar letter)
{
    return QStringLiteral("htuao").contains(letter);
}

QString programName(const QString &word)
{
    // Windows-style paths leave the part after the last backslash; on this
    // platform directories before the last slash are dropped as well.
    QString name = word.mid(word.lastIndexOf(QLatin1Char('\\')) + 1);
    return name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

bool CommandLine::applyOption(QChar letter, const QString &argument)
{
    switch (letter.unicode()) {
    case 'h': {
        const QString address = ConnectionValues::address(argument);
        if (!address.isEmpty())
            settings.address = address;
        return !address.isEmpty();
    }
    case 't':
        return ConnectionValues::port(argument, settings.tcpPort);
    case 'u':
        return ConnectionValues::port(argument, settings.udpPort);
    case 'o':
        return applyTimeout(argument);
    case 'a':
        settings.autoConnect = argument.contains(QLatin1String("on"));
        return true;
    }
    return false;
}

bool CommandLine::applyTimeout(const QString &argument)
{
    const ConnectionValues::Verdict verdict = ConnectionValues::timeout(argument, settings.timeout);
    if (verdict == ConnectionValues::Verdict::OutOfRange)
        clampNote = ConnectionValues::clampedTimeoutText(argument, settings.timeout);
    return verdict != ConnectionValues::Verdict::Invalid;
}

QString CommandLine::warningText() const
{
    QStringList parts{usageMessage, clampNote};
    parts.removeAll(QString());
    return parts.join(QStringLiteral("\n\n"));
}

QString CommandLine::usage(const QString &programWord)
{
    return QCoreApplication::translate("CommandLine", "Usage: ") + programName(programWord)
           + QStringLiteral(" [-t <TCP port>] [-u <UDP port>] [-h <host address>] [-a <on/off>]"
                            " [-o <timeout>] [fileName]");
}

// Applies the options at the front of args (POSIX getopt: options end at the
// first word that is not an option or at "--"; letters may be grouped and an
// argument may be attached) and returns the index of the first operand.
int CommandLine::parseOptions(const QStringList &args, bool &badValue)
{
    int index = 1;
    while (index < args.size()) {
        const QString &word = args.at(index);
        if (word == QLatin1String("--"))
            return index + 1;
        if (word.size() < 2 || !word.startsWith(QLatin1Char('-')))
            return index;
        ++index;
        for (int pos = 1; pos < word.size(); ++pos) {
            const QChar letter = word.at(pos);
            if (!takesArgument(letter))
                continue; // unknown letter: skipped silently
            QString argument;
            if (pos + 1 < word.size())
                argument = word.mid(pos + 1);
            else if (index < args.size())
                argument = args.at(index++);
            else
                break; // missing argument: skipped silently
            if (applyOption(letter, argument))
                optionsGiven = true;
            else
                badValue = true;
            break;
        }
    }
    return index;
}

CommandLine CommandLine::parse(const QStringList &args)
{
    CommandLine result;
    bool badValue = false;
    const int index = result.parseOptions(args, badValue);
    const int operands = int(args.size()) - index;
    result.hasOperands = operands > 0;
    if (operands == 1)
        result.fileName = args.at(index);
    if (badValue || operands > 1)
        result.usageMessage = usage(args.value(0));
    return result;
}
