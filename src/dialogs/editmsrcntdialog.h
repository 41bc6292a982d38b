// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/editdialog.h"
#include "model/measurecounterparameters.h"

#include <QList>

class BlockItem;
class DesignModel;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QToolButton;

// Edits a measure counter: how the gate is formed, what is counted, the time
// unit and the log directory, and which of the four physical counters the
// block stands for.
class EditMsrCntDialog : public EditDialog
{
    Q_OBJECT

public:
    EditMsrCntDialog(const BlockItem *block, const DesignModel &model, QWidget *parent = nullptr);

    // The accepted settings; the block's own when nothing was edited.
    MeasureCounterParameters parameters() const { return m_parameters; }
    // The counter chosen instead of the block's own; empty when unchanged.
    QString counterName() const { return m_counterName; }

public slots:
    void okClicked();
    void on_toolButton_clicked();
    void on_groupBox_toggled(bool on);
    void on_m_enbComboBox_currentIndexChanged(int index);

private:
    void buildForm();
    void loadBlock(const BlockItem *block, const DesignModel &model);
    MeasureCounterParameters shownParameters() const;
    // Offers to create a missing log directory; false keeps the dialog open.
    bool ensureDirectory(const QString &path);

    MeasureCounterParameters m_parameters;
    MeasureCounterParameters m_loaded; // as the form showed it when opened
    QString m_counterName;

    QComboBox *m_counterComboBox = nullptr;
    QComboBox *m_areaComboBox = nullptr;
    QComboBox *m_enbComboBox = nullptr;
    QList<QRadioButton *> m_unitButtons; // sec, msec, usec, nsec
    QGroupBox *m_groupBox = nullptr;
    QLineEdit *m_lineEdit = nullptr;
    QToolButton *m_toolButton = nullptr;
    QDialogButtonBox *m_buttonBox = nullptr;
};
