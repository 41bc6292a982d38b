// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

struct ConnectionSettings;
class Prompter;
class QCheckBox;
class QLineEdit;

// "Ethernet Setting": the address, ports, time-out and auto-start the
// program uses to reach the module. OK checks the values and stores the
// changed ones into the settings given; changed() tells whether any did.
class PropertyDialog : public QDialog
{
    Q_OBJECT

public:
    PropertyDialog(ConnectionSettings &settings, Prompter &prompter, QWidget *parent = nullptr);

    bool changed() const { return m_changed; }

public slots:
    void on_buttonBox_accepted();

private:
    // Shows "<text><what>" and returns false.
    bool refuse(QLineEdit *field, const QString &what);
    bool readPort(QLineEdit *field, quint16 &port);

    ConnectionSettings &m_settings;
    Prompter &m_prompter;
    bool m_changed = false;
    QLineEdit *m_address;
    QLineEdit *m_tcp;
    QLineEdit *m_udp;
    QLineEdit *m_timeout;
    QCheckBox *m_autoStart;
};
