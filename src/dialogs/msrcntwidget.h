// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/counterrates.h"
#include "device/operationrunner.h"
#include "model/counterconfig.h"

#include <QDateTime>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <array>

class Prompter;
class QKovixThread;
class QLabel;
class QLineEdit;
class QPushButton;
class RatePlotWidget;

// The non-modal "Measure Counter" window: connects to the module's counter
// stream, shows each counter's latest value in its unit with the time of
// the update and its rate, plots the rates of the last minutes (exported as
// CSV or PNG), and starts or stops single counters on the module. Logging to CSV files is done by
// the stream thread.
class MsrCntWidget : public QDialog
{
    Q_OBJECT

public:
    MsrCntWidget(const CounterConfig &config, Prompter &prompter, QWidget *parent = nullptr);
    ~MsrCntWidget() override;

    void configure(const CounterConfig &config);
    bool isConnected() const { return m_connected; }
    bool isSwitching() const { return m_runner.isRunning(); }
    QString statusText() const;
    QString valueText(int counter) const;
    QString rateText(int counter) const;
    QPushButton *startButton(int counter) const { return m_rows[size_t(counter)].start; }

    // The shown number: ticks of 5 ns in the unit, fixed decimals, a space
    // and the unit ("0.015 usec"); raw counts for any other unit.
    static QString formatValue(const QString &unit, quint32 value);

public slots:
    void connectToServer();
    void connected();
    void updateData(int counter, quint32 value);
    void stopUpdate();
    void connectionClosedByServer();
    void error(const QString &text);

signals:
    // Quit or the window was closed.
    void closedKovix();

private:
    struct Row
    {
        QLabel *label = nullptr;
        QLineEdit *value = nullptr;
        QLabel *rate = nullptr;
        QLineEdit *update = nullptr;
        QPushButton *start = nullptr;
    };

    void buildForm();
    void resetRow(int counter);
    void resetControls();
    void setStatus(const QString &text);
    // "Gate, Spill stopped" while counters stopped here are not started
    // again, so that other counters' readings do not hide it; else empty.
    QString stoppedStatus() const;
    bool fromCurrentStream() const;
    // Asks the stream thread to stop without waiting for it.
    void retireStream();
    // Throws the log-file message unless continueOnError.
    void createStream(bool continueOnError);
    // "usec/s", or "/s" for counted events.
    QString rateUnit(int counter) const;
    void exportCsv();
    void exportPng();
    // A file name from the prompter; empty when the user cancelled.
    QString askExportFile(const QString &title, const QString &filter);
    // Warns when saving failed.
    void saveExport(const QString &path, const QByteArray &bytes);
    void toggleCounter(int counter);
    void switchEnded(const OperationResult &result);

    CounterConfig m_config;
    Prompter &m_prompter;
    std::array<bool, CounterConfig::counterCount> m_running{};
    // Stopped by the user in this window: shows "stopped" instead of a rate.
    std::array<bool, CounterConfig::counterCount> m_stopped{};
    std::array<Row, CounterConfig::counterCount> m_rows;
    QPointer<QKovixThread> m_stream;
    // Stopped threads that may still be running; they delete themselves.
    QList<QPointer<QKovixThread>> m_retired;
    OperationRunner m_runner;
    bool m_connected = false;
    CounterRates m_rates;
    QElapsedTimer m_clock;
    QDateTime m_clockOrigin;  // the time of day when m_clock started
    RatePlotWidget *m_plot = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_connect = nullptr;
    QPushButton *m_disconnect = nullptr;
    QPushButton *m_quit = nullptr;
};
