// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "waveform/stimulussetup.h"

#include <QList>
#include <QWidget>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// The input rows of the Simulate window: per input the design uses, its
// port name, the kind of source and the source's value in the words of
// karix-cli simulate ("1MHz,20ns", "1us,100ns,0ns", "1", a file). Settings
// of an input are kept while it leaves and comes back.
class StimulusEditor : public QWidget
{
    Q_OBJECT
public:
    explicit StimulusEditor(QWidget *parent = nullptr);

    // inputs: connector index → caption, for the inputs in use.
    void setInputs(const QList<QPair<int, QString>> &inputs);
    void setSource(int input, StimulusSetup::Kind kind, const QString &value);
    // The sources of the inputs shown; the others are off.
    StimulusSetup setup() const;

signals:
    void changed();

private:
    struct Row
    {
        int input;
        QLabel *name;
        QComboBox *kind;
        QLineEdit *value;
        QPushButton *browse;
    };

    void addRow(int input, const QString &caption);
    void clearRows();
    void kindChosen(const Row &row);
    void browse(const Row &row);
    static QString defaultValue(StimulusSetup::Kind kind);

    QGridLayout *m_grid;
    QList<Row> m_rows;
    StimulusSetup m_all; // every input's last setting, shown or not
};
