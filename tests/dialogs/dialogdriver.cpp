// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogdriver.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace DialogDriver {

QLineEdit *lineEdit(QDialog &dialog, const char *name)
{
    auto *edit = dialog.findChild<QLineEdit *>(QLatin1String(name));
    if (!edit)
        qFatal("no line edit %s", name);
    return edit;
}

QComboBox *comboBox(QDialog &dialog, const char *name)
{
    auto *box = dialog.findChild<QComboBox *>(QLatin1String(name));
    if (!box)
        qFatal("no combo box %s", name);
    return box;
}

void type(QDialog &dialog, const char *name, const QString &text)
{
    QLineEdit *edit = lineEdit(dialog, name);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void clickOk(QDialog &dialog)
{
    auto *box = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    box->button(QDialogButtonBox::Ok)->click();
}

bool clickOkAccepts(QDialog &dialog)
{
    dialog.setResult(QDialog::Rejected);
    clickOk(dialog);
    return dialog.result() == QDialog::Accepted;
}

} // namespace DialogDriver
