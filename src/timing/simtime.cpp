// SPDX-License-Identifier: GPL-3.0-or-later
#include "simtime.h"

#include <QRegularExpression>

namespace {

// Whole picoseconds per unit.
qint64 unitPicos(const QString &unit)
{
    if (unit == QLatin1String("ps"))
        return 1;
    if (unit == QLatin1String("ns"))
        return 1000;
    if (unit == QLatin1String("us"))
        return 1000000;
    if (unit == QLatin1String("ms"))
        return 1000000000;
    return 1000000000000;
}

} // namespace

bool SimTime::parse(const QString &text, qint64 &picos, QString &error)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d+)(?:\\.(\\d*))?\\s*(ps|ns|us|ms|s)?\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        error = tr("\"%1\" is not a time (such as 10ns, 1.5us).").arg(text.trimmed());
        return false;
    }
    if (match.captured(3).isEmpty()) {
        error = tr("The time \"%1\" has no unit (ps, ns, us, ms or s).").arg(text.trimmed());
        return false;
    }
    QString fraction = match.captured(2);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    const QString digits = match.captured(1) + fraction;
    __int128 scale = 1;
    for (int i = 0; i < fraction.size(); ++i)
        scale *= 10;
    __int128 mantissa = 0;
    constexpr qint64 limit = std::numeric_limits<qint64>::max() / 4;
    for (QChar digit : digits) {
        mantissa = mantissa * 10 + digit.digitValue();
        if (mantissa / scale > limit) {
            error = tr("The time \"%1\" is too large.").arg(text.trimmed());
            return false;
        }
    }
    const __int128 scaled = mantissa * unitPicos(match.captured(3));
    if (scaled % scale != 0) {
        error = tr("The time \"%1\" is finer than 1 ps.").arg(text.trimmed());
        return false;
    }
    if (scaled / scale > limit) {
        error = tr("The time \"%1\" is too large.").arg(text.trimmed());
        return false;
    }
    picos = qint64(scaled / scale);
    return true;
}
