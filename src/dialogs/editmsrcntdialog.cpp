// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/editmsrcntdialog.h"

#include "dialogs/prompter.h"
#include "dialogs/userguide.h"
#include "model/blockitem.h"
#include "model/designmodel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

namespace {

QLabel *buddyLabel(const QString &text, const char *name, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

} // namespace

EditMsrCntDialog::EditMsrCntDialog(const BlockItem *block, const DesignModel &model, QWidget *parent)
    : EditDialog(parent),
      m_parameters(MeasureCounterParameters::fromProperty(block->property()))
{
    buildForm();
    setWindowTitle(block->displayName());
    UserGuide::bindHelpKey(this, UserGuide::Section::MeasureCounter);
    loadBlock(block, model);
    m_loaded = shownParameters();
    QMetaObject::connectSlotsByName(this);
}

void EditMsrCntDialog::buildForm()
{
    setWindowTitle(tr("Logic Edit"));
    m_counterComboBox = new QComboBox(this);
    m_counterComboBox->setObjectName(QStringLiteral("m_counterComboBox"));
    m_areaComboBox = new QComboBox(this);
    m_areaComboBox->setObjectName(QStringLiteral("m_areaComboBox"));
    m_areaComboBox->addItems({tr("User Control"), tr("Measure During True"),
                              tr("Measure During Edge to Edge (only False to True)"),
                              tr("Measure During Edge to Edge (Both Edge)")});
    m_enbComboBox = new QComboBox(this);
    m_enbComboBox->setObjectName(QStringLiteral("m_enbComboBox"));
    m_enbComboBox->addItems({tr("Gate Time"), tr("True Time"), tr("Number of times that True appears"),
                             tr("Number of times that State change")});
    m_areaComboBox->setWhatsThis(
        tr("When the counter counts: under User Control from Start to Stop in the counter "
           "window; otherwise while the GATE input is true, from one rising edge of GATE to the "
           "next, or from any edge of GATE to the next."));
    m_enbComboBox->setWhatsThis(
        tr("What is counted while the gate is open: the gate time itself or the time the SRC "
           "input is true (both shown in the time unit below), or how often SRC turns true, or "
           "how often SRC changes state (plain counts)."));

    auto *units = new QHBoxLayout;
    const QStringList captions = {tr("&sec"), tr("&msec"), tr("&usec"), tr("&nsec")};
    for (int i = 0; i < MeasureCounterParameters::units().size(); ++i) {
        auto *button = new QRadioButton(captions.at(i), this);
        button->setObjectName(MeasureCounterParameters::units().at(i) + QStringLiteral("RadioButton"));
        units->addWidget(button);
        m_unitButtons.append(button);
    }

    m_groupBox = new QGroupBox(tr("&File Save"), this);
    m_groupBox->setObjectName(QStringLiteral("groupBox"));
    m_groupBox->setCheckable(true);
    m_lineEdit = new QLineEdit(m_groupBox);
    m_lineEdit->setObjectName(QStringLiteral("lineEdit"));
    m_toolButton = new QToolButton(m_groupBox);
    m_toolButton->setObjectName(QStringLiteral("toolButton"));
    m_toolButton->setText(QStringLiteral("..."));
    auto *pathRow = new QHBoxLayout(m_groupBox);
    pathRow->addWidget(buddyLabel(tr("&PATH:"), "label", m_lineEdit, m_groupBox));
    pathRow->addWidget(m_lineEdit);
    pathRow->addWidget(m_toolButton);

    m_buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttonBox->setObjectName(QStringLiteral("buttonBox"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(buddyLabel(tr("&Counter:"), "labelCounter", m_counterComboBox, this), 0, 0);
    layout->addWidget(m_counterComboBox, 0, 1);
    layout->addWidget(buddyLabel(tr("&GATE:"), "labelGATE", m_areaComboBox, this), 1, 0);
    layout->addWidget(m_areaComboBox, 1, 1);
    layout->addWidget(buddyLabel(tr("&SRC:"), "labelENB", m_enbComboBox, this), 2, 0);
    layout->addWidget(m_enbComboBox, 2, 1);
    layout->addLayout(units, 3, 1);
    layout->addWidget(m_groupBox, 4, 0, 1, 2);
    layout->addWidget(m_buttonBox, 5, 0, 1, 2);

    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &EditMsrCntDialog::okClicked);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &EditMsrCntDialog::reject);
}

void EditMsrCntDialog::loadBlock(const BlockItem *block, const DesignModel &model)
{
    QStringList counters;
    model.freeResourceNames(block->term(), counters, block->sheet());
    counters.prepend(block->name());
    m_counterComboBox->addItems(counters);

    m_enbComboBox->setCurrentIndex(m_parameters.source());
    m_areaComboBox->setCurrentIndex(m_parameters.gate());
    on_m_enbComboBox_currentIndexChanged(m_parameters.source());
    const QString path = m_parameters.path().isEmpty() ? QStringLiteral("log") : m_parameters.path();
    m_groupBox->setChecked(m_parameters.fileSave());
    m_lineEdit->setText(QDir::toNativeSeparators(path));
    const int unit = int(MeasureCounterParameters::units().indexOf(m_parameters.unit()));
    if (unit >= 0)
        m_unitButtons.at(unit)->setChecked(true);
}

MeasureCounterParameters EditMsrCntDialog::shownParameters() const
{
    MeasureCounterParameters shown;
    shown.setMode(m_areaComboBox->currentIndex(), m_enbComboBox->currentIndex());
    shown.setFileSave(m_groupBox->isChecked());
    shown.setPath(m_lineEdit->text());
    for (int i = 0; i < m_unitButtons.size(); ++i) {
        if (m_unitButtons.at(i)->isChecked())
            shown.setUnit(MeasureCounterParameters::units().at(i));
    }
    return shown;
}

void EditMsrCntDialog::on_m_enbComboBox_currentIndexChanged(int index)
{
    const bool timed = MeasureCounterParameters::measuresTime(index);
    for (QRadioButton *button : std::as_const(m_unitButtons))
        button->setEnabled(timed);
}

void EditMsrCntDialog::on_groupBox_toggled(bool) {}

void EditMsrCntDialog::on_toolButton_clicked()
{
    const QString start = m_lineEdit->text().isEmpty() ? QDir::currentPath() : m_lineEdit->text();
    const QString chosen = prompter().existingDirectory(this, tr("Open Directory"), start);
    if (!chosen.isEmpty())
        m_lineEdit->setText(QDir::toNativeSeparators(QDir::current().relativeFilePath(chosen)));
}

bool EditMsrCntDialog::ensureDirectory(const QString &path)
{
    if (QDir(path).exists())
        return true;
    const auto answer =
        warn(tr("KaRiX"), tr("%1: The named directory does not exist, create it?").arg(path),
             QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Yes)
        return false;
    if (QDir().mkpath(path))
        return true;
    warn(tr("QDir::mkpath()"), tr("%1: cannot create").arg(path));
    return false;
}

void EditMsrCntDialog::okClicked()
{
    const MeasureCounterParameters shown = shownParameters();
    const bool otherCounter = m_counterComboBox->currentIndex() > 0;
    if (shown == m_loaded && !otherCounter) {
        accept(); // unedited: the property stays as it is
        return;
    }
    if (shown.fileSave() && !ensureDirectory(shown.path()))
        return;
    m_parameters = shown;
    if (otherCounter)
        m_counterName = m_counterComboBox->currentText();
    accept();
}
