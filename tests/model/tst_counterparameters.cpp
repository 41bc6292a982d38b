// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "model/counterparameters.h"
#include "model/oscillatortiming.h"
#include "model/timetext.h"

#include <QRandomGenerator>
#include <QTest>

Q_DECLARE_METATYPE(CounterParameters::Entry::Verdict)
Q_DECLARE_METATYPE(CounterParameters::FrequencyFault)

class TestCounterParameters : public QObject
{
    Q_OBJECT

private slots:
    void readsProperty();
    void loadsTimes_data();
    void loadsTimes();
    void oscillatorFormFromFrequency();
    void oscillatorFormRoundTrip();
    void randomValuesRoundTrip();
    void checksEntry_data();
    void checksEntry();
    void checksFrequencyForm_data();
    void checksFrequencyForm();
};

void TestCounterParameters::readsProperty()
{
    const QString property = QStringLiteral("Mode=9 MainCnt=500nsec SubCnt=0.5usec Disp=DutyMHz");
    const auto parameters = CounterParameters::fromProperty(property);
    QCOMPARE(parameters.mode(), 9);
    QCOMPARE(parameters.mainSteps(), 100u);
    QCOMPARE(parameters.subSteps(), 100u);
    QCOMPARE(parameters.disp(), QStringLiteral("DutyMHz"));
    QVERIFY(!parameters.takesInput());
    QCOMPARE(parameters.toProperty(), property);

    const auto empty = CounterParameters::fromProperty(QString());
    QCOMPARE(empty.mode(), 0);
    QVERIFY(empty.subCount().isEmpty());
    QCOMPARE(CounterParameters::fromProperty(QStringLiteral("Mode=x")).mode(), 0);
}

void TestCounterParameters::loadsTimes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("unit");
    QTest::newRow("microseconds") << "1.5usec" << 1.5 << "usec";
    QTest::newRow("bare steps") << "20" << 100.0 << "nsec";
    QTest::newRow("seconds") << "21sec" << 21.0 << "sec";
    QTest::newRow("milliseconds, not seconds") << "3msec" << 3.0 << "msec";
    QTest::newRow("nanoseconds") << "100nsec" << 100.0 << "nsec";
    QTest::newRow("empty") << "" << 0.0 << "nsec";
    QTest::newRow("unit alone is a step count") << "sec" << 0.0 << "nsec";
}

void TestCounterParameters::loadsTimes()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QFETCH(QString, unit);
    const CounterParameters::Time time = CounterParameters::loadTime(text);
    QCOMPARE(time.number, number);
    QCOMPARE(time.unit, unit);
}




void TestCounterParameters::oscillatorFormFromFrequency()
{
    const qint64 period = OscillatorTiming::periodFromFrequency(1e6);
    QCOMPARE(period, 1000);
    const qint64 high = OscillatorTiming::trueWidthFromDuty(50, period);
    QCOMPARE(high, 500);
    QCOMPARE(period - high, 500);
    QCOMPARE(OscillatorTiming::dutyPercent(500, 0), 100.0);
    QCOMPARE(OscillatorTiming::frequencyHz(500, 0), 2e6);
}

// Widths → frequency and duty → widths gives the widths back.
void TestCounterParameters::oscillatorFormRoundTrip()
{
    QRandomGenerator random(12);
    for (int i = 0; i < 500; ++i) {
        const double high = 5.0 * random.bounded(1, 2000);
        const double low = 5.0 * random.bounded(1, 2000);
        const double frequency = OscillatorTiming::frequencyHz(high, low);
        const double duty = OscillatorTiming::dutyPercent(high, low);
        const qint64 period = qint64(TimeText::roundTo5(
            double(OscillatorTiming::periodFromFrequency(frequency))));
        const double backHigh = TimeText::roundTo5(double(OscillatorTiming::trueWidthFromDuty(duty, period)));
        QCOMPARE(period, qint64(high + low));
        QCOMPARE(backHigh, high);
    }
}

void TestCounterParameters::randomValuesRoundTrip()
{
    QRandomGenerator random(7);
    const QStringList units = CounterParameters::units();
    const QStringList disps = {QString(), QStringLiteral("Hz"), QStringLiteral("DutyKHz"),
                               QStringLiteral("MHz")};
    for (int i = 0; i < 2000; ++i) {
        CounterParameters value;
        value.setMode(random.bounded(CounterParameters::ModeCount));
        for (bool main : {true, false}) {
            const QString unit = units.at(random.bounded(units.size()));
            const qint64 ns = 5 * random.bounded(qint64(CounterParameters::MaxCountNs / 5) + 1);
            const CounterParameters::Time time{double(ns) / CounterParameters::unitFactor(unit), unit};
            main ? value.setMainCount(time) : value.setSubCount(time);
            const quint32 steps = main ? value.mainSteps() : value.subSteps();
            QCOMPARE(steps, quint32(ns / 5));
        }
        if (CounterParameters::hasOscillatorForm(value.mode()))
            value.setDisp(disps.at(random.bounded(disps.size())));
        const QString property = value.toProperty();
        const auto again = CounterParameters::fromProperty(property);
        QCOMPARE(again, value);
        QCOMPARE(again.toProperty(), property);
        const CounterParameters::Time shown = CounterParameters::loadTime(value.mainCount());
        QCOMPARE(CounterParameters::timeText(shown), value.mainCount());
    }
}

void TestCounterParameters::checksEntry_data()
{
    using Verdict = CounterParameters::Entry::Verdict;
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("main");
    QTest::addColumn<QString>("mainUnit");
    QTest::addColumn<QString>("sub"); // in nsec
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("corrected"); // main and sub shown instead, "-" for none
    QTest::newRow("mode 0 refuses sub 0") << 0 << "100" << "nsec" << "0" << Verdict::SubOutOfRange << "- 5";
    QTest::newRow("mode 2 accepts sub 0") << 2 << "100" << "nsec" << "0" << Verdict::Accepted << "- -";
    QTest::newRow("mode 9 refuses sub 0") << 9 << "100" << "nsec" << "0" << Verdict::SubOutOfRange << "- 5";
    QTest::newRow("sub above 21.48 s") << 3 << "1" << "nsec" << "21474836480" << Verdict::SubOutOfRange
                                      << "- 21474836475";
    QTest::newRow("21 sec accepted") << 1 << "21" << "sec" << "10" << Verdict::Accepted << "- -";
    QTest::newRow("21.5 sec set to the maximum") << 1 << "21.5" << "sec" << "10" << Verdict::MainOutOfRange
                                                 << "21.474836475 -";
    QTest::newRow("negative main set to 0") << 4 << "-1" << "usec" << "10" << Verdict::MainOutOfRange << "0 -";
    QTest::newRow("sub not a number") << 3 << "10" << "nsec" << "x" << Verdict::SubOutOfRange << "- -";
    QTest::newRow("main not a number") << 3 << "x" << "nsec" << "10" << Verdict::MainOutOfRange << "- -";
    QTest::newRow("12 becomes 10") << 2 << "12" << "nsec" << "0" << Verdict::Rounded << "10 -";
    QTest::newRow("13 becomes 15") << 2 << "13" << "nsec" << "0" << Verdict::Rounded << "15 -";
    QTest::newRow("12.5 becomes 10") << 2 << "12.5" << "nsec" << "0" << Verdict::Rounded << "10 -";
    QTest::newRow("both rounded") << 2 << "12" << "nsec" << "13" << Verdict::Rounded << "10 15";
    QTest::newRow("fraction of a microsecond") << 7 << "1.5" << "usec" << "20" << Verdict::Accepted << "- -";
    QTest::newRow("fraction of a nanosecond in usec") << 7 << "0.0123" << "usec" << "20" << Verdict::Rounded
                                                      << "0.01 -";
}

void TestCounterParameters::checksEntry()
{
    QFETCH(int, mode);
    QFETCH(QString, main);
    QFETCH(QString, mainUnit);
    QFETCH(QString, sub);
    QFETCH(CounterParameters::Entry::Verdict, verdict);
    QFETCH(QString, corrected);
    const auto entry = CounterParameters::checkEntry(mode, {main, mainUnit}, {sub, QStringLiteral("nsec")});
    const auto shown = [](const std::optional<double> &value) {
        return value ? TimeText::formatNumber(*value) : QStringLiteral("-");
    };
    QCOMPARE(entry.verdict, verdict);
    QCOMPARE(shown(entry.main) + " " + shown(entry.sub), corrected);
}

void TestCounterParameters::checksFrequencyForm_data()
{
    using Fault = CounterParameters::FrequencyFault;
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("width");
    QTest::addColumn<bool>("duty");
    QTest::addColumn<Fault>("fault");
    QTest::newRow("valid duty") << "1" << "99.9" << true << Fault::None;
    QTest::newRow("no frequency") << "0" << "50" << true << Fault::Frequency;
    QTest::newRow("frequency not a number") << "x" << "50" << true << Fault::Frequency;
    QTest::newRow("no duty") << "1" << "0" << true << Fault::Width;
    QTest::newRow("full duty") << "1" << "100" << true << Fault::Duty;
    QTest::newRow("true width above 100 ns") << "1" << "100" << false << Fault::None;
    QTest::newRow("negative true width") << "1" << "-3" << false << Fault::Width;
}

void TestCounterParameters::checksFrequencyForm()
{
    QFETCH(QString, frequency);
    QFETCH(QString, width);
    QFETCH(bool, duty);
    QFETCH(CounterParameters::FrequencyFault, fault);
    QCOMPARE(CounterParameters::checkFrequencyForm(frequency, width, duty), fault);
}

KARIX_TEST(TestCounterParameters)
#include "tst_counterparameters.moc"
