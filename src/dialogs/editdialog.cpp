// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/editdialog.h"

#include "dialogs/dialogprompter.h"

EditDialog::EditDialog(QWidget *parent)
    : QDialog(parent),
      m_ownPrompter(std::make_unique<DialogPrompter>())
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

EditDialog::~EditDialog() = default;

void EditDialog::setPrompter(Prompter *prompter)
{
    m_prompter = prompter;
}

QMessageBox::StandardButton EditDialog::warn(const QString &title, const QString &text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    return prompter().warning(this, title, text, buttons, defaultButton);
}

Prompter &EditDialog::prompter()
{
    return m_prompter ? *m_prompter : *m_ownPrompter;
}

QString EditDialog::plainCaption(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}
