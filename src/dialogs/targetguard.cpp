// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/targetguard.h"

#include "dialogs/prompter.h"

bool TargetGuard::approve(const QString &operation, const QString &target, Prompter &prompter,
                          QWidget *parent) const
{
    if (m_previous.isEmpty() || m_previous == target)
        return true;
    const QString text = tr("%1 goes to module %2, but the previous device command of this "
                            "session went to module %3.")
                             .arg(operation, target, m_previous);
    return prompter.question(parent, tr("KaRiX"), text, tr("Send it to %1?").arg(target),
                             QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel)
           == QMessageBox::Yes;
}
