#pragma once

#include "device/hardwaresetup.h"
#include "device/operationrunner.h"
#include "model/connectionsettings.h"

#include <QDialog>

class Prompter;
class QLineEdit;
class QPushButton;
class QTextEdit;

// "Hardware Setup": reads the module's network settings from its EEPROM
// and writes a new address and ports into it (the module's set-up DIP
// switch must be ON). The device access runs on its own operation runner;
// while it runs, the buttons and the new-value fields are disabled.
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
