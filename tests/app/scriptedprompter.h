// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/prompter.h"

#include <QList>
#include <QStringList>
#include <functional>

// Answers the main window's questions from a script and records every box
// it would have shown, as "title|text" ("title|label|text" for a text
// question, "title|label|entry,entry,..." for a list, the title alone for a
// file dialog).
class ScriptedPrompter : public Prompter
{
public:
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    // Answers for warnings, used up one per box before `answer`.
    QList<QMessageBox::StandardButton> answers;
    std::optional<QString> textAnswer;
    // The entry picked from a list (nothing: cancelled).
    std::optional<QString> itemAnswer;
    QString fileAnswer;
    // The directory chosen; the title and start directory are recorded
    // as "directory|title|start".
    QString directoryAnswer;
    // Answers for the save dialog, used up one per question before fileAnswer.
    QStringList saveAnswers;
    QStringList shown;
    // Plays the user's part in a modal dialog; without it every dialog is
    // cancelled. The dialog's title is recorded in shown as "dialog|title".
    std::function<int(QDialog &)> dialogAnswer;

    QMessageBox::StandardButton warning(QWidget *, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons, QMessageBox::StandardButton,
                                        std::optional<QPoint>) override
    {
        shown << title + QLatin1Char('|') + text;
        return answers.isEmpty() ? answer : answers.takeFirst();
    }
    QMessageBox::StandardButton question(QWidget *, const QString &title, const QString &text,
                                         const QString &informative, QMessageBox::StandardButtons,
                                         QMessageBox::StandardButton) override
    {
        shown << title + QLatin1Char('|') + text + QLatin1Char('|') + informative;
        return answer;
    }
    void information(QWidget *, const QString &title, const QString &text) override
    {
        shown << QStringLiteral("info:") + title + QLatin1Char('|') + text;
    }
    void notice(QWidget *, const QString &text) override
    {
        shown << QStringLiteral("notice:") + text;
    }
    int runDialog(QDialog &dialog) override
    {
        shown << QStringLiteral("dialog|") + dialog.windowTitle();
        return dialogAnswer ? dialogAnswer(dialog) : int(QDialog::Rejected);
    }
    std::optional<QString> askText(QWidget *, const QString &title, const QString &label,
                                   const QString &text) override
    {
        shown << title + QLatin1Char('|') + label + QLatin1Char('|') + text;
        return textAnswer;
    }
    std::optional<QString> chooseItem(QWidget *, const QString &title, const QString &label,
                                      const QStringList &items, std::optional<QPoint>) override
    {
        shown << title + QLatin1Char('|') + label + QLatin1Char('|') + items.join(QLatin1Char(','));
        return itemAnswer;
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return fileAnswer;
    }
    QString saveFileName(QWidget *, const QString &title, const QString &, const QString &) override
    {
        shown << title;
        return saveAnswers.isEmpty() ? fileAnswer : saveAnswers.takeFirst();
    }
    QString existingDirectory(QWidget *, const QString &title, const QString &directory) override
    {
        shown << QStringLiteral("directory|") + title + QLatin1Char('|') + directory;
        return directoryAnswer;
    }
};
