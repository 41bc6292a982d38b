// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ratecsv.h"

#include "device/counterrates.h"

#include <QStringList>
#include <set>

namespace {

// A counter's name may hold the separator.
QString field(QString text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')))
        return text;
    return QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

std::set<double> readingTimes(const CounterRates &rates, const QList<RateCsv::Column> &columns,
                              double fromMs, double toMs)
{
    std::set<double> times;
    for (const RateCsv::Column &column : columns) {
        for (const QPointF &point : rates.history(column.counter)) {
            if (point.x() >= fromMs && point.x() <= toMs)
                times.insert(point.x());
        }
    }
    return times;
}

} // namespace

QByteArray RateCsv::build(const CounterRates &rates, const QList<Column> &columns, double fromMs,
                          double toMs, const QDateTime &clockOrigin)
{
    QStringList heading{QStringLiteral("Time[HH:MM:SS.zzz]")};
    for (const Column &column : columns)
        heading << field(column.heading);
    QByteArray text = heading.join(QLatin1Char(',')).toUtf8() + '\n';
    for (const double time : readingTimes(rates, columns, fromMs, toMs)) {
        QStringList fields{clockOrigin.addMSecs(qint64(time)).toString(QStringLiteral("hh:mm:ss.zzz"))};
        for (const Column &column : columns) {
            const std::optional<double> rate = rates.rateAt(column.counter, time);
            // Full precision: the file is read by programs, not at a glance.
            fields << (rate ? QString::number(*rate, 'g', 12) : QString());
        }
        text += fields.join(QLatin1Char(',')).toUtf8() + '\n';
    }
    return text;
}
