// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Settings of a measure counter block, as its property text
// "Mode=%1 Unit=%2 FileSave=%3 PATH=%4" (or without Unit when no time unit is
// chosen) stores them. Mode = gate + 4 × source: bits 0..1 how the gate is
// formed, bits 2..3 what is measured.
class MeasureCounterParameters
{
public:
    // Gate 0 ("User Control") needs no GATE input; sources 0 and 1 measure
    // times, 2 and 3 count events; source 0 ("Gate Time") needs no SRC input.
    static constexpr int GateCount = 4;
    static constexpr int SourceCount = 4;

    // An empty property: mode 0, no unit, logging off, no path. Values are
    // read up to the next blank, so a path with a blank is cut there.
    static MeasureCounterParameters fromProperty(const QString &property);
    QString toProperty() const;

    int mode() const { return m_mode; }
    int gate() const { return m_mode & 3; }
    int source() const { return (m_mode >> 2) & 3; }
    void setMode(int gate, int source) { m_mode = gate + 4 * source; }
    bool usesGateInput() const { return gate() != 0; }
    bool usesSourceInput() const { return source() != 0; }
    // Sources 2 and 3 count events (mode bit 3): no time unit applies.
    bool countsEvents() const { return (m_mode & 8) != 0; }
    static bool measuresTime(int source) { return source < 2; }

    // "sec", "msec", "usec", "nsec", or empty for none.
    QString unit() const { return m_unit; }
    void setUnit(const QString &unit) { m_unit = unit; }
    bool fileSave() const { return m_fileSave; }
    void setFileSave(bool on) { m_fileSave = on; }
    QString path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }

    // The time units, longest first: "sec", "msec", "usec", "nsec".
    static const QStringList &units();
    // Decimal places that show a count of 5 ns steps in `unit` to the step
    // (0 for "nsec" and for an event count).
    static int decimals(const QString &unit);

    // "0" and "false" are off, every other value (an absent key too) is on.
    static bool isLoggingOn(const QString &fileSave);

    bool operator==(const MeasureCounterParameters &other) const;
    bool operator!=(const MeasureCounterParameters &other) const { return !(*this == other); }

private:
    int m_mode = 0;
    QString m_unit;
    bool m_fileSave = false;
    QString m_path;
};
