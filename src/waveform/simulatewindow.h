// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QWidget>

#include <memory>

class BlockItem;
class DesignDocument;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class SimulationRun;
class StimulusEditor;
class WaveformView;

// Tools > Simulate: runs the image compiled from the open design (the bytes
// a download sends) through the timing model with the inputs set here and
// shows the waves, the measure-counter results and the NIM output rates.
// A design with errors is simulated as it compiles, with the errors shown.
// The previous run can stay as a faint overlay; "Run on change" runs again
// after every edit step.
class SimulateWindow : public QWidget
{
    Q_OBJECT
public:
    // document: the main window's, outlives this window.
    explicit SimulateWindow(DesignDocument &document, QWidget *parent = nullptr);
    ~SimulateWindow() override;

    StimulusEditor *stimulus() const { return m_stimulus; }
    WaveformView *view() const { return m_view; }
    void setDuration(const QString &duration);
    void setSeed(int seed);
    // Null before the first finished run.
    const SimulationRun *currentRun() const { return m_current.get(); }
    QString resultsText() const;

public slots:
    void showWindow();
    void run();
    void cancel();
    // After every edit step: the blocks may have been replaced, so the rows
    // are built again; with "Run on change" the design runs again.
    void designChanged();
    void highlightBlock(const BlockItem *block);

signals:
    // A row's block was clicked (cross-probing); the pointer is the model's.
    void blockChosen(const BlockItem *block);
    void runFinished();

private:
    QWidget *createControls();
    QWidget *createViewButtons();
    // Compiles the design, checks it and refreshes rows and inputs; empty on
    // an expression error (shown).
    QByteArray compileDesign();
    void startRun(const QByteArray &image, quint64 ticks);
    void finishRun();
    void dropPending();
    void showResults();
    void exportVcd();
    void exportPicture();
    void setRunning(bool running);

    DesignDocument &m_document;
    StimulusEditor *m_stimulus;
    WaveformView *m_view;
    QLineEdit *m_duration;
    QSpinBox *m_seed;
    QPushButton *m_run;
    QPushButton *m_cancel;
    QProgressBar *m_progress;
    QCheckBox *m_runOnChange;
    QCheckBox *m_keepOverlay;
    QLabel *m_problems;
    QLabel *m_results;
    QHash<int, QString> m_drivers;
    std::unique_ptr<SimulationRun> m_pending;
    std::unique_ptr<SimulationRun> m_current;
    std::unique_ptr<SimulationRun> m_previous;
};
