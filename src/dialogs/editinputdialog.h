// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/editdialog.h"

class BlockItem;
class DesignModel;
class QComboBox;
class QDialogButtonBox;
class QLineEdit;

// Names an input connector or NIM output block and moves it to another free
// hardware port. Accepted, it offers the chosen port and name; the caller
// applies them.
class EditInputDialog : public EditDialog
{
    Q_OBJECT

public:
    EditInputDialog(const BlockItem *block, const DesignModel &model, QWidget *parent = nullptr);

    // The selected port: the block's own name when it stays where it is.
    QString port() const;
    QString name() const;
    // False when the dialog was accepted without a change.
    bool changed() const { return m_changed; }

public slots:
    void on_comboBox_currentIndexChanged(int index);
    void on_buttonBox_accepted();

private:
    void buildForm();

    const BlockItem *m_block;
    const DesignModel &m_model;
    QString m_rememberedName;
    bool m_changed = false;

    QComboBox *m_comboBox = nullptr;
    QLineEdit *m_lineEdit = nullptr;
    QDialogButtonBox *m_buttonBox = nullptr;
};
