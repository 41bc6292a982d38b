// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;

// Drives a dialog's widgets by object name the way a user would.
namespace DialogDriver {
QLineEdit *lineEdit(QDialog &dialog, const char *name);
QComboBox *comboBox(QDialog &dialog, const char *name);
// Replaces the text of a line edit as typed.
void type(QDialog &dialog, const char *name, const QString &text);
void clickOk(QDialog &dialog);
// True when OK closed the dialog as accepted.
bool clickOkAccepts(QDialog &dialog);
}
