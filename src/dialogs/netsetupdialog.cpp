// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/netsetupdialog.h"

#include "device/commandplans.h"
#include "device/networksettingstext.h"
#include "device/operationoutcome.h"
#include "dialogs/prompter.h"
#include "dialogs/targetguard.h"
#include "dialogs/userguide.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

QLineEdit *field(QWidget *parent, const char *name, const QString &text)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *push = new QPushButton(text, parent);
    push->setObjectName(QLatin1String(name));
    push->setAutoDefault(false);
    return push;
}

bool parsePort(const QString &text, quint16 &port)
{
    bool ok = false;
    const uint value = text.toUInt(&ok, 10);
    port = quint16(value);
    return ok && value < 65536;
}

} // namespace

NetSetupDialog::NetSetupDialog(const ConnectionSettings &settings, Prompter &prompter,
                               QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_settings(settings)
{
    setWindowTitle(tr("Hardware Setup"));
    UserGuide::bindHelpKey(this, UserGuide::Section::HardwareSetup);
    buildForm();
    m_defaultAddress = m_addr->text();
    m_defaultPort = m_udp->text();
    m_addr->setText(settings.address);
    m_udp->setText(QString::number(settings.udpPort));
    QMetaObject::connectSlotsByName(this);
}

void NetSetupDialog::buildForm()
{
    const QString factory = ConnectionSettings::factoryAddress();
    m_addr = field(this, "lineEditAddr", factory);
    m_udp = field(this, "lineEditUdp", QStringLiteral("4660"));
    m_default = button(this, "pushButtonDefault", tr("&Default"));
    m_read = button(this, "pushButtonRead", tr("&Read EEPROM"));
    m_newAddr = field(this, "lineEditNewAddr", factory);
    m_newTcp = field(this, "lineEditNewTcp", QStringLiteral("24"));
    m_newUdp = field(this, "lineEditNewUdp", QStringLiteral("4660"));
    m_renewal = button(this, "pushButtonRenewal", tr("&Write Settings"));
    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("textEdit"));
    m_text->setReadOnly(true);
    m_addr->setWhatsThis(tr("The address the module answers at now; Default fills in its "
                            "factory address."));
    m_newAddr->setWhatsThis(tr("The address, TCP port and UDP port that Write Settings stores "
                               "in the module's EEPROM. Set the module's DIP switch to ON "
                               "before, to OFF after, and restart the module."));

    auto *targetBox = new QGroupBox(tr("Target"), this);
    auto *target = new QFormLayout(targetBox);
    target->addRow(tr("IP &Address"), m_addr);
    target->addRow(tr("UDP &Port"), m_udp);
    auto *targetButtons = new QHBoxLayout;
    targetButtons->addWidget(m_default);
    targetButtons->addWidget(m_read);
    target->addRow(targetButtons);

    auto *updateBox = new QGroupBox(tr("Update"), this);
    auto *update = new QFormLayout(updateBox);
    update->addRow(tr("IP &Address"), m_newAddr);
    update->addRow(tr("&TCP Port"), m_newTcp);
    update->addRow(tr("&UDP Port"), m_newUdp);
    update->addRow(m_renewal);

    auto *infoBox = new QGroupBox(tr("EEPROM Information"), this);
    auto *info = new QVBoxLayout(infoBox);
    info->addWidget(m_text);

    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->setObjectName(QStringLiteral("closeButtonBox"));
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(targetBox);
    layout->addWidget(updateBox);
    layout->addWidget(infoBox);
    layout->addWidget(close);
    resize(420, 600);
}

QString NetSetupDialog::information() const
{
    return m_text->toPlainText();
}

HardwareSetup NetSetupDialog::target() const
{
    HardwareSetup setup;
    setup.targetAddress = m_addr->text();
    setup.targetPort = quint16(m_udp->text().toUInt());
    setup.defaultAddress = m_defaultAddress;
    setup.defaultPort = quint16(m_defaultPort.toUInt());
    return setup;
}

void NetSetupDialog::on_pushButtonDefault_clicked()
{
    m_addr->setText(m_defaultAddress);
    m_udp->setText(m_defaultPort);
}

void NetSetupDialog::on_pushButtonRead_clicked()
{
    startRead();
}

ConnectionSettings NetSetupDialog::targetSettings(const HardwareSetup &setup) const
{
    ConnectionSettings settings = m_settings;
    settings.address = setup.targetAddress;
    settings.udpPort = setup.targetPort;
    return settings;
}

void NetSetupDialog::startRead()
{
    const HardwareSetup setup = target();
    m_pendingMessage = CommandPlans::networkAccessFailure(setup);
    const ConnectionSettings settings = targetSettings(setup);
    if (m_guard)
        m_guard->use(OperationOutcome::target(settings.address, settings.udpPort));
    setControlsEnabled(false);
    disconnect(&m_runner, &OperationRunner::finished, this, nullptr);
    connect(&m_runner, &OperationRunner::finished, this, &NetSetupDialog::readEnded);
    m_runner.start(CommandPlans::networkRead(), settings);
}

void NetSetupDialog::readEnded(const OperationResult &result)
{
    setControlsEnabled(true);
    const QString text = NetworkSettingsText::format(result.data);
    if (!text.isEmpty())
        m_text->setPlainText(text);
    if (const auto values = NetworkSettingsText::values(result.data)) {
        m_eeprom = values;
        m_newAddr->setText(values->address);
        m_newTcp->setText(QString::number(values->tcpPort));
        m_newUdp->setText(QString::number(values->udpPort));
    }
    if (!result.succeeded())
        m_prompter.warning(this, QString(), m_pendingMessage);
    emit operationEnded();
}

bool NetSetupDialog::readNewValues(HardwareSetup &setup)
{
    setup.newAddress = m_newAddr->text();
    if (!NetworkSettingsText::isValidNewAddress(setup.newAddress)) {
        m_prompter.warning(this, QString(), setup.newAddress + tr(" is invalid address."));
        return false;
    }
    for (const auto &[edit, port] : {std::pair{m_newTcp, &setup.newTcpPort},
                                     std::pair{m_newUdp, &setup.newUdpPort}}) {
        if (!parsePort(edit->text(), *port)) {
            m_prompter.warning(this, QString(), edit->text() + tr(" is invalid port."));
            return false;
        }
    }
    return true;
}

void NetSetupDialog::on_pushButtonRenewal_clicked()
{
    HardwareSetup setup = target();
    if (!readNewValues(setup) || !confirmWrite(setup))
        return;
    const ConnectionSettings settings = targetSettings(setup);
    const QString module = OperationOutcome::target(settings.address, settings.udpPort);
    if (m_guard) {
        if (!m_guard->approve(OperationOutcome::name(OperationOutcome::Operation::NetworkWrite),
                              module, m_prompter, this))
            return;
        m_guard->use(module);
    }
    m_written = setup;
    setControlsEnabled(false);
    disconnect(&m_runner, &OperationRunner::finished, this, nullptr);
    connect(&m_runner, &OperationRunner::finished, this, &NetSetupDialog::writeEnded);
    m_runner.start(CommandPlans::networkWrite(setup), settings);
}

bool NetSetupDialog::confirmWrite(const HardwareSetup &setup)
{
    const QStringList names{tr("IP Address"), tr("TCP Port"), tr("UDP Port")};
    const QStringList oldValues =
        m_eeprom ? QStringList{m_eeprom->address, QString::number(m_eeprom->tcpPort),
                             QString::number(m_eeprom->udpPort)}
               : QStringList(names.size(), tr("(not read)"));
    const QStringList newValues{setup.newAddress, QString::number(setup.newTcpPort),
                                QString::number(setup.newUdpPort)};
    QStringList changes;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (oldValues.at(i) != newValues.at(i))
            changes << tr("%1: %2 \u2192 %3").arg(names.at(i), oldValues.at(i), newValues.at(i));
    }
    const QString text = changes.isEmpty()
                             ? tr("The new values equal those read from the EEPROM.")
                             : tr("Write these settings into the EEPROM of module %1:%2?\n%3")
                                   .arg(setup.targetAddress)
                                   .arg(setup.targetPort)
                                   .arg(changes.join(QLatin1Char('\n')));
    return m_prompter.question(this, tr("Hardware Setup"), text, tr("Do you want to write them?"),
                               QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel)
           == QMessageBox::Yes;
}

void NetSetupDialog::writeEnded(const OperationResult &result)
{
    setControlsEnabled(true);
    if (!result.succeeded()) {
        m_prompter.warning(this, QString(), result.errorText);
        emit operationEnded();
        return;
    }
    m_updated = true;
    // The read-back keeps its own failure text: a failed read after the
    // write must not be reported as the success.
    startRead();
    m_prompter.warning(this, QString(),
                       tr("Succeeded in Updating the Kovix module.\n")
                           + tr("Please set DIP switch to OFF, and reboot the KaRiX."));
}

void NetSetupDialog::setControlsEnabled(bool enabled)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{m_default, m_read, m_renewal,
                                                            m_newAddr, m_newTcp, m_newUdp})
        widget->setEnabled(enabled);
}

bool NetSetupDialog::applyTo(ConnectionSettings &settings) const
{
    if (!m_updated)
        return false;
    const ConnectionSettings before = settings;
    settings.address = m_written.newAddress;
    settings.tcpPort = m_written.newTcpPort;
    settings.udpPort = m_written.newUdpPort;
    return settings != before;
}
