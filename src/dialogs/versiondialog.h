// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/operationrunner.h"
#include "model/connectionsettings.h"

#include <QDialog>

class Prompter;
class QLineEdit;
class QPushButton;

// "Version Information": the program's name, version and licence and, on Load,
// the module's firmware version as hexadecimal bytes.
class VersionDialog : public QDialog
{
    Q_OBJECT

public:
    // loadEnabled false (no module to ask): the Load button stays disabled.
    VersionDialog(const ConnectionSettings &settings, bool loadEnabled, Prompter &prompter,
                  QWidget *parent = nullptr);

    QString versionText() const;

public slots:
    void on_pushButton_clicked();

signals:
    void loadEnded();

private:
    void end(const OperationResult &result);

    ConnectionSettings m_settings;
    Prompter &m_prompter;
    OperationRunner m_runner;
    QLineEdit *m_version;
    QPushButton *m_load;
};
