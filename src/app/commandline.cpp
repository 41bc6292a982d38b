#include "commandline.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QRegularExpression>

namespace {

// Accepts plain decimal digits only, so "+5", " 5" or "0x10" are refused
// rather than half-parsed.
bool parseUnsigned(const QString &text, quint64 limit, quint64 &value)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(text).hasMatch())
        return false;
    bool ok = false;
    value = text.toULongLong(&ok, 10);
    return ok && value <= limit;
}

bool applyOption(QChar letter, const QString &argument, ConnectionSettings &settings)
{
    quint64 number = 0;
    switch (letter.unicode()) {
    case 'h': {
        QHostAddress address;
        if (!address.setAddress(argument))
            return false;
        settings.address = address.toString();
        return true;
    }
    case 't':
        if (!parseUnsigned(argument, 0xFFFF, number))
            return false;
        settings.tcpPort = quint16(number);
        return true;
    case 'u':
        if (!parseUnsigned(argument, 0xFFFF, number))
            return false;
        settings.udpPort = quint16(number);
        return true;
    case 'o':
        if (!parseUnsigned(argument, 0xFFFFFFFFu, number))
            return false;
        settings.timeout = quint32(number);
        return true;
    case 'a':
        settings.autoConnect = argument.contains(QLatin1String("on"));
        return true;
    }
    return false;
}

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
            if (applyOption(letter, argument, settings))
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
