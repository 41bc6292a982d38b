#include "app/prompter.h"

#include <QInputDialog>
#include <QTimer>

namespace {

constexpr int kNoticeMs = 6000;

} // namespace

void Prompter::notice(QWidget *parent, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Information, QObject::tr("KaRiX"), text,
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("notice"));
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(kNoticeMs, box, &QWidget::close);
    box->show();
}

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
