// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// Parameters of a counter function block (one of the module's timers), as its
// property text "Mode=%1 MainCnt=%2 SubCnt=%3" with an optional " Disp=%4"
// stores them. A count is a decimal number followed by "nsec", "usec", "msec"
// or "sec", or a bare number of 5 ns steps. The texts are kept as stored, so
// that an unedited property is written back unchanged.
class CounterParameters
{
public:
    static constexpr int ModeCount = 10;
    // (2^32 - 1) steps of 5 ns: 21.474836475 s.
    static constexpr qint64 MaxCountNs = 21474836475;

    // A count as a dialog shows it: a number in `unit`.
    struct Time
    {
        double number = 0;
        QString unit = QStringLiteral("nsec");
    };

    // A time as typed into a field: the number text and its unit.
    struct Typed
    {
        QString number;
        QString unit;
    };

    // The main and sub time typed for `mode`, checked as the module takes
    // them: the sub time from minimumSubNs(mode), both up to MaxCountNs
    // (the sub time is checked first), then whole 5 ns steps of the
    // truncated nanoseconds.
    struct Entry
    {
        enum class Verdict { Accepted, SubOutOfRange, MainOutOfRange, Rounded };
        Verdict verdict = Verdict::Accepted;
        // The numbers the fields show instead, where a nearest allowed one
        // exists and differs.
        std::optional<double> main;
        std::optional<double> sub;
    };
    static Entry checkEntry(int mode, const Typed &main, const Typed &sub);

    // What is wrong with an oscillator typed in its frequency form: a
    // frequency and a true width (or a duty cycle in percent).
    enum class FrequencyFault { None, Frequency, Width, Duty };
    static FrequencyFault checkFrequencyForm(const QString &frequency, const QString &width, bool duty);
    // Millihertz per unit of a frequency: "Hz", "KHz" or "MHz" (anything
    // else counts as "Hz").
    static qint64 frequencyFactor(const QString &unit);

    // An empty or unreadable Mode is 0; absent counts are empty.
    static CounterParameters fromProperty(const QString &property);
    QString toProperty() const;

    int mode() const { return m_mode; }
    void setMode(int mode) { m_mode = mode; }
    QString mainCount() const { return m_mainCount; }
    QString subCount() const { return m_subCount; }
    // "Duty" or nothing, then "Hz", "KHz" or "MHz"; empty in the width form.
    QString disp() const { return m_disp; }
    void setMainCount(const Time &time);
    void setSubCount(const Time &time);
    void setDisp(const QString &disp) { m_disp = disp; }

    // Register values: the low 32 bits of the truncated 5 ns step counts.
    quint32 mainSteps() const;
    quint32 subSteps() const;
    // The module counts the sub time one step longer in the one-shot and
    // oscillator modes, so it is written one lower there (0 stays 0).
    quint32 subRegister() const;
    // The free-running oscillator (mode 9) takes no input.
    bool takesInput() const { return m_mode != 9; }

    static bool hasOscillatorForm(int mode) { return mode == 8 || mode == 9; }
    // Shortest sub time the mode allows, in nanoseconds.
    static qint64 minimumSubNs(int mode);
    // Nanoseconds per unit: 1 "nsec", 1000 "usec", 1000000 "msec",
    // 1000000000 "sec"; 0 for anything else.
    static qint64 unitFactor(const QString &unit);
    // "sec", "msec", "usec", "nsec": the order of the unit lists.
    static const QStringList &units();

    // A count in steps as the compiler reads it (see mainSteps()).
    static quint32 timeSteps(const QString &text);
    // A count as a dialog shows it: the unit found last in the text (checked
    // in the order msec, usec, nsec, sec) and the number before it, or a bare
    // step count shown in nanoseconds.
    static Time loadTime(const QString &text);
    static QString timeText(const Time &time);

    bool operator==(const CounterParameters &other) const;
    bool operator!=(const CounterParameters &other) const { return !(*this == other); }

private:
    int m_mode = 0;
    QString m_mainCount;
    QString m_subCount;
    QString m_disp;
};
