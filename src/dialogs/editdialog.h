// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <memory>

class Prompter;
class DialogPrompter;

// Common base of the block parameter dialogs. A dialog shows a core value
// and, when accepted, hands the edited value back to its caller; it never
// changes the design itself. Warnings and questions go through a prompter so
// that tests can answer them without modal boxes.
class EditDialog : public QDialog
{
    Q_OBJECT

public:
    explicit EditDialog(QWidget *parent = nullptr);
    ~EditDialog() override;

    // Not owned; null returns to the dialog's own message boxes.
    void setPrompter(Prompter *prompter);

protected:
    QMessageBox::StandardButton warn(const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                     QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    // The prompter set, or the dialog's own boxes.
    Prompter &prompter();
    // A caption without its mnemonic "&".
    static QString plainCaption(QString caption);

private:
    std::unique_ptr<DialogPrompter> m_ownPrompter;
    Prompter *m_prompter = nullptr;
};
