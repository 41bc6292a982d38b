// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/consoleprompter.h"

#include <cstdio>

QMessageBox::StandardButton ConsolePrompter::warning(QWidget *, const QString &title,
                                                     const QString &text,
                                                     QMessageBox::StandardButtons,
                                                     QMessageBox::StandardButton,
                                                     std::optional<QPoint>)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    return m_answer;
}

std::optional<QString> ConsolePrompter::askText(QWidget *, const QString &, const QString &,
                                                const QString &)
{
    return std::nullopt;
}

std::optional<QString> ConsolePrompter::chooseItem(QWidget *, const QString &, const QString &,
                                                   const QStringList &, std::optional<QPoint>)
{
    return std::nullopt;
}

QString ConsolePrompter::openFileName(QWidget *, const QString &, const QString &, const QString &)
{
    return QString();
}

QString ConsolePrompter::saveFileName(QWidget *, const QString &, const QString &, const QString &)
{
    return QString();
}
