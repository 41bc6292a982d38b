// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "common/testrunner.h"
#include "editor/canvasselection.h"
#include "editor/programwidget.h"
#include "model/blockitem.h"
#include "timing/tracesignals.h"
#include "waveform/simulationrun.h"
#include "waveform/simulatewindow.h"
#include "waveform/stimuluseditor.h"
#include "waveform/waveformview.h"
#include "waveform/wavetrace.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int Seed = 7;
constexpr int Output = TraceSignals::FirstOutput;

QJsonObject cliSimulate(const QString &design)
{
    QProcess cli;
    cli.start(QStringLiteral(KARIX_BINARY_DIR "/karix-cli"),
              {"simulate", design, "--duration", "10us", "--json", "--seed", QString::number(Seed),
               "--rate", "NIM-IN-S0=1MHz,20ns", "--rate", "NIM-IN-S1=1MHz,20ns"});
    if (!cli.waitForFinished(30000))
        cli.kill();
    return QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
}

} // namespace

// The Simulate window on the coincidence example, in the main window.
class TestSimulateWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_design = QStringLiteral(KARIX_SOURCE_DIR "/examples/coincidence.krx");
        m_window = std::make_unique<MainWindow>(m_design, nullptr);
        m_simulate = &m_window->simulateWindow();
        m_simulate->showWindow();
        m_view = m_simulate->view();
    }
    void cleanupTestCase() { m_window.reset(); }

    // The used inputs, the timer (named after its block), the output and the
    // counter's wired SRC, each tied to its block.
    void rowsFromTheDesign()
    {
        QStringList labels;
        for (const WaveformRow &row : m_view->rows()) {
            labels << row.label;
            QVERIFY(row.block);
        }
        QCOMPARE(labels, QStringList({"Detector A (NIM-IN-S0)", "Detector B (NIM-IN-S1)",
                                      "Veto (NIM-IN-S2)", "Gate (unit3)", "NIM-OUT0",
                                      "Coincidences SRC"}));
    }

    // Two random inputs at 1 MHz for 10 µs: the output pulses start where
    // both inputs are high, the cursors read the timer's 200 ns, and the
    // results equal karix-cli's with the same seed.
    void coincidenceAgreesWithCli()
    {
        m_simulate->stimulus()->setSource(0, StimulusSetup::Kind::Random, "1MHz,20ns");
        m_simulate->stimulus()->setSource(1, StimulusSetup::Kind::Random, "1MHz,20ns");
        m_simulate->setDuration("10us");
        m_simulate->setSeed(Seed);
        QSignalSpy finished(m_simulate, &SimulateWindow::runFinished);
        m_simulate->run();
        QVERIFY(finished.wait(10000));
        const SimulationRun &run = *m_simulate->currentRun();

        const auto &rises = run.summary().riseTicks(0);
        QVERIFY(!rises.empty());
        for (quint64 tick : rises) {
            QVERIFY(WaveTrace::levelAt(run.trace().changes(TraceSignals::FirstInput), tick));
            QVERIFY(WaveTrace::levelAt(run.trace().changes(TraceSignals::FirstInput + 1), tick));
        }
        m_view->selectRow(4);
        QCOMPARE(m_view->rows().at(4).signal, Output);
        m_view->setCursor(0, 0);
        m_view->jumpToNextEdge();
        m_view->setCursor(1, *m_view->cursor(0));
        m_view->jumpToNextEdge();
        QCOMPARE(*m_view->cursor(0), rises.front() + 40);
        QVERIFY2(m_view->cursorText().endsWith("Δt 200 ns"), qPrintable(m_view->cursorText()));

        const QJsonObject cli = cliSimulate(m_design);
        QJsonArray cliRises = cli["outputs"].toObject()["NIM-OUT0"].toArray();
        QCOMPARE(size_t(cliRises.size()), rises.size());
        for (size_t i = 0; i < rises.size(); ++i)
            QCOMPARE(qint64(cliRises[int(i)].toDouble()), qint64(rises[i] * 5));
        const QJsonObject counter = cli["counters"].toObject()["MsrCnt0"].toObject();
        QCOMPARE(quint64(counter["count"].toDouble()), run.counters().measurementCount(0));
        QCOMPARE(quint64(counter["running"].toDouble()), run.counters().running(0).value_or(0));
        QVERIFY(m_simulate->resultsText().contains(QStringLiteral("MsrCnt0: ")));
    }

    // A row's block becomes the canvas's current block, and the canvas's
    // current block marks its row.
    void crossProbing()
    {
        const WaveformRow timer = m_view->rows().at(3);
        emit m_view->rowClicked(timer.block);
        ProgramWidget *canvas = m_window->currentCanvas();
        QCOMPARE(canvas->selection().currentBlock(), timer.block);

        BlockItem *input = const_cast<BlockItem *>(m_view->rows().at(1).block);
        canvas->selection().setCurrentBlock(input);
        canvas->selection().clear();
        QTRY_COMPARE(m_view->selectedRow(), 1);
    }

    // A row hidden stays hidden across runs; moved rows keep their blocks.
    void hideAndReorder()
    {
        m_view->setRowHidden(2, true);
        m_view->moveRow(0, 1);
        QCOMPARE(m_view->rows().at(1).label, QStringLiteral("Detector A (NIM-IN-S0)"));
        m_simulate->designChanged();
        QVERIFY(m_view->isRowHidden(2));
        QCOMPARE(m_view->rows().at(1).label, QStringLiteral("Detector A (NIM-IN-S0)"));
        QCOMPARE(m_view->minimumHeight(),
                 WaveformView::AxisHeight + 5 * WaveformView::RowHeight + 1);
    }

private:
    QString m_design;
    std::unique_ptr<MainWindow> m_window;
    SimulateWindow *m_simulate = nullptr;
    WaveformView *m_view = nullptr;
};

KARIX_TEST(TestSimulateWindow)
#include "tst_simulatewindow.moc"
