// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/drcdialog.h"

#include "dialogs/userguide.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>
#include <QTextEdit>
#include <QVBoxLayout>

DrcDialog::DrcDialog(bool withDownload, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("DRC"));
    UserGuide::bindHelpKey(this, UserGuide::Section::DesignCheck);
    if (withDownload)
        buildWithDownload();
    else
        buildPlain();
}

void DrcDialog::buildWithDownload()
{
    m_textEdit = new QTextEdit(this);
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

void DrcDialog::buildPlain()
{
    auto *splitter = new QSplitter(Qt::Vertical, this);
    m_textEdit = new QTextEdit(splitter);
    m_textEdit->setObjectName(QStringLiteral("textEdit"));
    m_textEdit->setReadOnly(true);
    m_textEdit->setGeometry(10, 10, 350, 200);
    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->setObjectName(QStringLiteral("closeButtonBox"));
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addWidget(close);
    resize(370, 250);
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
