// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulatewindow.h"

#include "compiler/designrulecheck.h"
#include "compiler/imagecapture.h"
#include "timing/signalblocks.h"
#include "io/designdocument.h"
#include "model/blockitem.h"
#include "timing/inputmixer.h"
#include "timing/simtime.h"
#include "timing/vcdwriter.h"
#include "waveform/simulationrun.h"
#include "waveform/stimuluseditor.h"
#include "waveform/waveformview.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace {

QString rateText(double perSecond)
{
    if (perSecond >= 1e6)
        return SimulateWindow::tr("%1 MHz").arg(perSecond / 1e6, 0, 'g', 4);
    if (perSecond >= 1e3)
        return SimulateWindow::tr("%1 kHz").arg(perSecond / 1e3, 0, 'g', 4);
    return SimulateWindow::tr("%1 Hz").arg(perSecond, 0, 'g', 4);
}

// Feeds a finished run's changes to a sink as the engine did, in tick order.
void replay(const TraceRecorder &trace, TraceSink &sink)
{
    std::vector<std::tuple<quint64, int, bool>> changes;
    for (int signal = 0; signal < TraceSignals::Count; ++signal) {
        for (const TraceRecorder::Change &change : trace.changes(signal))
            changes.emplace_back(change.tick, signal, change.level);
    }
    std::stable_sort(changes.begin(), changes.end(),
                     [](const auto &a, const auto &b) { return std::get<0>(a) < std::get<0>(b); });
    quint64 levels = 0;
    for (size_t i = 0; i < changes.size();) {
        const quint64 tick = std::get<0>(changes[i]);
        quint64 changed = 0;
        for (; i < changes.size() && std::get<0>(changes[i]) == tick; ++i) {
            const quint64 bit = quint64(1) << std::get<1>(changes[i]);
            changed |= bit;
            levels = std::get<2>(changes[i]) ? levels | bit : levels & ~bit;
        }
        sink.step(tick, levels, changed);
    }
    sink.finish(trace.endTick());
}

} // namespace

SimulateWindow::SimulateWindow(DesignDocument &document, QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_document(document),
      m_stimulus(new StimulusEditor(this)),
      m_view(new WaveformView(this)),
      m_duration(new QLineEdit(QStringLiteral("10us"), this)),
      m_seed(new QSpinBox(this)),
      m_run(new QPushButton(tr("&Run"), this)),
      m_cancel(new QPushButton(tr("Cancel"), this)),
      m_progress(new QProgressBar(this)),
      m_runOnChange(new QCheckBox(tr("Run on change"), this)),
      m_keepOverlay(new QCheckBox(tr("Keep the previous run as overlay"), this)),
      m_problems(new QLabel(this)),
      m_results(new QLabel(this))
{
    setObjectName(QStringLiteral("simulateWindow"));
    setWindowTitle(tr("Simulate"));
    resize(1000, 700);
    m_seed->setRange(0, INT_MAX);
    m_seed->setValue(1);
    m_problems->setStyleSheet(QStringLiteral("color: #b00000"));
    m_problems->setWordWrap(true);
    m_results->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_results->setObjectName(QStringLiteral("simulationResults"));

    auto *area = new QScrollArea(this);
    area->setWidgetResizable(true);
    area->setWidget(m_view);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_stimulus);
    layout->addWidget(createControls());
    layout->addWidget(m_problems);
    layout->addWidget(createViewButtons());
    layout->addWidget(area, 1);
    layout->addWidget(m_results);
    setRunning(false);

    connect(m_run, &QPushButton::clicked, this, &SimulateWindow::run);
    connect(m_cancel, &QPushButton::clicked, this, &SimulateWindow::cancel);
    connect(m_view, &WaveformView::rowClicked, this, &SimulateWindow::blockChosen);
    connect(m_stimulus, &StimulusEditor::changed, this, [this] {
        if (m_runOnChange->isChecked())
            run();
    });
}

SimulateWindow::~SimulateWindow() = default;

QWidget *SimulateWindow::createControls()
{
    auto *controls = new QWidget(this);
    auto *row = new QHBoxLayout(controls);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(tr("Duration:"), controls));
    row->addWidget(m_duration);
    row->addWidget(new QLabel(tr("Seed:"), controls));
    row->addWidget(m_seed);
    row->addWidget(m_run);
    row->addWidget(m_cancel);
    row->addWidget(m_progress, 1);
    row->addWidget(m_runOnChange);
    row->addWidget(m_keepOverlay);
    m_duration->setToolTip(tr("Module time to simulate, such as 10us (ps, ns, us, ms or s)"));
    return controls;
}

QWidget *SimulateWindow::createViewButtons()
{
    auto *buttons = new QWidget(this);
    auto *row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    const auto add = [this, buttons, row](const QString &text, auto slot) {
        auto *button = new QPushButton(text, buttons);
        connect(button, &QPushButton::clicked, this, slot);
        row->addWidget(button);
    };
    add(tr("Fit"), [this] { m_view->fit(); });
    add(tr("Previous Edge"), [this] { m_view->jumpToPreviousEdge(); });
    add(tr("Next Edge"), [this] { m_view->jumpToNextEdge(); });
    add(tr("Row Up"), [this] { m_view->moveRow(m_view->selectedRow(), -1); });
    add(tr("Row Down"), [this] { m_view->moveRow(m_view->selectedRow(), 1); });
    add(tr("Hide Row"), [this] { m_view->hideSelectedRow(); });
    add(tr("Show All Rows"), [this] { m_view->showAllRows(); });
    row->addStretch(1);
    add(tr("Export VCD…"), [this] { exportVcd(); });
    add(tr("Export Picture…"), [this] { exportPicture(); });
    return buttons;
}

void SimulateWindow::setDuration(const QString &duration)
{
    m_duration->setText(duration);
}

void SimulateWindow::setSeed(int seed)
{
    m_seed->setValue(seed);
}

void SimulateWindow::showWindow()
{
    compileDesign();
    show();
    raise();
    activateWindow();
}

void SimulateWindow::designChanged()
{
    if (!isVisible())
        return;
    if (m_runOnChange->isChecked())
        run();
    else
        compileDesign();
}

void SimulateWindow::highlightBlock(const BlockItem *block)
{
    m_view->highlightBlock(block);
}

QByteArray SimulateWindow::compileDesign()
{
    const DesignModel &model = m_document.model();
    const SignalBlocks blocks(model);
    m_drivers = blocks.drivers();
    m_view->setRows(WaveformRows::fromDesign(blocks));
    QList<QPair<int, QString>> inputs;
    for (const WaveformRow &row : m_view->rows()) {
        if (row.signal < TraceSignals::FirstUnit)
            inputs.append({row.signal, row.label});
    }
    std::sort(inputs.begin(), inputs.end());
    m_stimulus->setInputs(inputs);

    QString report;
    const int errors = DesignRuleCheck::checkDesign(model, report);
    m_problems->setText(errors > 0 ? tr("The design has %n error(s); it is simulated as it "
                                        "compiles.", nullptr, errors)
                                   : QString());
    m_problems->setToolTip(errors > 0 ? report : QString());
    try {
        return ImageCapture::compile(model);
    } catch (const QString &message) {
        m_problems->setText(message);
        return QByteArray();
    }
}

void SimulateWindow::run()
{
    dropPending();
    const QByteArray image = compileDesign();
    if (image.isEmpty())
        return;
    qint64 picos = 0;
    QString error;
    if (!SimTime::parse(m_duration->text(), picos, error) || picos == 0) {
        m_problems->setText(error.isEmpty() ? tr("The duration must be longer than 0.")
                                            : tr("Duration: %1").arg(error));
        return;
    }
    auto mixer = std::make_unique<InputMixer>();
    if (!m_stimulus->setup().build(SignalBlocks(m_document.model()).inputNames(),
                                   quint64(m_seed->value()), *mixer, error)) {
        m_problems->setText(error);
        return;
    }
    m_pending = std::make_unique<SimulationRun>(image, std::move(mixer), SimTime::tickAtOrAfter(picos));
    connect(m_pending.get(), &SimulationRun::progress, m_progress, &QProgressBar::setValue);
    connect(m_pending.get(), &SimulationRun::finished, this, &SimulateWindow::finishRun);
    connect(m_pending.get(), &SimulationRun::cancelled, this, [this] {
        dropPending();
        setRunning(false);
    });
    setRunning(true);
    m_pending->start();
}

void SimulateWindow::dropPending()
{
    if (!m_pending)
        return;
    // It may be the sender of the signal being handled, and it must not
    // report again.
    m_pending->disconnect();
    m_pending.release()->deleteLater();
}

void SimulateWindow::cancel()
{
    if (m_pending)
        m_pending->cancel();
}

void SimulateWindow::finishRun()
{
    // The view lets go of the runs it shows before they are replaced.
    m_view->setOverlay(nullptr);
    m_previous = m_keepOverlay->isChecked() ? std::move(m_current) : nullptr;
    m_current = std::move(m_pending);
    m_view->setTrace(&m_current->trace(), m_current->ticks());
    if (m_previous)
        m_view->setOverlay(&m_previous->trace());
    showResults();
    setRunning(false);
    emit runFinished();
}

void SimulateWindow::setRunning(bool running)
{
    m_cancel->setEnabled(running);
    m_progress->setValue(running ? 0 : m_progress->value());
}

QString SimulateWindow::resultsText() const
{
    if (!m_current)
        return QString();
    QStringList lines;
    const double seconds = double(m_current->ticks()) * 5e-9;
    for (int k = 0; k < TraceSignals::OutputCount; ++k) {
        if (!m_drivers.contains(TraceSignals::FirstOutput + k))
            continue;
        const quint64 count = m_current->summary().riseCount(k);
        lines << tr("%1: %2 pulses, %3")
                     .arg(TraceSignals::name(TraceSignals::FirstOutput + k))
                     .arg(count)
                     .arg(rateText(double(count) / seconds));
    }
    const MeasureCounters &counters = m_current->counters();
    for (int k = 0; k < TraceSignals::CounterCount; ++k) {
        const int gate = TraceSignals::FirstCounterInput + 2 * k;
        if (!m_drivers.contains(gate) && !m_drivers.contains(gate + 1))
            continue;
        QString line = tr("MsrCnt%1: %2 measurements").arg(k).arg(counters.measurementCount(k));
        if (!counters.measurements(k).empty()) {
            const MeasureCounters::Measurement &last = counters.measurements(k).back();
            line += tr(", last %1 at %2").arg(last.value).arg(
                WaveformView::timeText(double(SimTime::nanoseconds(last.endTick))));
        }
        const std::optional<quint64> running = counters.running(k);
        line += running ? tr(", running %1").arg(*running) : tr(", none running");
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

void SimulateWindow::showResults()
{
    m_results->setText(resultsText());
}

void SimulateWindow::exportVcd()
{
    if (!m_current)
        return;
    const QString path = QFileDialog::getSaveFileName(this, tr("Export VCD"), QString(),
                                                      tr("Value change dumps (*.vcd)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        VcdWriter writer(&file, m_drivers);
        replay(m_current->trace(), writer);
        written = !writer.hasError();
    }
    if (!written || !file.commit())
        m_problems->setText(tr("Cannot write %1: %2").arg(path, file.errorString()));
}

void SimulateWindow::exportPicture()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export Picture"), QString(),
                                                      tr("Pictures (*.png *.svg)"));
    if (!path.isEmpty() && !m_view->exportImage(path))
        m_problems->setText(tr("Cannot write %1.").arg(path));
}
