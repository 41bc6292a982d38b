// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/hardwaresetup.h"
#include "device/networksettingstext.h"
#include "device/operationrunner.h"
#include "model/connectionsettings.h"

#include <QDialog>

class Prompter;
class TargetGuard;
class QLineEdit;
class QPushButton;
class QTextEdit;

// "Hardware Setup": reads the module's network settings from its EEPROM
// and writes a new address and ports into it (the module's set-up DIP
// switch must be ON). The device access runs on its own operation runner;
// while it runs, the buttons and the new-value fields are disabled. A read
// fills the new-value fields with what the EEPROM holds, so a write changes
// only what the user edited; the write lists every change and asks first.
class NetSetupDialog : public QDialog
{
    Q_OBJECT

public:
    NetSetupDialog(const ConnectionSettings &settings, Prompter &prompter,
                   QWidget *parent = nullptr);

    // After a successful write: copies the new address and ports into
    // settings; true when anything changed.
    bool applyTo(ConnectionSettings &settings) const;
    QString information() const;
    // Reads and writes report their target to guard, and a write to another
    // module than the session's previous command asks first. Not owned.
    void setTargetGuard(TargetGuard &guard) { m_guard = &guard; }

public slots:
    void on_pushButtonDefault_clicked();
    void on_pushButtonRenewal_clicked();
    void on_pushButtonRead_clicked();

signals:
    // A read or write has ended and its message, if any, was shown.
    void operationEnded();

private:
    void buildForm();
    HardwareSetup target() const;
    bool readNewValues(HardwareSetup &setup);
    // The old → new question; false when the user declined.
    bool confirmWrite(const HardwareSetup &setup);
    ConnectionSettings targetSettings(const HardwareSetup &setup) const;
    void startRead();
    void readEnded(const OperationResult &result);
    void writeEnded(const OperationResult &result);
    void setControlsEnabled(bool enabled);

    Prompter &m_prompter;
    ConnectionSettings m_settings;
    OperationRunner m_runner;
    QString m_defaultAddress;
    QString m_defaultPort;
    QString m_pendingMessage;
    bool m_updated = false;
    HardwareSetup m_written;
    std::optional<NetworkSettingsText::Values> m_eeprom;  // of the last successful read
    TargetGuard *m_guard = nullptr;

    QLineEdit *m_addr;
    QLineEdit *m_udp;
    QLineEdit *m_newAddr;
    QLineEdit *m_newTcp;
    QLineEdit *m_newUdp;
    QPushButton *m_default;
    QPushButton *m_read;
    QPushButton *m_renewal;
    QTextEdit *m_text;
};
