// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/canvasprompts.h"

#include <QCoreApplication>

class Prompter;

// The canvas's boxes through the main window's prompter, so that they are
// answered wherever the window's other questions are.
class PrompterCanvasPrompts : public CanvasPrompts
{
    Q_DECLARE_TR_FUNCTIONS(PrompterCanvasPrompts)

public:
    // Not owned; set before the first box is shown.
    void setPrompter(Prompter *prompter) { m_prompter = prompter; }

    void warning(QWidget *parent, const QString &text) override;
    std::optional<QString> chooseItem(QWidget *parent, const QString &title, const QString &label,
                                      const QStringList &items, const QPoint &at) override;

private:
    Prompter *m_prompter = nullptr;
};
