// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;

// Shows the module's two write-protection settings (now, and from the next
// power-up) and lets the user change them. OK is enabled only when a box
// differs from the module's state; the caller sends the change on accept.
class WriteProtectDialog : public QDialog
{
    Q_OBJECT

public:
    WriteProtectDialog(bool currentProtected, bool bootProtected, QWidget *parent = nullptr);

    bool currentProtected() const;
    bool bootProtected() const;

public slots:
    void on_currentCheckBox_toggled(bool checked);
    void on_bootCheckBox_toggled(bool checked);

private:
    void updateOk();

    bool m_initialCurrent;
    bool m_initialBoot;
    QCheckBox *m_current;
    QCheckBox *m_boot;
    QDialogButtonBox *m_buttons;
};
