// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/msrcntwidget.h"

#include "device/commandplans.h"
#include "device/qkovixthread.h"
#include "device/ratecsv.h"
#include "dialogs/prompter.h"
#include "dialogs/rateplotwidget.h"
#include "dialogs/userguide.h"
#include "io/safefilewriter.h"
#include "model/measurecounterparameters.h"
#include "model/operationerror.h"

#include <QBuffer>
#include <QDir>

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>

namespace {

constexpr int counterCount = CounterConfig::counterCount;
const QString unusedText = QStringLiteral("-----");

QString numbered(const char *stem, int counter)
{
    return QLatin1String(stem) + QString::number(counter);
}

} // namespace

MsrCntWidget::MsrCntWidget(const CounterConfig &config, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
{
    setWindowTitle(tr("Measure Counter"));
    UserGuide::bindHelpKey(this, UserGuide::Section::Counters);
    buildForm();
    m_clock.start();
    m_clockOrigin = QDateTime::currentDateTime();
    m_plot->setClockOrigin(m_clockOrigin);
    connect(m_connect, &QPushButton::clicked, this, &MsrCntWidget::connectToServer);
    connect(m_disconnect, &QPushButton::clicked, this, &MsrCntWidget::stopUpdate);
    connect(m_quit, &QPushButton::clicked, this, &MsrCntWidget::stopUpdate);
    connect(m_quit, &QPushButton::clicked, this, &QDialog::accept);
    connect(this, &QDialog::rejected, this, &MsrCntWidget::stopUpdate);
    connect(this, &QDialog::finished, this, &MsrCntWidget::closedKovix);
    connect(&m_runner, &OperationRunner::finished, this, &MsrCntWidget::switchEnded);
    configure(config);
}

MsrCntWidget::~MsrCntWidget()
{
    // A thread refers to this window until it has ended.
    retireStream();
    for (const QPointer<QKovixThread> &stream : std::as_const(m_retired)) {
        if (stream)
            stream->wait();
    }
}

void MsrCntWidget::buildForm()
{
    auto *grid = new QGridLayout;
    auto *counterHeader = new QLabel(tr("Counter"), this);
    counterHeader->setObjectName(QStringLiteral("cntLabel"));
    auto *updateHeader = new QLabel(tr("Update "), this);
    updateHeader->setObjectName(QStringLiteral("updateLabel"));
    grid->addWidget(counterHeader, 0, 0);
    grid->addWidget(new QLabel(tr("Rate"), this), 0, 2);
    grid->addWidget(updateHeader, 0, 3);
    for (int counter = 0; counter < counterCount; ++counter) {
        Row &row = m_rows[size_t(counter)];
        row.label = new QLabel(QStringLiteral("MsrCnt%1").arg(counter), this);
        row.label->setObjectName(numbered("msrCnt", counter) + QStringLiteral("Label"));
        row.value = new QLineEdit(this);
        row.value->setObjectName(numbered("msrCnt", counter) + QStringLiteral("LineEdit"));
        row.value->setReadOnly(true);
        row.value->setAlignment(Qt::AlignRight);
        row.rate = new QLabel(this);
        row.rate->setObjectName(numbered("rateLabel", counter));
        row.rate->setMinimumWidth(110);
        row.update = new QLineEdit(this);
        row.update->setObjectName(numbered("updateLineEdit", counter));
        row.update->setReadOnly(true);
        row.start = new QPushButton(tr("Start"), this);
        row.start->setObjectName(numbered("startButton", counter));
        row.start->setAutoDefault(false);
        connect(row.start, &QPushButton::clicked, this, [this, counter] { toggleCounter(counter); });
        grid->addWidget(row.label, counter + 1, 0);
        grid->addWidget(row.value, counter + 1, 1);
        grid->addWidget(row.rate, counter + 1, 2);
        grid->addWidget(row.update, counter + 1, 3);
        grid->addWidget(row.start, counter + 1, 4);
    }
    m_plot = new RatePlotWidget(m_rates, this);
    auto *plotButtons = new QHBoxLayout;
    plotButtons->addStretch(1);
    const auto addPlotButton = [&](const QString &text, const char *name, auto slot) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        plotButtons->addWidget(button);
    };
    addPlotButton(tr("&Fit"), "fitButton", [this] { m_plot->fit(); });
    addPlotButton(tr("Export CS&V..."), "exportCsvButton", [this] { exportCsv(); });
    addPlotButton(tr("Export &PNG..."), "exportPngButton", [this] { exportPng(); });
    m_status = new QLabel(tr("Ready"), this);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    m_connect = new QPushButton(tr("&Connect"), this);
    m_connect->setObjectName(QStringLiteral("connectButton"));
    m_disconnect = new QPushButton(tr("&Disconnect"), this);
    m_disconnect->setObjectName(QStringLiteral("stopButton"));
    m_disconnect->setEnabled(false);
    m_quit = new QPushButton(tr("&Quit"), this);
    m_quit->setObjectName(QStringLiteral("quitButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_status, 1);
    buttons->addWidget(m_connect);
    buttons->addWidget(m_disconnect);
    buttons->addWidget(m_quit);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_plot, 1);
    layout->addLayout(plotButtons);
    layout->addLayout(buttons);
    resize(620, 420);
}

QString MsrCntWidget::formatValue(const QString &unit, quint32 value)
{
    const double shown = double(value) * QKovixThread::scaleOf(unit);
    // Grouped digits: a ten-digit count is read at a glance.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(shown, 'f', MeasureCounterParameters::decimals(unit)) + QLatin1Char(' ') + unit;
}

void MsrCntWidget::configure(const CounterConfig &config)
{
    m_config = config;
    m_rates.clear();
    QStringList names;
    QStringList rateUnits;
    for (int counter = 0; counter < counterCount; ++counter) {
        m_running[size_t(counter)] = false;
        m_stopped[size_t(counter)] = false;
        resetRow(counter);
        const QString &name = config.names[size_t(counter)];
        m_rows[size_t(counter)].label->setText(name.isEmpty() ? QStringLiteral("MsrCnt%1").arg(counter)
                                                              : name);
        names << (config.sources[size_t(counter)] >= 0 ? m_rows[size_t(counter)].label->text()
                                                       : QString());
        rateUnits << rateUnit(counter);
    }
    m_plot->setCounters(names, rateUnits);
    if (!m_connected && config.autoConnect)
        connectToServer();
}

void MsrCntWidget::resetRow(int counter)
{
    Row &row = m_rows[size_t(counter)];
    row.start->setText(tr("Start"));
    row.start->setEnabled(false);
    row.value->setEnabled(false);
    row.update->setEnabled(false);
    row.rate->clear();
    // A new configuration (after a download) shows nothing of the old one.
    const bool unused = m_config.sources[size_t(counter)] < 0;
    row.value->setText(unused ? unusedText : QString());
    row.update->setText(unused ? unusedText : QString());
}

void MsrCntWidget::createStream(bool continueOnError)
{
    auto texts = [](const std::array<QString, counterCount> &values) {
        QKovixThread::Texts result;
        std::copy(values.begin(), values.end(), result.begin());
        return result;
    };
    m_stream = new QKovixThread(texts(m_config.dirs), texts(m_config.names), texts(m_config.units),
                                m_config.address, m_config.tcpPort, m_config.udpPort, this,
                                continueOnError);
}

void MsrCntWidget::retireStream()
{
    if (!m_stream)
        return;
    m_stream->stop();
    m_retired.removeIf([](const QPointer<QKovixThread> &stream) { return stream.isNull(); });
    m_retired.append(m_stream);
    m_stream.clear();
}

void MsrCntWidget::connectToServer()
{
    retireStream();
    try {
        createStream(false);
    } catch (const OperationError &failure) {
        const QString &message = failure.message();
        const QMessageBox::StandardButton answer = m_prompter.warning(
            this, tr("KaRiX"), message + QStringLiteral("\n\n") + tr("The MsrCnt data cannot be saved, continue?"),
            QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Yes);
        if (answer != QMessageBox::Yes)
            return;
        createStream(true);
    }
    connect(m_stream, &QThread::finished, m_stream, &QObject::deleteLater);
    m_stream->start();
    m_connect->setEnabled(false);
    m_disconnect->setEnabled(true);
    setStatus(tr("Connecting ..."));
    m_connected = true;
}

bool MsrCntWidget::fromCurrentStream() const
{
    // A stopped stream thread may still deliver what it read last.
    return sender() == nullptr || sender() == m_stream;
}

void MsrCntWidget::connected()
{
    if (!fromCurrentStream())
        return;
    for (int counter = 0; counter < counterCount; ++counter) {
        Row &row = m_rows[size_t(counter)];
        row.value->setEnabled(true);
        row.update->setEnabled(true);
        const int source = m_config.sources[size_t(counter)];
        row.start->setEnabled(source >= 0 && (source & 0x3) == 0);
    }
    setStatus(tr("Waiting for data ..."));
}

void MsrCntWidget::updateData(int counter, quint32 value)
{
    if (counter < 0 || counter >= counterCount || !fromCurrentStream())
        return;
    const QString stopped = stoppedStatus();
    setStatus(stopped.isEmpty() ? tr("Received") : stopped);
    Row &row = m_rows[size_t(counter)];
    const QString &unit = m_config.units[size_t(counter)];
    row.value->setText(formatValue(unit, value));
    const QString now = QTime::currentTime().toString(QStringLiteral(" hh:mm:ss "));
    row.update->setText(now);
    // A stopped counter feeds no rates: its plot shows a gap, not a flat
    // line, and its restart from zero is no spike.
    if (m_stopped[size_t(counter)]) {
        row.rate->setText(tr("stopped"));
        return;
    }
    const int wraps = m_rates.wraps(counter);
    const std::optional<double> rate =
        m_rates.addCount(counter, m_clock.elapsed(), value, QKovixThread::scaleOf(unit));
    if (m_rates.wraps(counter) != wraps) {
        setStatus(tr("%1 wrapped past 4,294,967,295 at %2; its rate stays right across the wrap")
                      .arg(row.label->text(), now.trimmed()));
    }
    if (rate)
        row.rate->setText(tr("%1 %2").arg(*rate, 0, 'g', 4).arg(rateUnit(counter)));
    m_plot->update();
}

void MsrCntWidget::stopUpdate()
{
    // The thread notices the flag within a second and deletes itself; the
    // window does not wait for it.
    retireStream();
    setStatus(tr("Connection closed"));
    resetControls();
}

void MsrCntWidget::connectionClosedByServer()
{
    if (!m_connected || !fromCurrentStream())
        return;
    setStatus(tr("Connection closed by server"));
    resetControls();
}

void MsrCntWidget::error(const QString &text)
{
    if (!fromCurrentStream())
        return;
    setStatus(text);
    retireStream();
    resetControls();
}

void MsrCntWidget::resetControls()
{
    m_connected = false;
    m_connect->setEnabled(true);
    m_disconnect->setEnabled(false);
    for (Row &row : m_rows) {
        row.start->setEnabled(false);
        row.value->setEnabled(false);
        row.update->setEnabled(false);
    }
}

void MsrCntWidget::setStatus(const QString &text)
{
    m_status->setText(text);
}

QString MsrCntWidget::stoppedStatus() const
{
    QStringList names;
    QStringList rateUnits;
    for (int counter = 0; counter < counterCount; ++counter) {
        if (m_stopped[size_t(counter)])
            names << m_rows[size_t(counter)].label->text();
    }
    return names.isEmpty() ? QString() : tr("%1 stopped").arg(names.join(QStringLiteral(", ")));
}

QString MsrCntWidget::statusText() const
{
    return m_status->text();
}

QString MsrCntWidget::valueText(int counter) const
{
    return m_rows[size_t(counter)].value->text();
}

QString MsrCntWidget::rateText(int counter) const
{
    return m_rows[size_t(counter)].rate->text();
}

QString MsrCntWidget::rateUnit(int counter) const
{
    const QString &unit = m_config.units[size_t(counter)];
    return unit.isEmpty() || QKovixThread::scaleOf(unit) == 1.0 ? QStringLiteral("/s")
                                                                : unit + QStringLiteral("/s");
}

QString MsrCntWidget::askExportFile(const QString &title, const QString &filter)
{
    return m_prompter.saveFileName(this, title, QDir::currentPath(), filter);
}

void MsrCntWidget::saveExport(const QString &path, const QByteArray &bytes)
{
    const QString failure = SafeFileWriter::save(path, bytes);
    if (!failure.isEmpty())
        m_prompter.warning(this, tr("KaRiX"), tr("The plot could not be exported to %1:\n%2")
                                                  .arg(QDir::toNativeSeparators(path), failure));
}

void MsrCntWidget::exportCsv()
{
    const QString path = askExportFile(tr("Export Rates as CSV"), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    QList<RateCsv::Column> columns;
    for (int counter = 0; counter < counterCount; ++counter) {
        if (m_config.sources[size_t(counter)] >= 0) {
            columns.append({counter, m_rows[size_t(counter)].label->text() + QLatin1Char('[')
                                         + rateUnit(counter) + QLatin1Char(']')});
        }
    }
    // What the plot shows: the zoomed range, or the whole live span.
    const RatePlotWidget::TimeRange range = m_plot->visibleRange();
    saveExport(path, RateCsv::build(m_rates, columns, range.fromMs, range.toMs, m_clockOrigin));
}

void MsrCntWidget::exportPng()
{
    const QString path = askExportFile(tr("Export Plot as PNG"), tr("PNG images (*.png)"));
    if (path.isEmpty())
        return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    m_plot->grab().save(&buffer, "PNG");
    saveExport(path, bytes);
}

void MsrCntWidget::toggleCounter(int counter)
{
    if (m_runner.isRunning())
        return;
    bool &running = m_running[size_t(counter)];
    running = !running;
    m_stopped[size_t(counter)] = !running;
    if (!running)
        m_rows[size_t(counter)].rate->setText(tr("stopped"));
    const QString stopped = stoppedStatus();
    if (!stopped.isEmpty())
        setStatus(stopped);
    m_rows[size_t(counter)].start->setText(running ? tr("Stop") : tr("Start"));
    ConnectionSettings settings;
    settings.address = m_config.address;
    settings.udpPort = m_config.udpPort;
    settings.timeout = quint32(std::max(m_config.timeout, 1));
    m_runner.start(CommandPlans::counterControl({counter}, running), settings);
}

void MsrCntWidget::switchEnded(const OperationResult &result)
{
    if (!result.succeeded() && !result.errorText.isEmpty())
        m_prompter.warning(this, tr("KaRiX"), result.errorText);
}
