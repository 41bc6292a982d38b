// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/prompter.h"

// The real boxes: QMessageBox and QInputDialog, run modally.
class DialogPrompter : public Prompter
{
public:
    QMessageBox::StandardButton warning(QWidget *parent, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton,
                                        std::optional<QPoint> at) override;
    QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                         const QString &informative,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton) override;
    void warnings(QWidget *parent, const QString &title, const QStringList &messages) override;
    void information(QWidget *parent, const QString &title, const QString &text) override;
    std::optional<QString> askText(QWidget *parent, const QString &title, const QString &label,
                                   const QString &text) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &directory,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &directory,
                         const QString &filter) override;
    QString existingDirectory(QWidget *parent, const QString &title,
                              const QString &directory) override;
};
