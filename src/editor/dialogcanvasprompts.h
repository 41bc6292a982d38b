#pragma once

#include "editor/canvasprompts.h"

#include <QCoreApplication>

// The canvas's boxes as real modal dialogs.
class DialogCanvasPrompts : public CanvasPrompts
{
    Q_DECLARE_TR_FUNCTIONS(DialogCanvasPrompts)

public:
    void warning(QWidget *parent, const QString &text) override;
    std::optional<QString> chooseItem(QWidget *parent, const QString &title, const QString &label,
                                      const QStringList &items, const QPoint &at) override;
};
