// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QTextEdit;

// The design rule check report. With a download choice it is the question
// before a download of a design with warnings: Download emits
// drcClosed(true); Cancel or closing the window emits nothing but rejected().
// Without, it is a plain resizable report window.
class DrcDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DrcDialog(bool withDownload, QWidget *parent = nullptr);

    // Rich or plain text of the check.
    void setReport(const QString &report);
    QTextEdit *textEdit() const { return m_textEdit; }

signals:
    void drcClosed(bool bContinue);

public slots:
    void on_downloadButton_clicked();

private:
    void buildWithDownload();
    void buildPlain();

    QTextEdit *m_textEdit = nullptr;
};
