// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/versiondialog.h"

#include "device/commandplans.h"
#include "device/modulestate.h"
#include "dialogs/prompter.h"
#include "dialogs/userguide.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace {

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *widget = new QLabel(text, parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

VersionDialog::VersionDialog(const ConnectionSettings &settings, bool loadEnabled,
                             Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_prompter(prompter)
    , m_version(new QLineEdit(this))
    , m_load(new QPushButton(tr("&Load"), this))
{
    setWindowTitle(tr("Version Information"));
    UserGuide::bindHelpKey(this, UserGuide::Section::About);
    QLabel *logo = label(this, "labelQVX", QString());
    logo->setPixmap(QPixmap(QStringLiteral(":/images/qvxlogo.s.png")));
    QLabel *name = label(this, "labelPrg_2",
                         QStringLiteral("<span style=\"font-size:28pt; font-weight:bold; "
                                        "font-style:italic;\">KaRiX</span>"));
    name->setTextFormat(Qt::RichText);
    // Room for the slant of the last italic letter, which the size hint leaves out.
    name->setContentsMargins(0, 0, 8, 0);
    m_version->setObjectName(QStringLiteral("lineEditVersion"));
    m_version->setReadOnly(true);
    m_load->setObjectName(QStringLiteral("pushButton"));
    m_load->setAutoDefault(true);
    m_load->setEnabled(loadEnabled);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QGridLayout(this);
    layout->addWidget(logo, 0, 0);
    layout->addWidget(name, 0, 1, 1, 2);
    layout->addWidget(label(this, "labelVersion", tr("Software Version %1").arg(QCoreApplication::applicationVersion())), 1, 0, 1, 3);
    layout->addWidget(label(this, "labelPrg",
                            tr("Design tool for the programmable NIM trigger-logic module.")),
                      2, 0, 1, 3);
    QLabel *licence = label(this, "labelLicence",
                            tr("Free software under the GNU General Public License, version 3 "
                               "or later (GPL-3.0-or-later), with no warranty."));
    licence->setWordWrap(true);
    layout->addWidget(licence, 3, 0, 1, 3);
    layout->addWidget(label(this, "labelFPGA", tr("FPGA Version:")), 4, 0);
    layout->addWidget(m_version, 4, 1);
    layout->addWidget(m_load, 4, 2);
    layout->addWidget(label(this, "label", tr("Load reads the version from the module.")), 5, 0,
                      1, 3);
    layout->addWidget(ok, 6, 2);
    connect(&m_runner, &OperationRunner::finished, this, &VersionDialog::end);
    QMetaObject::connectSlotsByName(this);
}

QString VersionDialog::versionText() const
{
    return m_version->text();
}

void VersionDialog::on_pushButton_clicked()
{
    m_load->setEnabled(false);
    m_runner.start(CommandPlans::versionRead(), m_settings);
}

void VersionDialog::end(const OperationResult &result)
{
    m_load->setEnabled(true);
    if (result.succeeded())
        m_version->setText(ModuleState::versionText(result.data));
    else if (!result.errorText.isEmpty())
        m_prompter.warning(this, tr("KaRiX"), result.errorText);
    emit loadEnded();
}
