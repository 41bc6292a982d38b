// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/prompter.h"

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

namespace {
// Enough to recognise the problems without the box outgrowing the screen.
const int kSummaryLines = 5;
}

void Prompter::warnings(QWidget *parent, const QString &title, const QStringList &messages)
{
    warning(parent, title, summaryOf(messages));
}

QString Prompter::summaryOf(const QStringList &messages)
{
    if (messages.size() == 1)
        return messages.first();
    QStringList distinct;
    for (const QString &message : messages) {
        if (!distinct.contains(message) && distinct.size() <= kSummaryLines)
            distinct << message;
    }
    QStringList lines{tr("%1 messages:").arg(messages.size())};
    for (const QString &message : distinct.mid(0, kSummaryLines)) {
        const qsizetype count = messages.count(message);
        lines << (count > 1 ? tr("%1 (%2 times)").arg(message).arg(count) : message);
    }
    if (distinct.size() > kSummaryLines)
        lines << tr("... and more: see the details.");
    return lines.join(QLatin1Char('\n'));
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
