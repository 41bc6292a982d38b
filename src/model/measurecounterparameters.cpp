// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/measurecounterparameters.h"

#include "model/counterparameters.h"
#include "model/propertytext.h"

MeasureCounterParameters MeasureCounterParameters::fromProperty(const QString &property)
{
    MeasureCounterParameters parameters;
    parameters.m_mode = PropertyText::intValue(property, QStringLiteral("Mode"));
    if (property.isEmpty())
        return parameters;
    parameters.m_fileSave = isLoggingOn(PropertyText::value(property, QStringLiteral("FileSave")));
    parameters.m_unit = PropertyText::value(property, QStringLiteral("Unit"));
    parameters.m_path = PropertyText::value(property, QStringLiteral("PATH"));
    return parameters;
}

QString MeasureCounterParameters::toProperty() const
{
    const QString fileSave = m_fileSave ? QStringLiteral("true") : QStringLiteral("false");
    if (m_unit.isEmpty())
        return QStringLiteral("Mode=%1 FileSave=%2 PATH=%3").arg(m_mode).arg(fileSave, m_path);
    return QStringLiteral("Mode=%1 Unit=%2 FileSave=%3 PATH=%4").arg(m_mode).arg(m_unit, fileSave, m_path);
}

const QStringList &MeasureCounterParameters::units()
{
    return CounterParameters::units();
}

int MeasureCounterParameters::decimals(const QString &unit)
{
    static const int places[] = {9, 6, 3, 0};
    const int index = int(units().indexOf(unit));
    return index < 0 ? 0 : places[index];
}

bool MeasureCounterParameters::isLoggingOn(const QString &fileSave)
{
    return fileSave != QLatin1String("0") && fileSave != QLatin1String("false");
}

bool MeasureCounterParameters::operator==(const MeasureCounterParameters &other) const
{
    return m_mode == other.m_mode && m_unit == other.m_unit && m_fileSave == other.m_fileSave
           && m_path == other.m_path;
}
