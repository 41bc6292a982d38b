#include "app/prompter.h"

#include <QInputDialog>

std::optional<QString> Prompter::chooseItem(QWidget *parent, const QString &title,
                                            const QString &label, const QStringList &items,
                                            std::optional<QPoint> at)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    if (at)
        dialog.move(*at);
    if (runDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString Prompter::existingDirectory(QWidget *, const QString &, const QString &)
{
    return QString();
}
