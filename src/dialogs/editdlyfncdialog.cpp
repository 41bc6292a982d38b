// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/editdlyfncdialog.h"

#include "dialogs/userguide.h"
#include "model/blockitem.h"
#include "model/timetext.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

EditDlyFncDialog::EditDlyFncDialog(const BlockItem *block, QWidget *parent)
    : EditDialog(parent),
      m_parameters(DelayParameters::fromProperty(block->property()))
{
    buildForm();
    setWindowTitle(block->displayName());
    UserGuide::bindHelpKey(this, UserGuide::Section::Delay);
    m_loaded = m_parameters.shown();
    const QSignalBlocker blocker(m_unitComboBox);
    m_delayEdit->setText(m_loaded.number);
    m_unitComboBox->setCurrentText(m_loaded.unit);
    m_unitFactor = DelayParameters::unitFactor(m_loaded.unit);
}

void EditDlyFncDialog::buildForm()
{
    setObjectName(QStringLiteral("EditDlyFncDialog"));
    auto *hint = new QLabel(tr("Please enter a delay time\nbetween 0 and 40.48us (step: 5ns)"), this);
    hint->setObjectName(QStringLiteral("label_2"));
    auto *label = new QLabel(tr("&Delay:"), this);
    label->setObjectName(QStringLiteral("label"));
    m_delayEdit = new QLineEdit(this);
    m_delayEdit->setObjectName(QStringLiteral("delayEdit"));
    label->setBuddy(m_delayEdit);
    m_unitComboBox = new QComboBox(this);
    m_unitComboBox->setObjectName(QStringLiteral("unitComboBox"));
    m_unitComboBox->addItems({QStringLiteral("us"), QStringLiteral("ns")});
    m_buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttonBox->setObjectName(QStringLiteral("buttonBox"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(hint, 0, 0, 1, 3);
    layout->addWidget(label, 1, 0);
    layout->addWidget(m_delayEdit, 1, 1);
    layout->addWidget(m_unitComboBox, 1, 2);
    layout->addWidget(m_buttonBox, 2, 0, 1, 3);

    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &EditDlyFncDialog::okClicked);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &EditDlyFncDialog::reject);
    connect(m_unitComboBox, &QComboBox::currentTextChanged, this, &EditDlyFncDialog::changeUnit);
}

void EditDlyFncDialog::changeUnit(const QString &unit)
{
    const qint64 newFactor = DelayParameters::unitFactor(unit);
    const double number = m_delayEdit->text().toDouble();
    m_delayEdit->setText(TimeText::formatNumber(TimeText::rescale(number, m_unitFactor, newFactor)));
    m_unitFactor = newFactor;
}

void EditDlyFncDialog::okClicked()
{
    const DelayParameters::Shown shown{m_delayEdit->text(), m_unitComboBox->currentText()};
    if (shown.number == m_loaded.number && shown.unit == m_loaded.unit) {
        accept(); // unedited: the property stays as it is
        return;
    }
    using Verdict = DelayParameters::Entry::Verdict;
    const DelayParameters::Entry entry = DelayParameters::checkEntry(shown);
    if (entry.verdict == Verdict::Accepted) {
        m_parameters = DelayParameters::fromNumber(shown.number.toDouble(), shown.unit);
        accept();
        return;
    }
    warn(tr("Invalid Setting"),
         entry.verdict == Verdict::OutOfRange
             ? tr("Please set a delay time between 0 and 40.48us (step: 5ns)")
             : tr("Because it is necessary to set Delay time by a unit for 5ns, %1 is rounded off and becomes %2")
                   .arg(shown.number, TimeText::shortestNumber(*entry.corrected)));
    if (entry.corrected)
        m_delayEdit->setText(TimeText::formatNumber(*entry.corrected));
}
