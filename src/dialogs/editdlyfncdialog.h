// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/editdialog.h"
#include "model/delayparameters.h"

class BlockItem;
class QComboBox;
class QDialogButtonBox;
class QLineEdit;

// Edits the delay of a delay function block: 0 to 40.48 us in 5 ns steps.
class EditDlyFncDialog : public EditDialog
{
    Q_OBJECT

public:
    EditDlyFncDialog(const BlockItem *block, QWidget *parent = nullptr);

    // The accepted delay; the block's own when nothing was edited.
    DelayParameters parameters() const { return m_parameters; }

public slots:
    void okClicked();
    void changeUnit(const QString &unit);

private:
    void buildForm();

    DelayParameters m_parameters;
    DelayParameters::Shown m_loaded;
    qint64 m_unitFactor = 1; // nanoseconds per unit of the number shown

    QLineEdit *m_delayEdit = nullptr;
    QComboBox *m_unitComboBox = nullptr;
    QDialogButtonBox *m_buttonBox = nullptr;
};
