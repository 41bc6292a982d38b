// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/prompter.h"

// Answers every question with one fixed button and prints each message on
// standard error instead of showing a box; for the screenshot and benchmark
// tools that drive the main window without a user. Asks for no texts, list
// entries or files.
class ConsolePrompter : public Prompter
{
public:
    explicit ConsolePrompter(QMessageBox::StandardButton answer) : m_answer(answer) {}

    QMessageBox::StandardButton warning(QWidget *parent, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton,
                                        std::optional<QPoint> at) override;
    std::optional<QString> chooseItem(QWidget *parent, const QString &title, const QString &label,
                                      const QStringList &items, std::optional<QPoint> at) override;
    std::optional<QString> askText(QWidget *parent, const QString &title, const QString &label,
                                   const QString &text) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &directory,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &directory,
                         const QString &filter) override;

private:
    QMessageBox::StandardButton m_answer;
};
