// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// The canvas's modal boxes, behind an interface so that tests answer them.
class CanvasPrompts
{
public:
    virtual ~CanvasPrompts() = default;

    // A warning box titled "KaRiX".
    virtual void warning(QWidget *parent, const QString &text) = 0;
    // A list to choose one entry from, its top-left at `at` (global); the
    // chosen entry, or nothing when cancelled.
    virtual std::optional<QString> chooseItem(QWidget *parent, const QString &title,
                                              const QString &label, const QStringList &items,
                                              const QPoint &at) = 0;
};
