// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QTextEdit;

// The question before a download of a design whose check found only
// warnings: the report above Download and Cancel. Download emits
// drcClosed(true); Cancel or closing the window emits nothing but
// rejected(). The plain report is the main window's design check dock.
class DrcDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DrcDialog(QWidget *parent = nullptr);

    // Rich or plain text of the check.
    void setReport(const QString &report);
    QTextEdit *textEdit() const { return m_textEdit; }

signals:
    void drcClosed(bool bContinue);

public slots:
    void on_downloadButton_clicked();

private:
    QTextEdit *m_textEdit;
};
