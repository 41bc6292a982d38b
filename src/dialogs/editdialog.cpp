#include "dialogs/editdialog.h"

#include "app/dialogprompter.h"

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
    Prompter &prompter = m_prompter ? *m_prompter : *m_ownPrompter;
    return prompter.warning(this, title, text, buttons, defaultButton);
}

QString EditDialog::plainCaption(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}
