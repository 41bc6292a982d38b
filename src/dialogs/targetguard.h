// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

class Prompter;
class QWidget;

// Remembers which module the previous device command of this session
// talked to, so that a write going elsewhere (after an undo switched the
// connection settings back, say) is asked about first instead of reaching
// an unexpected module.
class TargetGuard
{
    Q_DECLARE_TR_FUNCTIONS(TargetGuard)

public:
    // True when the operation may go to target: it is the first device
    // command, goes where the previous one went, or the user agreed.
    // operation: the command's name as the menu shows it ("Download").
    bool approve(const QString &operation, const QString &target, Prompter &prompter,
                 QWidget *parent) const;
    void use(const QString &target) { m_previous = target; }
    const QString &previous() const { return m_previous; }

private:
    QString m_previous;  // empty until the first device command
};
