// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/promptercanvasprompts.h"

#include "dialogs/prompter.h"

void PrompterCanvasPrompts::warning(QWidget *parent, const QString &text)
{
    m_prompter->warning(parent, tr("KaRiX"), text);
}

std::optional<QString> PrompterCanvasPrompts::chooseItem(QWidget *parent, const QString &title,
                                                         const QString &label,
                                                         const QStringList &items,
                                                         const QPoint &at)
{
    return m_prompter->chooseItem(parent, title, label, items, at);
}
