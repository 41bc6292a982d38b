// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/writeprotectdialog.h"

#include "dialogs/userguide.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

WriteProtectDialog::WriteProtectDialog(bool currentProtected, bool bootProtected,
                                       QWidget *parent)
    : QDialog(parent)
    , m_initialCurrent(currentProtected)
    , m_initialBoot(bootProtected)
    , m_current(new QCheckBox(tr("Write Protect (&Current setting)"), this))
    , m_boot(new QCheckBox(tr("Write Protect (&Boot setting)"), this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(tr("Write Protect"));
    UserGuide::bindHelpKey(this, UserGuide::Section::WriteProtect);
    m_current->setObjectName(QStringLiteral("currentCheckBox"));
    m_boot->setObjectName(QStringLiteral("bootCheckBox"));
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    m_current->setChecked(currentProtected);
    m_boot->setChecked(bootProtected);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_current);
    layout->addWidget(m_boot);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QMetaObject::connectSlotsByName(this);
    updateOk();
}

bool WriteProtectDialog::currentProtected() const
{
    return m_current->isChecked();
}

bool WriteProtectDialog::bootProtected() const
{
    return m_boot->isChecked();
}

void WriteProtectDialog::on_currentCheckBox_toggled(bool)
{
    updateOk();
}

void WriteProtectDialog::on_bootCheckBox_toggled(bool)
{
    updateOk();
}

void WriteProtectDialog::updateOk()
{
    m_buttons->button(QDialogButtonBox::Ok)
        ->setEnabled(currentProtected() != m_initialCurrent || bootProtected() != m_initialBoot);
}
