// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/drcdialog.h"

#include "dialogs/userguide.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

DrcDialog::DrcDialog(QWidget *parent)
    : QDialog(parent), m_textEdit(new QTextEdit(this))
{
    setWindowTitle(tr("DRC"));
    UserGuide::bindHelpKey(this, UserGuide::Section::DesignCheck);
    m_textEdit->setObjectName(QStringLiteral("textEdit"));
    m_textEdit->setReadOnly(true);
    auto *download = new QPushButton(tr("&Download"), this);
    download->setObjectName(QStringLiteral("downloadButton"));
    auto *cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(download, &QPushButton::clicked, this, &DrcDialog::on_downloadButton_clicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(download);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_textEdit);
    layout->addLayout(buttons);
}

void DrcDialog::setReport(const QString &report)
{
    m_textEdit->setText(report);
}

void DrcDialog::on_downloadButton_clicked()
{
    emit drcClosed(true);
    accept();
}
