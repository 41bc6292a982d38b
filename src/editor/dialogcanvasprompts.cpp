#include "editor/dialogcanvasprompts.h"

#include <QInputDialog>
#include <QMessageBox>

void DialogCanvasPrompts::warning(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, tr("KaRiX"), text);
}

std::optional<QString> DialogCanvasPrompts::chooseItem(QWidget *parent, const QString &title,
                                                       const QString &label,
                                                       const QStringList &items, const QPoint &at)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    dialog.move(at);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
