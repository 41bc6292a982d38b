// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/romdialog.h"

#include "device/commandplans.h"
#include "device/moduleinterface.h"
#include "dialogs/prompter.h"
#include "dialogs/userguide.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int pageCount = ModuleInterface::romPageCount;
constexpr int boldWeight = 75;  // the old 0..99 scale's "bold"
}

RomDialog::RomDialog(const QString &fileName, const ModuleState &romInfo, Mode romMode,
                     Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_mode(romMode)
    , m_initialBoot(romInfo.bootPage())
    , m_selectedBoot(romInfo.bootPage())
    , m_defaultComment(fileName.mid(fileName.lastIndexOf(QLatin1Char('/')) + 1))
{
    for (int page = 0; page < pageCount; ++page)
        m_comments.append(romInfo.comment(page));
    buildForm();
    fillTable();
    UserGuide::bindHelpKey(this, UserGuide::Section::RomPages);
    QMetaObject::connectSlotsByName(this);
    if (m_mode == Save)
        setUpSaveMode();
    else if (m_mode == Restore)
        setUpRestoreMode();
    else
        setUpBootMode();
}

void RomDialog::buildForm()
{
    m_table = new QTableWidget(pageCount, 2, this);
    m_table->setObjectName(QStringLiteral("tableWidget"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_label = new QLabel(tr("Boot From ") + QString::number(m_initialBoot), this);
    m_label->setObjectName(QStringLiteral("label"));
    m_comboBox = new QComboBox(this);
    m_comboBox->setObjectName(QStringLiteral("comboBox"));
    m_lineEdit = new QLineEdit(this);
    m_lineEdit->setObjectName(QStringLiteral("lineEdit"));
    m_checkBox = new QCheckBox(tr("Set on &Boot"), this);
    m_checkBox->setObjectName(QStringLiteral("checkBox"));
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(m_label);
    layout->addWidget(m_comboBox);
    layout->addWidget(m_lineEdit);
    layout->addWidget(m_checkBox);
    layout->addWidget(m_buttons);
    resize(400, 520);
}

void RomDialog::fillTable()
{
    QScopedValueRollback<bool> guard(m_updating, true);
    for (int page = 0; page < pageCount; ++page) {
        auto *number = new QTableWidgetItem(QString::number(page));
        auto *comment = new QTableWidgetItem(m_comments[page]);
        if (page == m_initialBoot) {
            QFont font = number->font();
            font.setWeight(QFont::Weight(boldWeight * 10));
            number->setFont(font);
            comment->setFont(font);
        }
        m_table->setItem(page, 0, number);
        m_table->setItem(page, 1, comment);
    }
}

void RomDialog::setUpSaveMode()
{
    setWindowTitle(tr("Save to ROM"));
    {
        QScopedValueRollback<bool> guard(m_updating, true);
        for (int page = 0; page < pageCount; ++page)
            m_comboBox->addItem(QString::number(page));
    }
    on_comboBox_currentIndexChanged(0);
}

void RomDialog::setUpRestoreMode()
{
    setWindowTitle(tr("Restore from ROM"));
    m_lineEdit->hide();
    m_checkBox->hide();
    m_comboBox->setMinimumWidth(330);
    QScopedValueRollback<bool> guard(m_updating, true);
    for (int page = 0; page < pageCount; ++page) {
        QString text = QString::number(page);
        if (page == m_initialBoot)
            text += tr(" (boot) ");
        m_comboBox->addItem(text + QStringLiteral(": %1").arg(m_comments[page]));
    }
    m_table->setCurrentCell(0, 0);
}

void RomDialog::setUpBootMode()
{
    setWindowTitle(tr("Boot ROM Page"));
    m_lineEdit->hide();
    m_checkBox->hide();
    m_comboBox->hide();
    m_table->setColumnWidth(0, 47);
    m_table->setColumnWidth(1, 283);
    QScopedValueRollback<bool> guard(m_updating, true);
    for (int page = 0; page < pageCount; ++page) {
        auto *box = new QCheckBox(QString::number(page));
        box->setChecked(page == m_initialBoot);
        connect(box, &QCheckBox::toggled, this, [this, page](bool on) { setState(page, on); });
        m_table->setItem(page, 0, nullptr);
        m_table->setCellWidget(page, 0, box);
        m_bootBoxes.append(box);
    }
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
}

void RomDialog::setState(int row, bool checked)
{
    if (m_updating)
        return;
    {
        QScopedValueRollback<bool> guard(m_updating, true);
        if (checked) {
            if (m_selectedBoot >= 0 && m_selectedBoot != row)
                m_bootBoxes[m_selectedBoot]->setChecked(false);
            m_selectedBoot = row;
        } else if (row == m_selectedBoot) {
            if (m_initialBoot >= 0)
                m_bootBoxes[m_initialBoot]->setChecked(true);
            m_selectedBoot = m_initialBoot;
        }
    }
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(m_selectedBoot != m_initialBoot);
}

void RomDialog::on_comboBox_currentIndexChanged(int page)
{
    if (page < 0 || page >= pageCount)
        return;
    {
        QScopedValueRollback<bool> guard(m_updating, true);
        m_table->setCurrentCell(page, 0);
        m_table->setRangeSelected(QTableWidgetSelectionRange(page, 0, page, 1), true);
    }
    if (m_mode != Save)
        return;
    if (m_lineEdit->text().isEmpty())
        m_lineEdit->setText(m_defaultComment);
    const bool isBoot = page == m_initialBoot;
    m_checkBox->setEnabled(!isBoot);
    m_checkBox->setChecked(isBoot);
}

void RomDialog::on_tableWidget_currentCellChanged(int row, int, int, int)
{
    if (row >= 0 && !m_updating && m_comboBox->isVisibleTo(this))
        m_comboBox->setCurrentIndex(row);
}

void RomDialog::on_buttonBox_accepted()
{
    if (m_mode == BootPage) {
        m_choice = Choice{QByteArray(), m_selectedBoot, 0};
    } else {
        const int page = m_comboBox->currentIndex();
        m_choice = Choice{QByteArray(), -1, page};
        if (m_mode == Save && !acceptSave(page))
            return;
    }
    accept();
}

bool RomDialog::acceptSave(int page)
{
    const QString comment = m_lineEdit->text();
    if (comment.isEmpty()) {
        m_prompter.warning(this, tr("KaRiX"), tr("Please give it a user comment."));
        return false;
    }
    const QByteArray slot = CommandPlans::commentSlot(comment);
    if (slot.isEmpty()) {
        m_prompter.warning(this, tr("KaRiX"),
                           tr("The length of the user comment should be at most %1 bytes.")
                               .arg(ModuleInterface::commentSize));
        return false;
    }
    // An unchanged comment is not written again.
    if (comment != m_comments[page]) {
        m_choice.comment = slot;
        m_comments[page] = comment;
        m_table->item(page, 1)->setText(comment);
    }
    if (page != m_initialBoot && m_checkBox->isChecked())
        m_choice.bootPage = page;
    return true;
}
