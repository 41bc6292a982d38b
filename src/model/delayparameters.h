// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The delay of a delay function block, as its property "Delay=%1" stores it:
// a decimal number followed by "us" or "ns", or a bare count of 5 ns steps.
// The text is kept as stored, so that an unedited property is written back
// unchanged.
class DelayParameters
{
public:
    // The module's delay register holds up to 40.48 us.
    static constexpr qint64 MaxDelayNs = 40480;

    // A delay as the dialog shows it: the number text and its unit.
    struct Shown
    {
        QString number;
        QString unit;
    };

    // Anything but a "Delay=" property is an empty delay (0).
    static DelayParameters fromProperty(const QString &property);
    // `number` in units of `unit` ("us" or "ns").
    static DelayParameters fromNumber(double number, const QString &unit);
    QString toProperty() const;
    QString text() const { return m_text; }

    // 5 ns steps as the compiler writes them: "us" values truncated, "ns"
    // values read as whole nanoseconds; 0 for anything unreadable.
    int steps() const;
    // The unit found last ("us" before "ns") with the text before it, or a
    // bare step count shown in nanoseconds.
    Shown shown() const;

    // A delay typed into a field, checked as the module takes it: from 0 to
    // MaxDelayNs in whole 5 ns steps (the typed nanoseconds truncated first).
    struct Entry
    {
        enum class Verdict { Accepted, OutOfRange, Rounded };
        Verdict verdict = Verdict::Accepted;
        // The number the field shows instead: the nearest allowed one, or
        // none for a text that is no number.
        std::optional<double> corrected;
    };
    static Entry checkEntry(const Shown &typed);

    // Nanoseconds per unit: 1000 "us", 1 "ns".
    static qint64 unitFactor(const QString &unit);

    bool operator==(const DelayParameters &other) const { return m_text == other.m_text; }

private:
    QString m_text; // after "Delay="
};
