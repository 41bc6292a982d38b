// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/editdialog.h"
#include "model/counterparameters.h"

#include <QStringList>

class BlockItem;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// Edits a counter function: its mode and its main and sub times, each a
// whole number of 5 ns steps up to 21.474836475 s. The oscillator modes can
// also be entered as a frequency with a duty cycle or a true width.
class EditCntFncDialog : public EditDialog
{
    Q_OBJECT

public:
    EditCntFncDialog(const BlockItem *block, QWidget *parent = nullptr);

    // The accepted parameters; the block's own when nothing was edited.
    CounterParameters parameters() const { return m_parameters; }

public slots:
    void okClicked();
    void changeMode(int mode);
    void changeMainUnit(const QString &unit);
    void changeSubUnit(const QString &unit);
    void changeType(const QString &type);
    void on_radioButtonPulseWidth_clicked();
    void on_radioButtonFrequency_clicked();

private:
    // The width texts (number and unit) from before the frequency form.
    struct WidthTexts
    {
        QString main, mainUnit, sub, subUnit;
    };

    void buildForm();
    void loadBlock(const CounterParameters &parameters);
    void showTime(QLineEdit *edit, QComboBox *units, qint64 &factor, const CounterParameters::Time &time);
    void setCaptions(int mode);
    void showFrequencyRows(bool frequency);
    void enterFrequencyForm();
    void leaveFrequencyForm();
    double frequencyHz() const;
    bool isDutyForm() const;
    bool checkFrequencyForm();
    // Shows why the typed times were refused and what the fields now hold.
    void warnRefused(const CounterParameters::Entry &entry);
    // Everything the user can change, to tell an unedited dialog.
    QStringList formState() const;

    CounterParameters m_parameters;
    QStringList m_loadedState;
    int m_mode = 0;
    qint64 m_mainFactor = 1; // nanoseconds per unit of the main field
    qint64 m_subFactor = 1;  // nanoseconds per unit of the sub field
    qint64 m_freqFactor = 1; // millihertz per unit of the frequency field
    bool m_frequencyForm = false;
    WidthTexts m_widths;
    // Texts shown when the frequency form was entered: unchanged, leaving it
    // restores m_widths exactly.
    QString m_enteredFrequency;
    QString m_enteredWidthValue;
    // Last width-type conversion, undone exactly when switched straight back.
    QString m_convertedFrom, m_convertedFromUnit, m_convertedTo;
    QString m_dispText;

    QComboBox *m_modeComboBox = nullptr;
    QLabel *m_labelMain = nullptr;
    QLineEdit *m_mainLineEdit = nullptr;
    QComboBox *m_mainComboBox = nullptr;
    QLabel *m_labelSub = nullptr;
    QLineEdit *m_subLineEdit = nullptr;
    QComboBox *m_subComboBox = nullptr;
    QRadioButton *m_radioButtonPulseWidth = nullptr;
    QRadioButton *m_radioButtonFrequency = nullptr;
    QDialogButtonBox *m_buttonBox = nullptr;
    QComboBox *m_frequencyUnitComboBox = nullptr;
    QComboBox *m_widthTypeComboBox = nullptr;
    QLabel *m_percentLabel = nullptr;
};
