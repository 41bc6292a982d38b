// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/editcntfncdialog.h"

#include "dialogs/userguide.h"
#include "model/blockitem.h"
#include "model/oscillatortiming.h"
#include "model/timetext.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include <utility>

namespace {

const QString Duty = QStringLiteral("Duty");
const QString Nsec = QStringLiteral("nsec");

void setNumber(QLineEdit *edit, double value)
{
    edit->setText(TimeText::formatNumber(value));
}

} // namespace

EditCntFncDialog::EditCntFncDialog(const BlockItem *block, QWidget *parent)
    : EditDialog(parent),
      m_parameters(CounterParameters::fromProperty(block->property()))
{
    buildForm();
    setWindowTitle(block->displayName());
    UserGuide::bindHelpKey(this, UserGuide::Section::Timer);
    loadBlock(m_parameters);
    m_loadedState = formState();

    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &EditCntFncDialog::okClicked);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &EditCntFncDialog::reject);
    connect(m_modeComboBox, &QComboBox::currentIndexChanged, this, &EditCntFncDialog::changeMode);
    connect(m_mainComboBox, &QComboBox::currentTextChanged, this, &EditCntFncDialog::changeMainUnit);
    connect(m_subComboBox, &QComboBox::currentTextChanged, this, &EditCntFncDialog::changeSubUnit);
    connect(m_frequencyUnitComboBox, &QComboBox::currentTextChanged, this,
            &EditCntFncDialog::changeSubUnit);
    connect(m_widthTypeComboBox, &QComboBox::currentTextChanged, this, &EditCntFncDialog::changeType);
    QMetaObject::connectSlotsByName(this);
}

void EditCntFncDialog::buildForm()
{
    auto named = [this](auto *widget, const char *name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };
    m_modeComboBox = named(new QComboBox(this), "modeComboBox");
    m_modeComboBox->addItems({tr("0: One-Shot Function(Non-Retriggerable)"),
                              tr("1: One-Shot Function(Retriggerable)"),
                              tr("2: Delayed One-Shot(Non-Retriggerable)"),
                              tr("3: Delayed One-Shot(Retriggerable)"),
                              tr("4: Chattering Elimination(Non-Retriggerable)"),
                              tr("5: Chattering Elimination(Retriggerable)"),
                              tr("6: Delay Function(Non-Retriggerable)"),
                              tr("7: Delay Function(Retriggerable)"),
                              tr("8: Oscillator Function with enable"), tr("9: Oscillator Function")});
    auto *labelMode = named(new QLabel(tr("&Mode"), this), "labelMode");
    labelMode->setBuddy(m_modeComboBox);
    m_mainLineEdit = named(new QLineEdit(this), "mainLineEdit");
    m_labelMain = named(new QLabel(tr("Main &Counter"), this), "labelMain");
    m_labelMain->setBuddy(m_mainLineEdit);
    m_mainComboBox = named(new QComboBox(this), "mainComboBox");
    m_mainComboBox->addItems(CounterParameters::units());
    m_subLineEdit = named(new QLineEdit(this), "subLineEdit");
    m_labelSub = named(new QLabel(tr("&Sub Counter"), this), "labelSub");
    m_labelSub->setBuddy(m_subLineEdit);
    m_subComboBox = named(new QComboBox(this), "subComboBox");
    m_subComboBox->addItems(CounterParameters::units());
    m_mainLineEdit->setWhatsThis(
        tr("The first time of the mode, as its caption says: the pulse width of a one-shot, the "
           "delay of a delayed one-shot, the guard or delay time before the output turns true, "
           "or the true width of an oscillator. The module counts it in whole 5 ns steps, up to "
           "21.474836475 s; the unit is chosen beside it."));
    m_subLineEdit->setWhatsThis(
        tr("The second time of the mode: the minimum idle time after a one-shot's pulse, the "
           "pulse width of a delayed one-shot, the guard or delay time before the output turns "
           "false, or the false width of an oscillator. Whole 5 ns steps; one-shots and "
           "oscillators need at least 5 ns."));
    m_radioButtonPulseWidth = named(new QRadioButton(tr("&Pulse Width"), this), "radioButtonPulseWidth");
    m_radioButtonPulseWidth->setChecked(true);
    m_radioButtonFrequency = named(new QRadioButton(tr("&Frequency"), this), "radioButtonFrequency");
    m_buttonBox = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this),
                        "buttonBox");
    m_frequencyUnitComboBox = new QComboBox(this);
    m_frequencyUnitComboBox->addItems({QStringLiteral("Hz"), QStringLiteral("KHz"), QStringLiteral("MHz")});
    m_widthTypeComboBox = new QComboBox(this);
    m_widthTypeComboBox->addItems({tr("True Width"), Duty});
    m_percentLabel = new QLabel(QStringLiteral("%"), this);

    auto *layout = new QGridLayout(this);
    layout->addWidget(labelMode, 0, 0);
    layout->addWidget(m_modeComboBox, 0, 1, 1, 2);
    layout->addWidget(m_radioButtonPulseWidth, 1, 1);
    layout->addWidget(m_radioButtonFrequency, 1, 2);
    layout->addWidget(m_labelMain, 2, 0);
    layout->addWidget(m_widthTypeComboBox, 2, 0);
    layout->addWidget(m_mainLineEdit, 2, 1);
    layout->addWidget(m_mainComboBox, 2, 2);
    layout->addWidget(m_percentLabel, 2, 2);
    layout->addWidget(m_labelSub, 3, 0);
    layout->addWidget(m_subLineEdit, 3, 1);
    layout->addWidget(m_subComboBox, 3, 2);
    layout->addWidget(m_frequencyUnitComboBox, 3, 2);
    layout->addWidget(m_buttonBox, 4, 0, 1, 3);
    showFrequencyRows(false);
}

void EditCntFncDialog::loadBlock(const CounterParameters &parameters)
{
    const int mode = parameters.mode() >= 0 && parameters.mode() < CounterParameters::ModeCount
                         ? parameters.mode()
                         : 0;
    m_modeComboBox->setCurrentIndex(mode);
    changeMode(mode);
    QString sub = parameters.subCount();
    if (mode == 0 && sub.isEmpty())
        sub = QStringLiteral("5nsec");
    showTime(m_mainLineEdit, m_mainComboBox, m_mainFactor, CounterParameters::loadTime(parameters.mainCount()));
    showTime(m_subLineEdit, m_subComboBox, m_subFactor, CounterParameters::loadTime(sub));
    const QString disp = parameters.disp();
    if (!CounterParameters::hasOscillatorForm(mode) || disp.isEmpty())
        return;
    m_radioButtonFrequency->setChecked(true);
    m_widthTypeComboBox->setCurrentText(disp.contains(Duty) ? Duty : tr("True Width"));
    m_frequencyUnitComboBox->setCurrentText(disp.contains(QLatin1String("MHz"))   ? QStringLiteral("MHz")
                                            : disp.contains(QLatin1String("KHz")) ? QStringLiteral("KHz")
                                                                                   : QStringLiteral("Hz"));
    m_dispText = disp;
    enterFrequencyForm();
}

void EditCntFncDialog::showTime(QLineEdit *edit, QComboBox *units, qint64 &factor,
                                const CounterParameters::Time &time)
{
    const QSignalBlocker blocker(units);
    setNumber(edit, time.number);
    units->setCurrentText(time.unit);
    factor = CounterParameters::unitFactor(time.unit);
}

QStringList EditCntFncDialog::formState() const
{
    return {QString::number(m_modeComboBox->currentIndex()), m_mainLineEdit->text(),
            m_mainComboBox->currentText(), m_subLineEdit->text(), m_subComboBox->currentText(),
            QString::number(m_frequencyForm), m_widthTypeComboBox->currentText(),
            m_frequencyUnitComboBox->currentText()};
}

// ---- mode and units ----

void EditCntFncDialog::changeMode(int mode)
{
    m_mode = mode;
    const bool oscillator = CounterParameters::hasOscillatorForm(mode);
    if (!oscillator && m_frequencyForm)
        leaveFrequencyForm();
    m_radioButtonPulseWidth->setVisible(oscillator);
    m_radioButtonFrequency->setVisible(oscillator);
    if (!m_frequencyForm)
        setCaptions(mode);
    if (oscillator && m_radioButtonFrequency->isChecked())
        enterFrequencyForm();
}

void EditCntFncDialog::setCaptions(int mode)
{
    static const char *const captions[CounterParameters::ModeCount][2] = {
        {QT_TR_NOOP("&Pulse Width"), QT_TR_NOOP("Minimum Idle &Time")},
        {QT_TR_NOOP("&Pulse Width"), QT_TR_NOOP("Minimum Idle &Time")},
        {QT_TR_NOOP("&Delay Time"), QT_TR_NOOP("&Pulse Width")},
        {QT_TR_NOOP("&Delay Time"), QT_TR_NOOP("&Pulse Width")},
        {QT_TR_NOOP("Guard Time (turn &True)"), QT_TR_NOOP("Guard Time (turn &False)")},
        {QT_TR_NOOP("Guard Time (turn &True)"), QT_TR_NOOP("Guard Time (turn &False)")},
        {QT_TR_NOOP("Delay time (turn &True)"), QT_TR_NOOP("Delay time (turn &False)")},
        {QT_TR_NOOP("Delay time (turn &True)"), QT_TR_NOOP("Delay time (turn &False)")},
        {QT_TR_NOOP("&True Width"), QT_TR_NOOP("&False Width")},
        {QT_TR_NOOP("&True Width"), QT_TR_NOOP("&False Width")}};
    m_labelMain->setText(tr(captions[mode][0]));
    m_labelSub->setText(tr(captions[mode][1]));
}

void EditCntFncDialog::changeMainUnit(const QString &unit)
{
    const qint64 factor = CounterParameters::unitFactor(unit);
    if (factor == 0)
        return;
    setNumber(m_mainLineEdit, TimeText::rescale(m_mainLineEdit->text().toDouble(), m_mainFactor, factor));
    m_mainFactor = factor;
}

void EditCntFncDialog::changeSubUnit(const QString &unit)
{
    const bool frequency = unit.endsWith(QLatin1String("Hz"));
    qint64 &oldFactor = frequency ? m_freqFactor : m_subFactor;
    const qint64 factor = frequency ? CounterParameters::frequencyFactor(unit) : CounterParameters::unitFactor(unit);
    if (factor == 0)
        return;
    setNumber(m_subLineEdit, TimeText::rescale(m_subLineEdit->text().toDouble(), oldFactor, factor));
    oldFactor = factor;
}

// ---- frequency form ----

bool EditCntFncDialog::isDutyForm() const
{
    return m_widthTypeComboBox->currentText() == Duty;
}

double EditCntFncDialog::frequencyHz() const
{
    return m_subLineEdit->text().toDouble() * double(m_freqFactor) / 1000.0;
}

void EditCntFncDialog::showFrequencyRows(bool frequency)
{
    m_labelMain->setVisible(!frequency);
    m_widthTypeComboBox->setVisible(frequency);
    m_subComboBox->setVisible(!frequency);
    m_frequencyUnitComboBox->setVisible(frequency);
    const bool percent = frequency && isDutyForm();
    m_mainComboBox->setVisible(!percent);
    m_percentLabel->setVisible(percent);
}

void EditCntFncDialog::on_radioButtonFrequency_clicked()
{
    enterFrequencyForm();
}

void EditCntFncDialog::on_radioButtonPulseWidth_clicked()
{
    m_dispText.clear();
    leaveFrequencyForm();
}

void EditCntFncDialog::enterFrequencyForm()
{
    if (m_frequencyForm || !CounterParameters::hasOscillatorForm(m_mode))
        return;
    m_widths = {m_mainLineEdit->text(), m_mainComboBox->currentText(), m_subLineEdit->text(),
                m_subComboBox->currentText()};
    const double high = m_mainLineEdit->text().toDouble() * double(m_mainFactor);
    const double low = m_subLineEdit->text().toDouble() * double(m_subFactor);
    m_freqFactor = CounterParameters::frequencyFactor(m_frequencyUnitComboBox->currentText());
    setNumber(m_subLineEdit, OscillatorTiming::frequencyHz(high, low) * 1000.0 / double(m_freqFactor));
    m_labelSub->setText(tr("&Frequency"));
    if (isDutyForm())
        setNumber(m_mainLineEdit, OscillatorTiming::dutyPercent(high, low));
    m_enteredFrequency = m_subLineEdit->text();
    m_enteredWidthValue = m_mainLineEdit->text();
    m_convertedTo.clear();
    m_frequencyForm = true;
    showFrequencyRows(true);
}

void EditCntFncDialog::leaveFrequencyForm()
{
    if (!m_frequencyForm)
        return;
    if (m_subLineEdit->text() == m_enteredFrequency && m_mainLineEdit->text() == m_enteredWidthValue) {
        showTime(m_mainLineEdit, m_mainComboBox, m_mainFactor,
                 CounterParameters::loadTime(m_widths.main + m_widths.mainUnit));
        showTime(m_subLineEdit, m_subComboBox, m_subFactor,
                 CounterParameters::loadTime(m_widths.sub + m_widths.subUnit));
    } else {
        const qint64 period = OscillatorTiming::periodFromFrequency(frequencyHz());
        const double value = m_mainLineEdit->text().toDouble();
        const double high = isDutyForm() ? double(OscillatorTiming::trueWidthFromDuty(value, period))
                                         : value * double(m_mainFactor);
        const QString mainUnit = m_widths.mainUnit.isEmpty() ? Nsec : m_widths.mainUnit;
        const QString subUnit = m_widths.subUnit.isEmpty() ? Nsec : m_widths.subUnit;
        showTime(m_mainLineEdit, m_mainComboBox, m_mainFactor,
                 {TimeText::roundTo5(high) / CounterParameters::unitFactor(mainUnit), mainUnit});
        showTime(m_subLineEdit, m_subComboBox, m_subFactor,
                 {TimeText::roundTo5(double(period) - high) / CounterParameters::unitFactor(subUnit), subUnit});
    }
    m_frequencyForm = false;
    m_radioButtonPulseWidth->setChecked(true);
    showFrequencyRows(false);
    setCaptions(m_mode);
}

void EditCntFncDialog::changeType(const QString &type)
{
    if (!m_frequencyForm)
        return;
    const QString current = m_mainLineEdit->text();
    if (!m_convertedTo.isEmpty() && current == m_convertedTo) {
        // Straight back: the text from before the last conversion.
        if (type != Duty)
            showTime(m_mainLineEdit, m_mainComboBox, m_mainFactor,
                     CounterParameters::loadTime(m_convertedFrom + m_convertedFromUnit));
        else
            m_mainLineEdit->setText(m_convertedFrom);
        m_convertedTo.clear();
        showFrequencyRows(true);
        return;
    }
    m_convertedFrom = current;
    m_convertedFromUnit = m_mainComboBox->currentText();
    const qint64 period = OscillatorTiming::periodFromFrequency(frequencyHz());
    if (type == Duty) {
        const double high = current.toDouble() * double(m_mainFactor);
        setNumber(m_mainLineEdit, period > 0 ? high / double(period) * 100 : 0);
    } else {
        const QString unit = m_widths.mainUnit.isEmpty() ? Nsec : m_widths.mainUnit;
        const double high = current.toDouble() * double(period) / 100;
        showTime(m_mainLineEdit, m_mainComboBox, m_mainFactor,
                 {high / CounterParameters::unitFactor(unit), unit});
    }
    m_convertedTo = m_mainLineEdit->text();
    showFrequencyRows(true);
}

// ---- accepting ----

void EditCntFncDialog::okClicked()
{
    if (formState() == m_loadedState) {
        accept(); // unedited: the property stays as it is
        return;
    }
    if (m_frequencyForm && CounterParameters::hasOscillatorForm(m_mode)) {
        if (!checkFrequencyForm())
            return;
        m_dispText = (isDutyForm() ? Duty : QString()) + m_frequencyUnitComboBox->currentText();
        leaveFrequencyForm();
    }
    const CounterParameters::Typed main{m_mainLineEdit->text(), m_mainComboBox->currentText()};
    const CounterParameters::Typed sub{m_subLineEdit->text(), m_subComboBox->currentText()};
    const CounterParameters::Entry entry = CounterParameters::checkEntry(m_mode, main, sub);
    if (entry.verdict != CounterParameters::Entry::Verdict::Accepted) {
        warnRefused(entry);
        return;
    }
    CounterParameters parameters;
    parameters.setMode(m_mode);
    parameters.setMainCount({main.number.toDouble(), main.unit});
    parameters.setSubCount({sub.number.toDouble(), sub.unit});
    if (CounterParameters::hasOscillatorForm(m_mode))
        parameters.setDisp(m_dispText);
    m_parameters = parameters;
    accept();
}

bool EditCntFncDialog::checkFrequencyForm()
{
    using Fault = CounterParameters::FrequencyFault;
    const Fault fault = CounterParameters::checkFrequencyForm(m_subLineEdit->text(), m_mainLineEdit->text(),
                                                              isDutyForm());
    if (fault == Fault::None)
        return true;
    const QString message =
        fault == Fault::Frequency ? tr("Frequency must be larger than 0.")
        : fault == Fault::Width
            ? tr("%1 must be larger than 0.").arg(plainCaption(m_widthTypeComboBox->currentText()))
            : tr("Duty must be less than 100%.");
    warn(tr("Invalid Setting"), message);
    return false;
}

void EditCntFncDialog::warnRefused(const CounterParameters::Entry &entry)
{
    using Verdict = CounterParameters::Entry::Verdict;
    const std::pair<QLineEdit *, std::optional<double>> fields[] = {{m_mainLineEdit, entry.main},
                                                                    {m_subLineEdit, entry.sub}};
    QStringList changes;
    for (const auto &[edit, value] : fields) {
        if (value)
            changes << edit->text() + tr(" is rounded off and becomes ") + TimeText::formatNumber(*value);
    }
    if (entry.verdict == Verdict::SubOutOfRange)
        warn(QString(), tr("%1 must be %2 ns - 21.48 sec")
                            .arg(plainCaption(m_labelSub->text()),
                                 QString::number(CounterParameters::minimumSubNs(m_mode))));
    else if (entry.verdict == Verdict::MainOutOfRange)
        warn(QString(), tr("%1 must be 0 - 21.48sec").arg(plainCaption(m_labelMain->text())));
    else
        warn(tr("Invalid Setting"),
             tr("Because it is necessary to set Counter by a unit for 5ns,\n") + changes.join(tr(",\nand ")));
    for (const auto &[edit, value] : fields) {
        if (value)
            setNumber(edit, *value);
    }
}
