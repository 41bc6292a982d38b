// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/editinputdialog.h"

#include "dialogs/namemessages.h"
#include "dialogs/userguide.h"
#include "model/blockitem.h"
#include "model/blockkinds.h"
#include "model/blocknaming.h"
#include "model/designmodel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

EditInputDialog::EditInputDialog(const BlockItem *block, const DesignModel &model, QWidget *parent)
    : EditDialog(parent),
      m_block(block),
      m_model(model),
      m_rememberedName(block->displayName())
{
    buildForm();
    QStringList ports;
    model.freeResourceNames(block->term(), ports, block->sheet());
    ports.prepend(block->name());
    m_comboBox->addItems(ports);
    m_lineEdit->setText(m_rememberedName);
    QMetaObject::connectSlotsByName(this);
}

void EditInputDialog::buildForm()
{
    setWindowTitle(m_block->displayName());
    UserGuide::bindHelpKey(this, UserGuide::Section::PortNames);
    resize(264, 109);
    auto *layoutWidget = new QWidget(this);
    layoutWidget->setObjectName(QStringLiteral("layoutWidget"));
    layoutWidget->setGeometry(10, 10, 244, 90);
    auto *verticalLayout = new QVBoxLayout(layoutWidget);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    verticalLayout->setContentsMargins(0, 0, 0, 0);
    auto *formLayout = new QFormLayout;
    formLayout->setObjectName(QStringLiteral("formLayout"));

    m_comboBox = new QComboBox(layoutWidget);
    m_comboBox->setObjectName(QStringLiteral("comboBox"));
    auto *labelPort = new QLabel(tr("&Port:"), layoutWidget);
    labelPort->setObjectName(QStringLiteral("labelPort"));
    labelPort->setBuddy(m_comboBox);
    m_lineEdit = new QLineEdit(layoutWidget);
    m_lineEdit->setObjectName(QStringLiteral("lineEdit"));
    auto *labelName = new QLabel(tr("&Name:"), layoutWidget);
    labelName->setObjectName(QStringLiteral("labelName"));
    labelName->setBuddy(m_lineEdit);
    formLayout->addRow(labelPort, m_comboBox);
    formLayout->addRow(labelName, m_lineEdit);

    auto *horizontalLayout = new QHBoxLayout;
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    m_buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, layoutWidget);
    m_buttonBox->setObjectName(QStringLiteral("buttonBox"));
    horizontalLayout->addWidget(m_buttonBox);

    verticalLayout->addLayout(formLayout);
    verticalLayout->addLayout(horizontalLayout);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &EditInputDialog::reject);
}

QString EditInputDialog::port() const
{
    return m_comboBox->currentText();
}

QString EditInputDialog::name() const
{
    return m_lineEdit->text();
}

void EditInputDialog::on_comboBox_currentIndexChanged(int index)
{
    const QString port = m_comboBox->itemText(index);
    if (m_block->kind() == BlockKind::Output) {
        if (m_lineEdit->text().startsWith(QLatin1String("NIM-OUT"))) {
            m_rememberedName = port;
            m_lineEdit->setText(port);
        }
    } else if (m_block->kind() == BlockKind::Input && port != m_block->name()) {
        const BlockItem *connector = m_model.findBlock(port);
        m_rememberedName = connector ? connector->displayName() : port;
        m_lineEdit->setText(m_rememberedName);
    }
}

void EditInputDialog::on_buttonBox_accepted()
{
    const bool ownPort = m_comboBox->currentIndex() == 0;
    const QString typed = name();
    if (ownPort && typed == m_block->displayName()) {
        accept();
        return;
    }
    // The block's own name is not taken by another block, so it may stay
    // when the block moves.
    if ((ownPort || typed != m_rememberedName) && typed != m_block->displayName()) {
        const QString message = NameMessages::text(BlockNaming::check(m_model, typed), typed);
        if (!message.isEmpty()) {
            warn(NameMessages::title(m_block->displayName()), message);
            return;
        }
    }
    m_changed = true;
    accept();
}
