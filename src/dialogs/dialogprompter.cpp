// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/dialogprompter.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>

QMessageBox::StandardButton DialogPrompter::warning(QWidget *parent, const QString &title,
                                                    const QString &text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton,
                                                    std::optional<QPoint> at)
{
    QMessageBox box(QMessageBox::Warning, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    if (at)
        box.move(*at);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton DialogPrompter::question(QWidget *parent, const QString &title,
                                                     const QString &text,
                                                     const QString &informative,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::Warning, title, text, buttons, parent);
    box.setInformativeText(informative);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void DialogPrompter::warnings(QWidget *parent, const QString &title, const QStringList &messages)
{
    QMessageBox box(QMessageBox::Warning, title, summaryOf(messages), QMessageBox::Ok, parent);
    if (messages.size() > 1)
        box.setDetailedText(messages.join(QLatin1Char('\n')));
    box.exec();
}

void DialogPrompter::information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text);
}

std::optional<QString> DialogPrompter::askText(QWidget *parent, const QString &title,
                                               const QString &label, const QString &text)
{
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &accepted);
    if (!accepted)
        return std::nullopt;
    return answer;
}

QString DialogPrompter::openFileName(QWidget *parent, const QString &title,
                                     const QString &directory, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, directory, filter);
}

QString DialogPrompter::saveFileName(QWidget *parent, const QString &title,
                                     const QString &directory, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, directory, filter);
}

QString DialogPrompter::existingDirectory(QWidget *parent, const QString &title,
                                          const QString &directory)
{
    return QFileDialog::getExistingDirectory(parent, title, directory);
}
