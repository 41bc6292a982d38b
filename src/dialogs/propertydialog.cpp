// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/propertydialog.h"

#include "dialogs/prompter.h"
#include "dialogs/userguide.h"
#include "model/connectionsettings.h"
#include "model/connectionvalues.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QLineEdit *field(QWidget *parent, const char *name, const QString &text)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

template<typename T>
void store(T &target, const T &value, bool &changed)
{
    if (target == value)
        return;
    target = value;
    changed = true;
}

} // namespace

PropertyDialog::PropertyDialog(ConnectionSettings &settings, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_prompter(prompter)
    , m_address(field(this, "lineEditAddress", settings.address))
    , m_tcp(field(this, "lineEditTcp", QString::number(settings.tcpPort)))
    , m_udp(field(this, "lineEditUdp", QString::number(settings.udpPort)))
    , m_timeout(field(this, "lineEditTimeout", QString::number(settings.timeout)))
    , m_autoStart(new QCheckBox(tr("Auto &Start"), this))
{
    setWindowTitle(tr("Ethernet Setting"));
    UserGuide::bindHelpKey(this, UserGuide::Section::EthernetSetting);
    m_address->setWhatsThis(tr("The address of the module (IPv4 or IPv6) that Download, Verify, "
                               "the Setup commands and the counter window talk to."));
    m_tcp->setWhatsThis(tr("The TCP port of the module's counter stream, which the counter "
                           "window reads (24 unless changed in Hardware Setup)."));
    m_udp->setWhatsThis(tr("The UDP port of the module's register protocol, used by every "
                           "other command (4660 unless changed in Hardware Setup)."));
    m_timeout->setWhatsThis(tr("How long to wait for an answer of the module before a request "
                               "counts as lost, 1 to 3600 seconds."));
    m_autoStart->setWhatsThis(tr("When on, the counter window opens and connects by itself after "
                                 "a download of a design with measure counters."));
    m_autoStart->setObjectName(QStringLiteral("checkBox"));
    m_autoStart->setChecked(settings.autoConnect);
    auto *timeoutRow = new QHBoxLayout;
    timeoutRow->addWidget(m_timeout);
    timeoutRow->addWidget(new QLabel(tr("sec"), this));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout(this);
    form->addRow(tr("&IP Address"), m_address);
    form->addRow(tr("TCP &Port"), m_tcp);
    form->addRow(tr("&UDP Port"), m_udp);
    // A text row label has no buddy, so its "&" would show literally.
    auto *timeoutLabel = new QLabel(tr("&Timeout"), this);
    timeoutLabel->setBuddy(m_timeout);
    form->addRow(timeoutLabel, timeoutRow);
    form->addRow(m_autoStart);
    form->addRow(buttons);
    QMetaObject::connectSlotsByName(this);
}

bool PropertyDialog::refuse(QLineEdit *field, const QString &what)
{
    m_prompter.warning(this, QString(), field->text() + what);
    return false;
}

bool PropertyDialog::readPort(QLineEdit *field, quint16 &port)
{
    return ConnectionValues::port(field->text().trimmed(), port)
           || refuse(field, tr(" is invalid port."));
}

void PropertyDialog::on_buttonBox_accepted()
{
    // The same address rules as the command line and documents: IPv4 or IPv6.
    const QString address = ConnectionValues::address(m_address->text().trimmed());
    if (address.isEmpty()) {
        refuse(m_address, tr(" is invalid address."));
        return;
    }
    quint16 tcp = 0, udp = 0;
    quint32 timeout = 0;
    if (!readPort(m_tcp, tcp) || !readPort(m_udp, udp))
        return;
    // Out of range is refused here rather than clamped: the user is still typing.
    if (ConnectionValues::timeout(m_timeout->text().trimmed(), timeout)
        != ConnectionValues::Verdict::Valid) {
        refuse(m_timeout, tr(" is invalid time-out."));
        return;
    }
    store(m_settings.address, address, m_changed);
    store(m_settings.tcpPort, tcp, m_changed);
    store(m_settings.udpPort, udp, m_changed);
    store(m_settings.timeout, timeout, m_changed);
    store(m_settings.autoConnect, m_autoStart->isChecked(), m_changed);
    accept();
}
