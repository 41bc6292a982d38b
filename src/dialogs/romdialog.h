// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/modulestate.h"

#include <QByteArray>
#include <QDialog>
#include <QVector>

class Prompter;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTableWidget;

// Chooses a ROM page to save the registers to (with a comment and,
// optionally, as the new boot page), a page to restore, or a new boot page,
// from the module's ROM information. On accept, choice() says what to send.
class RomDialog : public QDialog
{
    Q_OBJECT

public:
    enum Mode { Save = 0, Restore = 1, BootPage = 2 };

    struct Choice
    {
        QByteArray comment;  // the 112-byte slot, or empty: not written
        int bootPage = -1;   // -1: unchanged
        int page = 0;
    };

    // romInfo: a module state read with the boot page and comments.
    RomDialog(const QString &fileName, const ModuleState &romInfo, Mode romMode,
              Prompter &prompter, QWidget *parent = nullptr);

    const Choice &choice() const { return m_choice; }

public slots:
    void on_buttonBox_accepted();
    void on_comboBox_currentIndexChanged(int page);
    void on_tableWidget_currentCellChanged(int row, int column, int previousRow,
                                           int previousColumn);

private:
    void buildForm();
    void fillTable();
    void setUpSaveMode();
    void setUpRestoreMode();
    void setUpBootMode();
    void setState(int row, bool checked);
    bool acceptSave(int page);

    Prompter &m_prompter;
    Mode m_mode;
    int m_initialBoot;
    int m_selectedBoot;
    QVector<QString> m_comments;
    QString m_defaultComment;
    bool m_updating = false;
    Choice m_choice;

    QTableWidget *m_table;
    QLabel *m_label;
    QComboBox *m_comboBox;
    QLineEdit *m_lineEdit;
    QCheckBox *m_checkBox;
    QDialogButtonBox *m_buttons;
    QVector<QCheckBox *> m_bootBoxes;
};
